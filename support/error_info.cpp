// Error objects and EXCEPINFO.
#include "support/error_info.h"

#include <string>

#include "support/bstr.h"
#include "support/com_ptr.h"

namespace {

HRESULT setErrorObject(HRESULT hr, REFIID iid, const wchar_t* source, const wchar_t* description) noexcept {
    ComPtr<ICreateErrorInfo> create;
    if (FAILED(CreateErrorInfo(create.put()))) return hr;
    create->SetGUID(iid);
    create->SetSource(const_cast<LPOLESTR>(source));
    create->SetDescription(const_cast<LPOLESTR>(description));
    ComPtr<IErrorInfo> info;
    if (SUCCEEDED(create.query(info))) SetErrorInfo(0, info.get());
    return hr;
}

}  // namespace

HRESULT reportFailure(HRESULT hr, std::wstring_view description, std::wstring_view detail) noexcept {
    std::wstring text;
    try {
        text.assign(description);
        if (!detail.empty()) text.append(L": ").append(detail);
    } catch (...) {
        // Out of memory while describing a failure: report the failure without text.
    }
    return setErrorObject(hr, GUID_NULL, kErrorSource, text.c_str());
}

HRESULT nameFailingInterface(HRESULT hr, REFIID iid) noexcept {
    // Taking the error object clears it; it is set again with the interface.
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.put()) != S_OK || !info) return hr;
    Bstr source, description;
    info->GetSource(source.put());
    info->GetDescription(description.put());
    return setErrorObject(hr, iid, source ? source.get() : kErrorSource, description ? description.get() : L"");
}

HRESULT failureAsException(HRESULT hr, EXCEPINFO* excepInfo) noexcept {
    if (!excepInfo) return hr;
    *excepInfo = EXCEPINFO{};
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.put()) == S_OK && info) {
        info->GetSource(&excepInfo->bstrSource);
        info->GetDescription(&excepInfo->bstrDescription);
    }
    if (!excepInfo->bstrSource) excepInfo->bstrSource = SysAllocString(kErrorSource);
    excepInfo->scode = hr;
    return DISP_E_EXCEPTION;
}
