// Error objects and EXCEPINFO.
#include "support/error_info.h"

#include <string>

#include "support/bstr.h"
#include "support/com_ptr.h"

HRESULT reportError(HRESULT hr, REFIID iid, std::wstring_view description, std::wstring_view detail) noexcept {
    ComPtr<ICreateErrorInfo> create;
    if (FAILED(CreateErrorInfo(create.put()))) return hr;
    std::wstring text;
    try {
        text.assign(description);
        if (!detail.empty()) text.append(L": ").append(detail);
    } catch (...) {
        // Out of memory while describing a failure: report the failure without text.
    }
    create->SetGUID(iid);
    create->SetSource(const_cast<LPOLESTR>(kErrorSource));
    create->SetDescription(const_cast<LPOLESTR>(text.c_str()));
    ComPtr<IErrorInfo> info;
    if (SUCCEEDED(create.query(info))) SetErrorInfo(0, info.get());
    return hr;
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
