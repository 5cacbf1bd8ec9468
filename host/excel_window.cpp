// Finding Excel's window for a dialog among this process's top-level windows.
#include "host/excel_window.h"

#include <string>

#include "host/excel.h"
#include "support/bstr.h"
#include "support/text.h"

namespace excel {
namespace {

// The class of Excel's main window, and from Excel 2013 on of each workbook's.
constexpr char kExcelWindowClass[] = "XLMAIN";

// Another Excel running beside ours shows windows of the same class, often
// with the same title; a window of it must never own our dialogs, which would
// disable it and leave our own Excel usable behind a modal dialog.
bool isOwnExcelWindow(HWND window) noexcept {
    if (!window || !IsWindow(window) || !IsWindowVisible(window)) return false;
    if (GetAncestor(window, GA_PARENT) != GetDesktopWindow()) return false;
    // One character more than the class name, so that a longer name never matches.
    char className[sizeof kExcelWindowClass + 1] = "";
    if (!GetClassNameA(window, className, sizeof className) || lstrcmpiA(className, kExcelWindowClass) != 0) {
        return false;
    }
    DWORD process = 0;
    return GetWindowThreadProcessId(window, &process) && process == GetCurrentProcessId();
}

// Excel's failure to answer is not the caller's: the error object its read
// left on the thread goes with it.
HWND passedOver() noexcept {
    SetErrorInfo(0, nullptr);
    return nullptr;
}

HWND windowOfHwnd(IDispatch* application) noexcept {
    HWND window = nullptr;
    if (FAILED(windowHandle(application, window))) return passedOver();
    return isOwnExcelWindow(window) ? window : nullptr;
}

// Among the top-level XLMAIN windows whose whole title is the caption
// (compared as FindWindowA compares it, without regard to case), the first of
// ours. Excel 2007's main window bears its caption; no window of Excel 2013 and
// later does.
HWND windowTitledAsCaption(IDispatch* application) {
    Bstr caption;
    if (FAILED(excel::caption(application, caption))) return passedOver();
    const std::string title = toAnsi(caption.view());
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, kExcelWindowClass, title.c_str())) != nullptr;) {
        if (isOwnExcelWindow(window)) return window;
    }
    return nullptr;
}

}  // namespace

HWND dialogOwner(IDispatch* application) {
    // The window the user clicked in: Excel's user-interface thread makes the
    // ribbon's calls, and its active window is the workbook window whose
    // ribbon was clicked. Excel in the background has no active window.
    if (HWND active = GetActiveWindow(); isOwnExcelWindow(active)) return active;
    if (HWND window = windowOfHwnd(application)) return window;
    return windowTitledAsCaption(application);
}

}  // namespace excel
