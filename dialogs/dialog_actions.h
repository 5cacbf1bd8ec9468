// The two ribbon actions that open the add-in's dialogs modally.
#pragma once
#include <windows.h>
#include <oaidl.h>

namespace dialogs {

// CustomMenu: a fresh customisation dialog, owned by `owner` (may be null),
// holding Excel's Application (read from `excelApplication`) while loaded.
HRESULT showCustomiseDialog(IDispatch* excelApplication, HWND owner);
// AboutMenu: a fresh About dialog, likewise.
HRESULT showAboutDialog(IDispatch* excelApplication, HWND owner);

}  // namespace dialogs
