// Excel's object model through IDispatch.
#include "host/excel.h"

#include <string>

#include "support/dispatch.h"
#include "support/error_info.h"
#include "support/hresult.h"

namespace excel {
namespace {

HRESULT getObject(IDispatch* target, DISPID member, VARIANT* arguments, UINT argumentCount, ComPtr<IDispatch>& out,
                  const wchar_t* what) noexcept {
    out.reset();
    RETURN_HR_IF_MSG(E_POINTER, !target, what);
    std::wstring detail;
    Variant result;
    const HRESULT hr = callDispatch(target, member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, arguments, argumentCount,
                                    result.put(), detail);
    if (FAILED(hr)) return reportFailure(hr, what, detail);
    if (result->vt != VT_DISPATCH || !result->pdispVal) return reportFailure(DISP_E_TYPEMISMATCH, what);
    out = ComPtr<IDispatch>(result->pdispVal);
    return S_OK;
}

// A property read as automation would coerce it into `type`.
HRESULT getProperty(IDispatch* target, DISPID member, VARTYPE type, Variant& out, const wchar_t* what,
                    VARIANT* arguments = nullptr, UINT argumentCount = 0) noexcept {
    RETURN_HR_IF_MSG(E_POINTER, !target, what);
    std::wstring detail;
    Variant result;
    HRESULT hr = callDispatch(target, member, DISPATCH_PROPERTYGET, arguments, argumentCount, result.put(), detail);
    if (FAILED(hr)) return reportFailure(hr, what, detail);
    hr = VariantChangeType(out.put(), result.get(), 0, type);
    if (FAILED(hr)) return reportFailure(hr, what);
    return S_OK;
}

HRESULT getString(IDispatch* target, DISPID member, Bstr& out, const wchar_t* what) noexcept {
    out.reset();
    Variant text;
    RETURN_IF_FAILED(getProperty(target, member, VT_BSTR, text, what));
    *out.put() = text.get()->bstrVal;
    text.get()->vt = VT_EMPTY;  // the string now belongs to `out`
    return S_OK;
}

}  // namespace

HRESULT caption(IDispatch* application, Bstr& out) noexcept {
    return getString(application, kCaption, out, L"Excel's caption could not be read");
}

HRESULT windowHandle(IDispatch* application, HWND& out) noexcept {
    out = nullptr;
    // A Long in 64-bit Excel too: a window handle has 32 significant bits,
    // which a 64-bit process sign-extends.
    Variant handle;
    RETURN_IF_FAILED(getProperty(application, kHwnd, VT_I4, handle, L"Excel's window could not be read"));
    out = static_cast<HWND>(LongToHandle(handle->lVal));
    return S_OK;
}

HRESULT userInterfaceLanguage(IDispatch* application, long& lcid) noexcept {
    lcid = 0;
    const wchar_t* what = L"Office's user-interface language could not be read";
    ComPtr<IDispatch> languageSettings;
    RETURN_IF_FAILED(getObject(application, kLanguageSettings, nullptr, 0, languageSettings, what));
    VARIANT id;
    id.vt = VT_I4;
    id.lVal = kMsoLanguageIdUi;
    Variant value;
    RETURN_IF_FAILED(getProperty(languageSettings.get(), kLanguageId, VT_I4, value, what, &id, 1));
    lcid = value->lVal;
    return S_OK;
}

HRESULT application(IDispatch* app, ComPtr<IDispatch>& out) noexcept {
    return getObject(app, kApplication, nullptr, 0, out, L"Excel's Application could not be obtained");
}

HRESULT recentFiles(IDispatch* application, ComPtr<IDispatch>& out) noexcept {
    return getObject(application, kRecentFiles, nullptr, 0, out, L"Excel's recent files could not be read");
}

HRESULT recentFilesCount(IDispatch* files, double& out) noexcept {
    out = 0;
    // Read as a double, so that a count of any size is seen as it is, never wrapped.
    Variant count;
    RETURN_IF_FAILED(getProperty(files, kCount, VT_R8, count, L"The number of Excel's recent files could not be read"));
    out = count->dblVal;
    return S_OK;
}

HRESULT recentFile(IDispatch* files, long position, ComPtr<IDispatch>& out) noexcept {
    VARIANT index;
    index.vt = VT_I4;
    index.lVal = position;
    return getObject(files, kItem, &index, 1, out, L"An entry of Excel's recent files could not be read");
}

HRESULT recentFilePath(IDispatch* file, Bstr& out) noexcept {
    return getString(file, kPath, out, L"The path of a recent file could not be read");
}

HRESULT workbooks(IDispatch* application, ComPtr<IDispatch>& out) noexcept {
    return getObject(application, kWorkbooks, nullptr, 0, out, L"Excel's workbooks could not be obtained");
}

HRESULT openWorkbook(IDispatch* books, std::wstring_view path) noexcept {
    const wchar_t* what = L"The workbook could not be opened";
    RETURN_HR_IF_MSG(E_POINTER, !books, what);
    Bstr filename = Bstr::copyOf(path);
    RETURN_HR_IF_MSG(E_OUTOFMEMORY, !filename, what);

    // Filename, then the fourteen optional arguments of Open, all missing.
    constexpr UINT kArguments = 15;
    VARIANT arguments[kArguments];
    arguments[0].vt = VT_BSTR;
    arguments[0].bstrVal = filename.get();
    for (UINT i = 1; i < kArguments; ++i) {
        arguments[i].vt = VT_ERROR;
        arguments[i].scode = DISP_E_PARAMNOTFOUND;
    }
    std::wstring detail;
    Variant workbook;  // released at once
    const HRESULT hr = callDispatch(books, kOpen, DISPATCH_METHOD, arguments, kArguments, workbook.put(), detail);
    if (FAILED(hr)) return reportFailure(hr, what, detail);
    return S_OK;
}

}  // namespace excel
