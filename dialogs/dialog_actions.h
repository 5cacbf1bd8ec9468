// The two ribbon actions that open the add-in's dialogs modally, and the end of
// the dialog that shows when Excel lets the add-in go.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include "support/language.h"

namespace dialogs {

// CustomMenu: a fresh customisation dialog in `language`, owned by the window
// of this Excel that is found now (excel::dialogOwner; none when none is),
// holding Excel's Application (read from `excelApplication`) while loaded.
// While a dialog of the add-in shows, it is brought to the front instead and
// nothing opens.
HRESULT showCustomiseDialog(IDispatch* excelApplication, Language language);
// AboutMenu: a fresh About dialog, likewise.
HRESULT showAboutDialog(IDispatch* excelApplication, Language language);

// Excel shuts down or lets the add-in go: the dialog that shows, if any, ends
// as Cancel ends it, storing nothing. Its opener's call returns once the
// dialog's loop has seen the end.
void endShowingDialog() noexcept;

}  // namespace dialogs
