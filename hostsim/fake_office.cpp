// The simulated Office ribbon objects.
#include "hostsim/fake_office.h"

#include "hostsim/host_calls.h"

namespace hostsim {
namespace {
HRESULT answer(const std::wstring& text, HRESULT failure, BSTR* value) noexcept {
    if (!value) return E_POINTER;
    *value = nullptr;
    if (FAILED(failure)) return failure;
    *value = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *value ? S_OK : E_OUTOFMEMORY;
}
}  // namespace

STDMETHODIMP FakeRibbonUI::Invalidate() noexcept {
    calls.push_back(L"Invalidate");
    return HostCalls::enter(L"RibbonUI.Invalidate");
}

STDMETHODIMP FakeRibbonUI::InvalidateControl(BSTR controlId) noexcept {
    const std::size_t number = calls.size();
    calls.push_back(L"InvalidateControl(" + std::wstring(controlId ? controlId : L"") + L")");
    if (HRESULT hr = HostCalls::enter(L"RibbonUI.InvalidateControl"); FAILED(hr)) return hr;
    return (FAILED(invalidateControlFailure) && number >= failFromCall) ? invalidateControlFailure : S_OK;
}

STDMETHODIMP FakeRibbonControl::get_Id(BSTR* value) noexcept {
    ++idReads;
    const HRESULT injected = HostCalls::enter(L"RibbonControl.Id");
    return answer(id, FAILED(injected) ? injected : idFailure, value);
}

STDMETHODIMP FakeRibbonControl::get_Tag(BSTR* value) noexcept {
    ++tagReads;
    const HRESULT injected = HostCalls::enter(L"RibbonControl.Tag");
    return answer(tag, FAILED(injected) ? injected : tagFailure, value);
}

STDMETHODIMP FakeRibbonControl::get_Context(IDispatch** value) noexcept {
    reportUnexpected("RibbonControl::get_Context");
    if (value) *value = nullptr;
    return E_NOTIMPL;
}

ComPtr<FakeRibbonControl> makeControl(std::wstring id, std::wstring tag) {
    ComPtr<FakeRibbonControl> control;
    control.attach(new FakeRibbonControl(std::move(id), std::move(tag)));
    return control;
}

}  // namespace hostsim
