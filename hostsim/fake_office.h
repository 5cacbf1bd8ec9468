// Simulated Office ribbon objects: the IRibbonUI that onLoad hands over and the
// IRibbonControl that every callback receives.
#pragma once
#include <string>
#include <vector>

#include "host/interfaces.h"
#include "hostsim/fake_dispatch.h"

namespace hostsim {

class FakeRibbonUI final : public FakeDispatch<IRibbonUI> {
public:
    FakeRibbonUI() : FakeDispatch("RibbonUI") {}

    // L"Invalidate" or L"InvalidateControl(<id>)", in order.
    std::vector<std::wstring> calls;
    // InvalidateControl fails with this from the call numbered failFromCall (0-based) on.
    HRESULT invalidateControlFailure = S_OK;
    std::size_t failFromCall = 0;

    STDMETHODIMP Invalidate() noexcept override;
    STDMETHODIMP InvalidateControl(BSTR controlId) noexcept override;

private:
    HRESULT member(DISPID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*) noexcept override {
        return DISP_E_MEMBERNOTFOUND;
    }
};

class FakeRibbonControl final : public FakeDispatch<IRibbonControl> {
public:
    FakeRibbonControl(std::wstring id, std::wstring tag)
        : FakeDispatch("RibbonControl"), id(std::move(id)), tag(std::move(tag)) {}

    std::wstring id;
    std::wstring tag;
    HRESULT idFailure = S_OK;
    HRESULT tagFailure = S_OK;
    int idReads = 0;
    int tagReads = 0;

    STDMETHODIMP get_Id(BSTR* value) noexcept override;
    STDMETHODIMP get_Context(IDispatch** value) noexcept override;
    STDMETHODIMP get_Tag(BSTR* value) noexcept override;

private:
    HRESULT member(DISPID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*) noexcept override {
        return DISP_E_MEMBERNOTFOUND;
    }
};

// Makes a control as Office hands it to a callback.
ComPtr<FakeRibbonControl> makeControl(std::wstring id, std::wstring tag = L"");

}  // namespace hostsim
