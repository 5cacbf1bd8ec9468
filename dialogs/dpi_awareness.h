// Per-monitor DPI for the dialogs. The functions behind it came with Windows 10
// 1607 and later: they are looked up at run time, so the DLL still loads on
// Windows XP, and where they are missing every answer is the system DPI's.
#pragma once
#include <windows.h>

namespace dialogs::dpi_awareness {

// Not in the XP-level headers the DLL is built with.
inline constexpr UINT kDpiChanged = 0x02E0;        // WM_DPICHANGED
inline constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE

// Makes the windows created while it lives Per-Monitor aware (version 2 where
// Windows has it, else version 1), whatever the caller's context: Office calls
// add-ins System aware. The caller's context is back when it ends.
class PerMonitorScope {
public:
    PerMonitorScope() noexcept;
    ~PerMonitorScope();
    PerMonitorScope(const PerMonitorScope&) = delete;
    PerMonitorScope& operator=(const PerMonitorScope&) = delete;

private:
    DPI_AWARENESS_CONTEXT m_previous = nullptr;
};

// GetDeviceCaps(LOGPIXELSY): the system DPI, the same for every monitor.
int systemDpi() noexcept;
// The DPI `window` is shown at: its monitor's for a Per-Monitor aware window;
// the system DPI where Windows cannot say.
int windowDpi(HWND window) noexcept;
// AdjustWindowRectEx for `window`'s styles, with the frame measured at `dpi`
// where Windows scales the window's frame with its DPI (Per-Monitor v2).
void adjustFrame(RECT& rect, HWND window, int dpi) noexcept;
// Leaves a DPI change to the dialog itself: the dialog manager would otherwise
// scale the dialog from its (empty) template.
void keepDialogManagerOut(HWND dialog) noexcept;

}  // namespace dialogs::dpi_awareness
