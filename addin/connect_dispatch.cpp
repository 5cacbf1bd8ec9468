// IDispatch for each of the add-in object's dual interfaces. Office finds the
// ribbon callbacks by name and invokes them thousands of times a session, so
// dispatch is a table lookup and a generated call, not a trip through
// ITypeInfo::Invoke. Each member is one row: its name and dispatch id as in
// addin/Korvanta.idl (a test checks that they agree), its parameters' names,
// and the method an Invoke calls.
#include <iterator>
#include <string>

#include "addin/connect.h"
#include "support/error_info.h"
#include "support/hresult.h"
#include "support/module.h"

namespace {

const DispatchMember kConnectMembers[] = {
    {L"GetRibbonXML", 0x60030001, 0, {}, invokeMethod<&_Connect::GetRibbonXML>},
    {L"rxcustomUI_onLoad", 0x60030002, 1, {L"ribbon"}, invokeMethod<&_Connect::rxcustomUI_onLoad>},
    {L"GetVisibleI", 0x60030003, 1, {L"Control"}, invokeMethod<&_Connect::GetVisibleI>},
    {L"GetVisibleII", 0x60030004, 1, {L"Control"}, invokeMethod<&_Connect::GetVisibleII>},
    {L"AboutMenu", 0x60030005, 1, {L"Control"}, invokeMethod<&_Connect::AboutMenu>},
    {L"CustomMenu", 0x60030006, 1, {L"Control"}, invokeMethod<&_Connect::CustomMenu>},
    {L"OpenFile", 0x60030007, 1, {L"Control"}, invokeMethod<&_Connect::OpenFile>},
    {L"GetLabel", 0x60030008, 1, {L"Control"}, invokeMethod<&_Connect::GetLabel>},
    {L"rxKorvanta_get", 0x60030009, 1, {L"Control"}, invokeMethod<&_Connect::rxKorvanta_get>},
};

// Office's IRibbonExtensibility.
const DispatchMember kRibbonExtensibilityMembers[] = {
    {L"GetCustomUI", 1, 1, {L"RibbonID"}, invokeMethod<&IRibbonExtensibility::GetCustomUI>},
};

// The host's IDTExtensibility2. Only OnConnection's Application (its first
// argument, last in rgvarg) is used; the other arguments are not looked at by
// any of the members, so they are not read.
HRESULT invokeOnConnection(IDispatch* target, const DISPPARAMS& params, VARIANT*, EXCEPINFO* excepInfo,
                           UINT* argError) noexcept {
    ComPtr<IDispatch> application;
    RETURN_IF_FAILED(interfaceArgument(params, params.cArgs - 1, application, argError));
    const HRESULT hr = static_cast<_IDTExtensibility2*>(target)->OnConnection(application.get(), ext_cm_AfterStartup,
                                                                             nullptr, nullptr);
    return FAILED(hr) ? failureAsException(hr, excepInfo) : S_OK;
}

HRESULT invokeOnDisconnection(IDispatch* target, const DISPPARAMS&, VARIANT*, EXCEPINFO* excepInfo, UINT*) noexcept {
    const HRESULT hr = static_cast<_IDTExtensibility2*>(target)->OnDisconnection(ext_dm_HostShutdown, nullptr);
    return FAILED(hr) ? failureAsException(hr, excepInfo) : S_OK;
}

HRESULT invokeOnBeginShutdown(IDispatch* target, const DISPPARAMS&, VARIANT*, EXCEPINFO*, UINT*) noexcept {
    return static_cast<_IDTExtensibility2*>(target)->OnBeginShutdown(nullptr);
}

// The two notifications the add-in does nothing on.
HRESULT ignoreNotification(IDispatch*, const DISPPARAMS&, VARIANT*, EXCEPINFO*, UINT*) noexcept { return S_OK; }

const DispatchMember kExtensibilityMembers[] = {
    {L"OnConnection", 1, 4, {L"Application", L"ConnectMode", L"AddInInst", L"custom"}, invokeOnConnection},
    {L"OnDisconnection", 2, 2, {L"RemoveMode", L"custom"}, invokeOnDisconnection},
    {L"OnAddInsUpdate", 3, 1, {L"custom"}, ignoreNotification},
    {L"OnStartupComplete", 4, 1, {L"custom"}, ignoreNotification},
    {L"OnBeginShutdown", 5, 1, {L"custom"}, invokeOnBeginShutdown},
};

// The add-in designer's interface is described by no type library of ours.
constexpr DispatchInterface kDispatchOfConnect{kConnectMembers, std::size(kConnectMembers), &IID__Connect};
constexpr DispatchInterface kDispatchOfRibbonExtensibility{
    kRibbonExtensibilityMembers, std::size(kRibbonExtensibilityMembers), &IID_IRibbonExtensibility};
constexpr DispatchInterface kDispatchOfExtensibility{kExtensibilityMembers, std::size(kExtensibilityMembers), nullptr};

}  // namespace

template <>
const DispatchInterface& Connect::dispatchOf<_Connect>() noexcept {
    return kDispatchOfConnect;
}

template <>
const DispatchInterface& Connect::dispatchOf<IRibbonExtensibility>() noexcept {
    return kDispatchOfRibbonExtensibility;
}

template <>
const DispatchInterface& Connect::dispatchOf<_IDTExtensibility2>() noexcept {
    return kDispatchOfExtensibility;
}

HRESULT Connect::typeInfoOf(REFIID iid, ITypeInfo** info) noexcept {
    if (!m_typeLibrary) {
        const std::wstring path = module::path();
        RETURN_HR_IF(E_FAIL, path.empty());
        RETURN_IF_FAILED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, m_typeLibrary.put()));
    }
    return m_typeLibrary->GetTypeInfoOfGuid(iid, info);
}
