// The add-in object: connection, workbook events and the ribbon entries.
#include "addin/connect.h"

#include "dialogs/dialog_actions.h"
#include "host/excel.h"
#include "ribbon/customui_document.h"
#include "ribbon/ribbon_callbacks.h"
#include "host/ribbon_object.h"
#include "settings/settings_store.h"
#include "support/bstr.h"
#include "support/error_info.h"
#include "support/hresult.h"

namespace {

// The ribbon object is released with the last add-in object, never at process exit.
long g_liveAddins = 0;

// The File menu inside the combined menu, then the one on the menu bar.
constexpr const wchar_t* kFileMenuIds[] = {L"rxMenu_wenjian1", L"rxMenu_wenjian"};

// A by-reference argument of a callback that refers to no variable: refused
// alike by every callback, whether or not it reads the object.
constexpr wchar_t kNoVariable[] = L"The callback's argument refers to no variable";

}  // namespace

Connect::Connect() noexcept : MyExcel(*this) { ++g_liveAddins; }

Connect::~Connect() {
    MyExcel.reset();
    if (--g_liveAddins == 0) ribbon::releaseRibbonObject();
}

// Every entry below runs its body through comEntry, naming the interface the
// caller came through: the code under it describes failures and may throw,
// and here the description gets its interface and exceptions stop.

// ---- IDTExtensibility2 ----

STDMETHODIMP Connect::OnConnection(IDispatch* Application, ext_ConnectMode, IDispatch*, SAFEARRAY**) noexcept {
    return comEntry(IID__IDTExtensibility2, [&]() -> HRESULT {
        // ConnectMode, AddInInst and custom make no difference: start-up and a
        // later connection from the COM add-ins list run the same sequence.
        RETURN_IF_FAILED_MSG(MyExcel.assign(Application),
                             L"The host is not Excel, or its events cannot be subscribed to");
        // Excel's window is looked for when a dialog opens, not here.
        settings::LoadSettings();
        // The ribbon's texts for the whole session: Office reads the ribbon
        // document once, after this. Office is asked for its language only
        // when the user (or a policy) chose to follow it, and again for a new
        // Application.
        m_officeLanguage.reset();
        m_language = languageOf(settings::ReadLanguageChoice().choice);
        return S_OK;
    });
}

STDMETHODIMP Connect::OnDisconnection(ext_DisconnectMode, SAFEARRAY**) noexcept {
    return comEntry(IID__IDTExtensibility2, [&] {
        // A dialog still showing ends first, so that no window of Excel stays
        // disabled once the add-in is gone. The subscription ends here rather
        // than at destruction, so that Excel holds nothing of the add-in's
        // after it has let the add-in go.
        dialogs::endShowingDialog();
        MyExcel.endSubscription();
        return S_OK;
    });
}

STDMETHODIMP Connect::OnAddInsUpdate(SAFEARRAY**) noexcept { return S_OK; }
STDMETHODIMP Connect::OnStartupComplete(SAFEARRAY**) noexcept { return S_OK; }

STDMETHODIMP Connect::OnBeginShutdown(SAFEARRAY**) noexcept {
    // Excel is closing: a dialog that still shows ends as Cancel.
    dialogs::endShowingDialog();
    return S_OK;
}

Language Connect::languageOf(settings::LanguageChoice choice) {
    if (choice == settings::LanguageChoice::FollowOffice && !m_officeLanguage) {
        long lcid = 0;
        if (SUCCEEDED(excel::userInterfaceLanguage(MyExcel.get(), lcid))) {
            m_officeLanguage = settings::languageOfOfficeUi(lcid);
        } else {
            // An Office that cannot say leaves Simplified Chinese, and is asked
            // again when next needed. Its failure is not the caller's: the
            // error object the read left on the thread goes with it.
            SetErrorInfo(0, nullptr);
        }
    }
    return settings::languageOf(choice, m_officeLanguage);
}

// ---- Workbook events ----

HRESULT Connect::MyExcel_WorkbookOpen(IDispatch*) noexcept {
    return comEntry(IID_ExcelAppEvents, [&] { return invalidateFileMenus(); });
}

HRESULT Connect::MyExcel_WorkbookBeforeSave(IDispatch*, VARIANT_BOOL, VARIANT_BOOL*) noexcept {
    // Cancel is left as Excel passed it, so the save goes ahead.
    return comEntry(IID_ExcelAppEvents, [&] { return invalidateFileMenus(); });
}

HRESULT Connect::invalidateFileMenus() {
    // An event can come before Office has handed over the ribbon: nothing to refresh then.
    const ComPtr<IRibbonUI> ribbon = ribbon::ribbonObject();
    if (!ribbon) return S_OK;
    for (const wchar_t* id : kFileMenuIds) {
        Bstr controlId = Bstr::copyOf(id);
        RETURN_HR_IF_MSG(E_OUTOFMEMORY, !controlId, L"Out of memory");
        RETURN_IF_FAILED_MSG(ribbon->InvalidateControl(controlId.get()), L"The File menu could not be refreshed");
    }
    return S_OK;
}

// ---- IRibbonExtensibility ----

STDMETHODIMP Connect::GetCustomUI(BSTR, BSTR* RibbonXml) noexcept {
    return comEntry(IID_IRibbonExtensibility, [&]() -> HRESULT {
        RETURN_HR_IF(E_POINTER, !RibbonXml);
        *RibbonXml = nullptr;
        // The document comes through the object's own public interface, as an
        // automation client would get it; the ribbon id makes no difference.
        return static_cast<_Connect*>(this)->GetRibbonXML(RibbonXml);
    });
}

// ---- _Connect ----

STDMETHODIMP Connect::GetRibbonXML(BSTR* result) noexcept {
    return comEntry(IID__Connect, [&]() -> HRESULT {
        RETURN_HR_IF_MSG(E_POINTER, !result, L"No place for the ribbon document");
        *result = Bstr::copyOf(ribbon::customUiDocument(m_language)).release();
        RETURN_HR_IF_MSG(E_OUTOFMEMORY, !*result, L"Out of memory for the ribbon document");
        return S_OK;
    });
}

STDMETHODIMP Connect::rxcustomUI_onLoad(IRibbonUI** ribbon) noexcept {
    return comEntry(IID__Connect, [&]() -> HRESULT {
        RETURN_HR_IF_MSG(E_POINTER, !ribbon, kNoVariable);
        // A later onLoad replaces the ribbon object; an empty one never clears it.
        if (*ribbon) ribbon::setRibbonObject(*ribbon);
        return S_OK;
    });
}

STDMETHODIMP Connect::GetVisibleI(IRibbonControl** Control, VARIANT_BOOL* result) noexcept {
    return comEntry(IID__Connect, [&] { return ribbon::visibleByTag(Control ? *Control : nullptr, result); });
}

STDMETHODIMP Connect::GetVisibleII(IRibbonControl** Control, VARIANT_BOOL* result) noexcept {
    return comEntry(IID__Connect, [&] { return ribbon::visibleTab(Control ? *Control : nullptr, result); });
}

STDMETHODIMP Connect::GetLabel(IRibbonControl* Control, BSTR* result) noexcept {
    return comEntry(IID__Connect, [&] { return ribbon::labelOf(Control, m_language, result); });
}

STDMETHODIMP Connect::rxKorvanta_get(IRibbonControl* Control, BSTR* result) noexcept {
    return comEntry(IID__Connect, [&] { return ribbon::menuContent(Control, MyExcel.get(), m_recentFiles, m_language, result); });
}

STDMETHODIMP Connect::OpenFile(IRibbonControl** Control) noexcept {
    return comEntry(IID__Connect, [&] {
        return ribbon::openRecentFile(Control ? *Control : nullptr, MyExcel.get(), m_recentFiles);
    });
}

// The control is not used, but a caller must still give a variable for it.
template <class Show>
HRESULT Connect::showDialog(IRibbonControl** control, Show show) noexcept {
    // Excel may let the add-in go while the dialog shows: OnBeginShutdown,
    // OnDisconnection and the last Release can all arrive through the dialog's
    // modal loop, with this call still below them. The object, and with it the
    // DLL (DllCanUnloadNow counts live objects), lives until the call returns.
    const ComPtr<_Connect> alive(this);
    return comEntry(IID__Connect, [&]() -> HRESULT {
        RETURN_HR_IF_MSG(E_POINTER, !control, kNoVariable);
        // The dialogs follow the stored choice at once, each time they open.
        return show(MyExcel.get(), languageOf(settings::ReadLanguageChoice().choice));
    });
}

STDMETHODIMP Connect::AboutMenu(IRibbonControl** Control) noexcept {
    return showDialog(Control, dialogs::showAboutDialog);
}

STDMETHODIMP Connect::CustomMenu(IRibbonControl** Control) noexcept {
    return showDialog(Control, dialogs::showCustomiseDialog);
}

// ---- ISupportErrorInfo ----

STDMETHODIMP Connect::InterfaceSupportsErrorInfo(REFIID iid) noexcept {
    return (iid == IID__Connect || iid == IID_IRibbonExtensibility || iid == IID__IDTExtensibility2) ? S_OK : S_FALSE;
}
