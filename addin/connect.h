// Connect: the add-in object. One instance is Excel's COM add-in
// (IDTExtensibility2), Office's ribbon extension (IRibbonExtensibility), the
// owner of the ribbon callbacks (_Connect) and the listener to Excel's
// workbook events.
#pragma once
#include <windows.h>

#include <optional>

#include "host/app_events.h"
#include "addin/korvanta.h"
#include "ribbon/menu_content.h"
#include "settings/language_setting.h"
#include "support/com_object.h"
#include "support/dispatch.h"

class Connect final
    : public ComObject<DispatchAs<_Connect, Connect>, DispatchAs<IRibbonExtensibility, Connect>,
                       DispatchAs<_IDTExtensibility2, Connect>, ISupportErrorInfo>,
      private AppEventsHandler {
public:
    Connect() noexcept;
    ~Connect() override;

    // _Connect: the ribbon callbacks, in interface order.
    STDMETHODIMP GetRibbonXML(BSTR* result) noexcept override;
    STDMETHODIMP rxcustomUI_onLoad(IRibbonUI** ribbon) noexcept override;
    STDMETHODIMP GetVisibleI(IRibbonControl** Control, VARIANT_BOOL* result) noexcept override;
    STDMETHODIMP GetVisibleII(IRibbonControl** Control, VARIANT_BOOL* result) noexcept override;
    STDMETHODIMP AboutMenu(IRibbonControl** Control) noexcept override;
    STDMETHODIMP CustomMenu(IRibbonControl** Control) noexcept override;
    STDMETHODIMP OpenFile(IRibbonControl** Control) noexcept override;
    STDMETHODIMP GetLabel(IRibbonControl* Control, BSTR* result) noexcept override;
    STDMETHODIMP rxKorvanta_get(IRibbonControl* Control, BSTR* result) noexcept override;

    // IRibbonExtensibility
    STDMETHODIMP GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) noexcept override;

    // IDTExtensibility2: the add-in instance's side of the connection.
    STDMETHODIMP OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode, IDispatch* AddInInst,
                              SAFEARRAY** custom) noexcept override;
    STDMETHODIMP OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY** custom) noexcept override;
    STDMETHODIMP OnAddInsUpdate(SAFEARRAY** custom) noexcept override;
    STDMETHODIMP OnStartupComplete(SAFEARRAY** custom) noexcept override;
    STDMETHODIMP OnBeginShutdown(SAFEARRAY** custom) noexcept override;

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) noexcept override;

private:
    // AppEventsHandler: both events make the two File menus rebuild on next opening.
    HRESULT MyExcel_WorkbookOpen(IDispatch* Wb) noexcept override;
    HRESULT MyExcel_WorkbookBeforeSave(IDispatch* Wb, VARIANT_BOOL SaveAsUI, VARIANT_BOOL* Cancel) noexcept override;
    HRESULT invalidateFileMenus();
    // The language a choice gives: following Office, Office's, asked the first
    // time it is needed; Simplified Chinese while Office cannot say.
    Language languageOf(settings::LanguageChoice choice);

    // IDispatch of each interface, answered by DispatchAs from these
    // (connect_dispatch.cpp): the members of interface Itf, and the type
    // information of an interface from the type library embedded in the DLL.
    template <class, class>
    friend class DispatchAs;
    template <class Itf>
    static const DispatchInterface& dispatchOf() noexcept;
    HRESULT typeInfoOf(REFIID iid, ITypeInfo** info) noexcept;

    // Both dialogs' actions: the object stays alive until the dialog has closed.
    template <class Show>
    HRESULT showDialog(IRibbonControl** control, Show show) noexcept;

    EventBoundApplication MyExcel;
    ribbon::RecentFiles m_recentFiles;
    // The language of the ribbon's own texts, chosen at connection for the
    // whole session: Office reads the ribbon document only once.
    Language m_language = Language::SimplifiedChinese;
    // Office's user-interface language, once this connection's Office has told it.
    std::optional<Language> m_officeLanguage;
    ComPtr<ITypeLib> m_typeLibrary;
};

template <>
const DispatchInterface& Connect::dispatchOf<_Connect>() noexcept;
template <>
const DispatchInterface& Connect::dispatchOf<IRibbonExtensibility>() noexcept;
template <>
const DispatchInterface& Connect::dispatchOf<_IDTExtensibility2>() noexcept;
