// CustomMenu and AboutMenu: a fresh dialog per click, given Excel's Application
// and main window, shown modally and destroyed when it has been unloaded.
#include "dialogs/dialog_actions.h"

#include <memory>
#include <new>

#include "host/excel.h"
#include "dialogs/about_dialog.h"
#include "dialogs/customise_dialog.h"
#include "support/error_info.h"
#include "support/hresult.h"

namespace dialogs {
namespace {

template <class Dialog>
HRESULT openDialog(IDispatch* excelApplication, HWND owner, const wchar_t* failure) {
    std::unique_ptr<Dialog> dialog(new (std::nothrow) Dialog());
    RETURN_HR_IF_MSG(E_OUTOFMEMORY, !dialog, failure);
    {
        // excel::application describes its own failure.
        ComPtr<IDispatch> application;
        RETURN_IF_FAILED(excel::application(excelApplication, application));
        dialog->setHostApplication(application.get());
    }
    dialog->setOwnerWindow(owner);
    RETURN_IF_FAILED_MSG(dialog->showModal(), failure);
    return S_OK;
}

}  // namespace

HRESULT showCustomiseDialog(IDispatch* excelApplication, HWND owner) {
    return openDialog<CustomiseDialog>(excelApplication, owner, L"The customisation dialog could not be shown");
}

HRESULT showAboutDialog(IDispatch* excelApplication, HWND owner) {
    return openDialog<AboutDialog>(excelApplication, owner, L"The About dialog could not be shown");
}

}  // namespace dialogs
