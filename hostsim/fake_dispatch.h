// The IDispatch part every fake host object shares: type information and name
// lookups are not part of the host contract the add-in may rely on, so they are
// unexpected; members are answered by dispatch id in `member`.
#pragma once
#include <oaidl.h>

#include <string>

#include "hostsim/unexpected_calls.h"
#include "support/com_object.h"

namespace hostsim {

template <class... Interfaces>
class FakeDispatch : public ComObject<Interfaces...> {
public:
    STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override {
        if (count) *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) noexcept override {
        reportUnexpected(m_name + "::GetTypeInfo");
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) noexcept override {
        reportUnexpected(m_name + "::GetIDsOfNames");
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excepInfo, UINT*) noexcept override {
        if (result) VariantInit(result);
        const HRESULT hr = member(id, lcid, flags, params, result, excepInfo);
        if (hr == DISP_E_MEMBERNOTFOUND) reportUnexpected(m_name + "::Invoke(" + std::to_string(id) + ")");
        return hr;
    }

protected:
    explicit FakeDispatch(std::string name) : m_name(std::move(name)) {}
    virtual HRESULT member(DISPID id, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO* excepInfo) noexcept = 0;

    // Fails a member the way Excel does: DISP_E_EXCEPTION with the error in EXCEPINFO.
    static HRESULT raise(HRESULT hr, const wchar_t* description, EXCEPINFO* excepInfo) noexcept {
        if (!excepInfo) return hr;
        *excepInfo = EXCEPINFO{};
        excepInfo->bstrSource = SysAllocString(L"Microsoft Office Excel");
        excepInfo->bstrDescription = SysAllocString(description);
        excepInfo->scode = hr;
        return DISP_E_EXCEPTION;
    }

    std::string m_name;
};

}  // namespace hostsim
