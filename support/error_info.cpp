// Error objects and EXCEPINFO.
#include "support/error_info.h"

#include <cwchar>
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

std::atomic<unsigned> g_describedFailures{0};

HRESULT reportFailure(HRESULT hr, std::wstring_view description, std::wstring_view detail) noexcept {
    std::wstring text;
    try {
        text.assign(description);
        if (!detail.empty()) text.append(L": ").append(detail);
    } catch (...) {
        // Out of memory while describing a failure: report the failure without text.
    }
    g_describedFailures.fetch_add(1, std::memory_order_relaxed);
    return setErrorObject(hr, GUID_NULL, kErrorSource, text.c_str());
}

HRESULT nameFailingInterface(HRESULT hr, REFIID iid, bool described) noexcept {
    // Taking the error object clears it; it is set again with the interface.
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.put()) != S_OK || !info || !described) {
        wchar_t text[40];
        std::swprintf(text, 40, L"Failed with 0x%08lX", static_cast<unsigned long>(hr));
        return setErrorObject(hr, iid, kErrorSource, text);
    }
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
