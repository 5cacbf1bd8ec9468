// IDispatch for each of the add-in object's dual interfaces. Office finds the
// ribbon callbacks by name and invokes them thousands of times a session, so
// dispatch is a table lookup and a switch, not a trip through ITypeInfo::Invoke.
// The table must agree with _Connect in addin/Korvanta.idl (a test checks it).
#include <iterator>
#include <string>

#include "addin/connect.h"
#include "support/bstr.h"
#include "support/error_info.h"
#include "support/hresult.h"
#include "support/module.h"

namespace {

enum ConnectDispid : DISPID {
    kGetRibbonXML = 0x60030001,
    kOnLoad = 0x60030002,
    kGetVisibleI = 0x60030003,
    kGetVisibleII = 0x60030004,
    kAboutMenu = 0x60030005,
    kCustomMenu = 0x60030006,
    kOpenFile = 0x60030007,
    kGetLabel = 0x60030008,
    kGetContent = 0x60030009,
};

const DispatchMember kConnectMembers[] = {
    {L"GetRibbonXML", kGetRibbonXML, 0, {}},
    {L"rxcustomUI_onLoad", kOnLoad, 1, {L"ribbon"}},
    {L"GetVisibleI", kGetVisibleI, 1, {L"Control"}},
    {L"GetVisibleII", kGetVisibleII, 1, {L"Control"}},
    {L"AboutMenu", kAboutMenu, 1, {L"Control"}},
    {L"CustomMenu", kCustomMenu, 1, {L"Control"}},
    {L"OpenFile", kOpenFile, 1, {L"Control"}},
    {L"GetLabel", kGetLabel, 1, {L"Control"}},
    {L"rxKorvanta_get", kGetContent, 1, {L"Control"}},
};

// Office's IRibbonExtensibility.
constexpr DISPID kGetCustomUI = 1;
const DispatchMember kRibbonExtensibilityMembers[] = {
    {L"GetCustomUI", kGetCustomUI, 1, {L"RibbonID"}},
};

// The host's IDTExtensibility2.
enum ExtensibilityDispid : DISPID {
    kOnConnection = 1,
    kOnDisconnection = 2,
    kOnAddInsUpdate = 3,
    kOnStartupComplete = 4,
    kOnBeginShutdown = 5,
};
const DispatchMember kExtensibilityMembers[] = {
    {L"OnConnection", kOnConnection, 4, {L"Application", L"ConnectMode", L"AddInInst", L"custom"}},
    {L"OnDisconnection", kOnDisconnection, 2, {L"RemoveMode", L"custom"}},
    {L"OnAddInsUpdate", kOnAddInsUpdate, 1, {L"custom"}},
    {L"OnStartupComplete", kOnStartupComplete, 1, {L"custom"}},
    {L"OnBeginShutdown", kOnBeginShutdown, 1, {L"custom"}},
};

HRESULT noTypeInfo(UINT* count) noexcept {
    RETURN_HR_IF(E_POINTER, !count);
    *count = 0;
    return S_OK;
}

// Hands a member's string result to the caller's VARIANT, or frees it.
void deliverString(BSTR text, VARIANT* result) noexcept {
    if (result) {
        result->vt = VT_BSTR;
        result->bstrVal = text;
    } else {
        SysFreeString(text);
    }
}

void deliverBool(VARIANT_BOOL value, VARIANT* result) noexcept {
    if (!result) return;
    result->vt = VT_BOOL;
    result->boolVal = value;
}

}  // namespace

// ---- _Connect ----

HRESULT Connect::typeInfoCount(_Connect*, UINT* count) noexcept {
    RETURN_HR_IF(E_POINTER, !count);
    *count = 1;
    return S_OK;
}

HRESULT Connect::typeInfo(_Connect*, UINT index, LCID, ITypeInfo** info) noexcept {
    RETURN_HR_IF(E_POINTER, !info);
    *info = nullptr;
    RETURN_HR_IF(DISP_E_BADINDEX, index != 0);
    return typeInfoOf(IID__Connect, info);
}

HRESULT Connect::idsOfNames(_Connect*, REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) noexcept {
    return ::idsOfNames(kConnectMembers, std::size(kConnectMembers), riid, names, count, ids);
}

HRESULT Connect::invoke(_Connect*, DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excepInfo, UINT* argError) noexcept {
    const DispatchMember* member = findMember(kConnectMembers, std::size(kConnectMembers), id);
    RETURN_HR_IF(DISP_E_MEMBERNOTFOUND, !member);
    RETURN_IF_FAILED(checkMethodCall(*member, riid, flags, params));
    if (result) VariantInit(result);

    HRESULT hr = S_OK;
    if (id == kGetRibbonXML) {
        BSTR document = nullptr;
        hr = GetRibbonXML(&document);
        if (SUCCEEDED(hr)) deliverString(document, result);
    } else if (id == kOnLoad) {
        ComPtr<IRibbonUI> ribbonUi;
        RETURN_IF_FAILED(interfaceArgument(*params, 0, ribbonUi, argError));
        IRibbonUI* argument = ribbonUi.get();
        hr = rxcustomUI_onLoad(&argument);
    } else {
        ComPtr<IRibbonControl> control;
        RETURN_IF_FAILED(interfaceArgument(*params, 0, control, argError));
        // The by-reference members never write their argument; a local copy
        // keeps the caller's variable out of reach all the same.
        IRibbonControl* argument = control.get();
        switch (id) {
        case kGetVisibleI:
        case kGetVisibleII: {
            VARIANT_BOOL visible = VARIANT_FALSE;
            hr = id == kGetVisibleI ? GetVisibleI(&argument, &visible) : GetVisibleII(&argument, &visible);
            if (SUCCEEDED(hr)) deliverBool(visible, result);
            break;
        }
        case kGetLabel:
        case kGetContent: {
            BSTR text = nullptr;
            hr = id == kGetLabel ? GetLabel(argument, &text) : rxKorvanta_get(argument, &text);
            if (SUCCEEDED(hr)) deliverString(text, result);
            break;
        }
        case kAboutMenu: hr = AboutMenu(&argument); break;
        case kCustomMenu: hr = CustomMenu(&argument); break;
        case kOpenFile: hr = OpenFile(&argument); break;
        default: hr = DISP_E_MEMBERNOTFOUND; break;
        }
    }
    return FAILED(hr) ? failureAsException(hr, excepInfo) : S_OK;
}

// ---- IRibbonExtensibility ----

HRESULT Connect::typeInfoCount(IRibbonExtensibility*, UINT* count) noexcept {
    RETURN_HR_IF(E_POINTER, !count);
    *count = 1;
    return S_OK;
}

HRESULT Connect::typeInfo(IRibbonExtensibility*, UINT index, LCID, ITypeInfo** info) noexcept {
    RETURN_HR_IF(E_POINTER, !info);
    *info = nullptr;
    RETURN_HR_IF(DISP_E_BADINDEX, index != 0);
    return typeInfoOf(IID_IRibbonExtensibility, info);
}

HRESULT Connect::idsOfNames(IRibbonExtensibility*, REFIID riid, LPOLESTR* names, UINT count, LCID,
                            DISPID* ids) noexcept {
    return ::idsOfNames(kRibbonExtensibilityMembers, std::size(kRibbonExtensibilityMembers), riid, names, count, ids);
}

HRESULT Connect::invoke(IRibbonExtensibility*, DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* excepInfo, UINT* argError) noexcept {
    const DispatchMember* member =
        findMember(kRibbonExtensibilityMembers, std::size(kRibbonExtensibilityMembers), id);
    RETURN_HR_IF(DISP_E_MEMBERNOTFOUND, !member);
    RETURN_IF_FAILED(checkMethodCall(*member, riid, flags, params));
    if (result) VariantInit(result);
    Bstr ribbonId;
    RETURN_IF_FAILED(stringArgument(*params, 0, ribbonId.put(), argError));
    BSTR document = nullptr;
    const HRESULT hr = GetCustomUI(ribbonId.get(), &document);
    if (FAILED(hr)) return failureAsException(hr, excepInfo);
    deliverString(document, result);
    return S_OK;
}

// ---- IDTExtensibility2 ----

HRESULT Connect::typeInfoCount(_IDTExtensibility2*, UINT* count) noexcept { return noTypeInfo(count); }

HRESULT Connect::typeInfo(_IDTExtensibility2*, UINT, LCID, ITypeInfo** info) noexcept {
    RETURN_HR_IF(E_POINTER, !info);
    *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT Connect::idsOfNames(_IDTExtensibility2*, REFIID riid, LPOLESTR* names, UINT count, LCID,
                            DISPID* ids) noexcept {
    return ::idsOfNames(kExtensibilityMembers, std::size(kExtensibilityMembers), riid, names, count, ids);
}

HRESULT Connect::invoke(_IDTExtensibility2*, DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* excepInfo, UINT* argError) noexcept {
    const DispatchMember* member = findMember(kExtensibilityMembers, std::size(kExtensibilityMembers), id);
    RETURN_HR_IF(DISP_E_MEMBERNOTFOUND, !member);
    RETURN_IF_FAILED(checkMethodCall(*member, riid, flags, params));
    if (result) VariantInit(result);
    // Only OnConnection's Application (its first argument, last in rgvarg) is
    // used; the other arguments are not looked at by any of the members.
    HRESULT hr = S_OK;
    if (id == kOnConnection) {
        ComPtr<IDispatch> application;
        RETURN_IF_FAILED(interfaceArgument(*params, params->cArgs - 1, application, argError));
        hr = OnConnection(application.get(), ext_cm_AfterStartup, nullptr, nullptr);
    } else if (id == kOnDisconnection) {
        hr = OnDisconnection(ext_dm_HostShutdown, nullptr);
    }
    return FAILED(hr) ? failureAsException(hr, excepInfo) : S_OK;
}

// ---- Type information ----

HRESULT Connect::typeInfoOf(REFIID iid, ITypeInfo** info) noexcept {
    if (!m_typeLibrary) {
        const std::wstring path = module::path();
        RETURN_HR_IF(E_FAIL, path.empty());
        RETURN_IF_FAILED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, m_typeLibrary.put()));
    }
    return m_typeLibrary->GetTypeInfoOfGuid(iid, info);
}
