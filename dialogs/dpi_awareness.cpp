// The run-time lookups behind per-monitor DPI, each with its XP-era fallback.
#include "dialogs/dpi_awareness.h"

#include "dialogs/layout.h"

namespace dialogs::dpi_awareness {
namespace {

// user32 is loaded: the DLL imports from it.
template <class Function>
Function user32(const char* name) noexcept {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

using SetThreadContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
using GetWindowContext = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
using ContextsEqual = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT);
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SetDialogBehaviour = BOOL(WINAPI*)(HWND, int, int);

const auto kPerMonitorV1 = reinterpret_cast<DPI_AWARENESS_CONTEXT>(-3);
const auto kPerMonitorV2 = reinterpret_cast<DPI_AWARENESS_CONTEXT>(-4);
constexpr int kDialogScalingDisabled = 1;  // DDC_DISABLE_ALL

bool framesScaleWithDpi(HWND window) noexcept {
    const auto context = user32<GetWindowContext>("GetWindowDpiAwarenessContext");
    const auto equal = user32<ContextsEqual>("AreDpiAwarenessContextsEqual");
    return context && equal && equal(context(window), kPerMonitorV2);
}

}  // namespace

PerMonitorScope::PerMonitorScope() noexcept {
    const auto set = user32<SetThreadContext>("SetThreadDpiAwarenessContext");
    if (!set) return;
    // Version 2 came with Windows 10 1703; 1607 refuses it and takes version 1.
    m_previous = set(kPerMonitorV2);
    if (!m_previous) m_previous = set(kPerMonitorV1);
}

PerMonitorScope::~PerMonitorScope() {
    if (m_previous) user32<SetThreadContext>("SetThreadDpiAwarenessContext")(m_previous);
}

int systemDpi() noexcept {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : layout::kDesignDpi;
}

int windowDpi(HWND window) noexcept {
    const auto dpiFor = user32<GetDpiForWindowFunction>("GetDpiForWindow");
    const int dpi = dpiFor && window ? static_cast<int>(dpiFor(window)) : 0;
    return dpi > 0 ? dpi : systemDpi();
}

void adjustFrame(RECT& rect, HWND window, int dpi) noexcept {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto extendedStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    // A Per-Monitor v1 window's frame keeps the system DPI's size.
    const auto forDpi = user32<AdjustForDpi>("AdjustWindowRectExForDpi");
    if (forDpi && framesScaleWithDpi(window) && forDpi(&rect, style, FALSE, extendedStyle, static_cast<UINT>(dpi))) return;
    AdjustWindowRectEx(&rect, style, FALSE, extendedStyle);
}

void keepDialogManagerOut(HWND dialog) noexcept {
    if (const auto set = user32<SetDialogBehaviour>("SetDialogDpiChangeBehavior")) {
        set(dialog, kDialogScalingDisabled, kDialogScalingDisabled);
    }
}

}  // namespace dialogs::dpi_awareness
