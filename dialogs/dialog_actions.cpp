// CustomMenu and AboutMenu: a fresh dialog per click, given Excel's Application
// and the Excel window it belongs to, shown modally and destroyed when it has
// been unloaded; one dialog at a time.
#include "dialogs/dialog_actions.h"

#include <memory>
#include <new>

#include "host/excel.h"
#include "host/excel_window.h"
#include "dialogs/about_dialog.h"
#include "dialogs/customise_dialog.h"
#include "support/error_info.h"
#include "support/hresult.h"

namespace dialogs {
namespace {

// The dialog that shows now. Only Excel's user-interface thread opens
// dialogs, and calls that come while one shows arrive through its modal loop.
ModalDialog* g_showing = nullptr;

// Recorded for exactly as long as the modal show runs, whatever ends it.
class Showing {
public:
    explicit Showing(ModalDialog& dialog) noexcept { g_showing = &dialog; }
    ~Showing() { g_showing = nullptr; }
    Showing(const Showing&) = delete;
    Showing& operator=(const Showing&) = delete;
};

template <class Dialog>
HRESULT openDialog(IDispatch* excelApplication, Language language, const wchar_t* failure) {
    // A second click while a dialog shows (Office delivers it through the
    // dialog's own loop) would start a modal loop inside the first, and the
    // first click's call would not return until the second dialog closed.
    if (g_showing) {
        g_showing->bringToFront();
        return S_OK;
    }
    std::unique_ptr<Dialog> dialog(new (std::nothrow) Dialog());
    RETURN_HR_IF_MSG(E_OUTOFMEMORY, !dialog, failure);
    {
        // excel::application describes its own failure.
        ComPtr<IDispatch> application;
        RETURN_IF_FAILED(excel::application(excelApplication, application));
        dialog->setHostApplication(application.get());
    }
    // Looked up now, not at connection: Excel 2013 and later open and close a
    // window per workbook while they run.
    dialog->setOwnerWindow(excel::dialogOwner(excelApplication));
    dialog->setLanguage(language);
    const Showing showing(*dialog);
    RETURN_IF_FAILED_MSG(dialog->showModal(), failure);
    return S_OK;
}

}  // namespace

HRESULT showCustomiseDialog(IDispatch* excelApplication, Language language) {
    return openDialog<CustomiseDialog>(excelApplication, language, L"The customisation dialog could not be shown");
}

HRESULT showAboutDialog(IDispatch* excelApplication, Language language) {
    return openDialog<AboutDialog>(excelApplication, language, L"The About dialog could not be shown");
}

void endShowingDialog() noexcept {
    if (g_showing) g_showing->endAsCancel();
}

}  // namespace dialogs
