// The shared shell of the dialogs: an in-memory template, windows laid out in
// pixels from the twips tables at the DPI of their monitor, the owner taken at
// load and given back at unload, and the dialog procedure that routes to the
// concrete dialog.
#include "dialogs/modal_dialog.h"

#include <commctrl.h>

#include <cstring>
#include <new>
#include <string>

#include "dialogs/dpi_awareness.h"
#include "support/hresult.h"
#include "support/module.h"
#include "support/visual_styles.h"

namespace dialogs {
namespace {

HRESULT lastError() noexcept {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? HRESULT_FROM_WIN32(error) : E_FAIL;
}

bool systemHighContrast() noexcept {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

int systemColourIndex(layout::Colour colour) noexcept {
    switch (colour) {
    case layout::Colour::ButtonFace: return COLOR_BTNFACE;
    case layout::Colour::HighlightText: return COLOR_HIGHLIGHTTEXT;
    case layout::Colour::Window: return COLOR_WINDOW;
    case layout::Colour::HotLight: return COLOR_HOTLIGHT;
    case layout::Colour::WindowText: return COLOR_WINDOWTEXT;
    case layout::Colour::ButtonText:
    case layout::Colour::Own: break;
    }
    return COLOR_BTNTEXT;
}

// A fixed dialog frame with a close box and neither minimise nor maximise box.
// The template holds no controls and no size: both come from the layout tables
// in pixels, which dialog units cannot express exactly.
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

std::vector<WORD> dialogTemplate(const wchar_t* caption) {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    DLGTEMPLATE header{};
    header.style = kDialogStyle;
    std::memcpy(words.data(), &header, sizeof header);
    words.push_back(0);  // no menu
    words.push_back(0);  // the standard dialog class
    for (const wchar_t* c = caption; *c; ++c) words.push_back(static_cast<WORD>(*c));
    words.push_back(0);
    return words;
}

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

// Every control that takes focus starts a group of its own, so the arrow keys
// never move focus past what Tab would reach.
WindowKind windowKind(layout::ControlKind kind) noexcept {
    switch (kind) {
    case layout::ControlKind::GroupBox:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case layout::ControlKind::CheckBox:
        return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 0};
    case layout::ControlKind::CheckList:
        // A one-column report without header reads like a list box, keeps the
        // entries in insertion order, and draws a check box before each.
        return {WC_LISTVIEWW, LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP | WS_GROUP,
                WS_EX_CLIENTEDGE};
    case layout::ControlKind::DropDownList:
        return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, 0};
    case layout::ControlKind::PushButton:
        return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0};
    case layout::ControlKind::Label:
        return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case layout::ControlKind::Link:
        // A SysLink takes the focus and opens on Enter as on a click.
        return {WC_LINK, WS_TABSTOP | WS_GROUP, 0};
    case layout::ControlKind::Picture:
        return {L"STATIC", SS_BITMAP, 0};
    }
    return {L"STATIC", 0, 0};
}

// Where Common Controls 6 is missing there is no SysLink: a label that reports
// clicks (and so also hit tests, for the pointer) stands in for the link.
constexpr WindowKind kLinkLabel{L"STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0};

// The top-level windows of a thread that take input now, but the dialog.
struct InputWindows {
    HWND dialog;
    std::vector<HWND> found;
    bool complete = true;
};

BOOL CALLBACK collectInputWindow(HWND window, LPARAM context) noexcept {
    auto& windows = *reinterpret_cast<InputWindows*>(context);
    if (window == windows.dialog || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
    // No exception may unwind through the window manager's frames.
    try {
        windows.found.push_back(window);
    } catch (...) {
        windows.complete = false;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

ModalDialog::ModalDialog(const layout::DialogDesign& design) noexcept
    : m_design(design), m_highContrastQuery(systemHighContrast) {}

ModalDialog::~ModalDialog() = default;

void ModalDialog::setHostApplication(IDispatch* application) noexcept {
    m_hostApplication = ComPtr<IDispatch>(application);
}

void ModalDialog::setOwnerWindow(HWND owner) noexcept { m_ownerWindow = owner; }

void ModalDialog::setLayoutDpi(int dpi) noexcept { m_requestedDpi = dpi; }

void ModalDialog::setLanguage(Language language) noexcept { m_language = language; }

// Exceptions (out of memory while building the template) reach the add-in
// object's entry, which stops them.
HRESULT ModalDialog::showModal() {
    // Every window of the dialog is created inside these two: Common Controls
    // 6 from the DLL's own manifest, and Per-Monitor DPI awareness. Both give
    // the caller's state back when the dialog has closed.
    const visual_styles::Scope visualStyles;
    const dpi_awareness::PerMonitorScope perMonitor;
    // Version 5 of the common controls knows no ICC_LINK_CLASS and may refuse
    // the whole call for it: the link's class is asked for on its own.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    controls.dwICC = ICC_LINK_CLASS;
    InitCommonControlsEx(&controls);
    const std::vector<WORD> dialog = dialogTemplate(m_design.caption.in(m_language));

    // The dialog is created owned by a hidden window of its own, so that it
    // stays out of the taskbar even when no owner window was given; load
    // then hands it to the given owner for as long as it is loaded.
    UniqueWindow creator(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                         module::instance(), nullptr));
    RETURN_HR_IF(lastError(), !creator);

    m_failure = S_OK;
    m_endRequested = false;
    SetLastError(ERROR_SUCCESS);
    const INT_PTR ended = DialogBoxIndirectParamW(module::instance(), reinterpret_cast<const DLGTEMPLATE*>(dialog.data()),
                                                  creator.get(), dialogProc, reinterpret_cast<LPARAM>(this));
    if (ended == -1 && SUCCEEDED(m_failure)) m_failure = lastError();
    if (m_loaded) {
        // The window went away without an unload (destroyed from outside):
        // what load took is still given back.
        m_loaded = false;
        enableDisabledWindows();
        m_hostApplication.reset();
    }
    // Ending the dialog activates its owner of the moment, the hidden window
    // given back at unload: the window it was owned by while loaded takes
    // the activation back instead.
    if (m_ownerWindow && IsWindowVisible(m_ownerWindow) && IsWindowEnabled(m_ownerWindow)) {
        HWND active = GetActiveWindow();
        if (!active || active == creator.get()) SetActiveWindow(m_ownerWindow);
    }
    m_window = nullptr;
    m_fonts.clear();
    return m_failure;
}

INT_PTR CALLBACK ModalDialog::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ModalDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<ModalDialog*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->m_window = window;
    } else {
        self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    }
    if (!self) return FALSE;
    // The one exception guard below the add-in object's entries: user32 calls
    // this procedure, and no C++ exception may unwind through the window
    // manager's frames. A failure ends the dialog instead and is returned by
    // showModal.
    HRESULT failure = S_OK;
    try {
        return self->handle(message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        failure = E_OUTOFMEMORY;
    } catch (...) {
        failure = E_UNEXPECTED;
    }
    if (SUCCEEDED(self->m_failure)) self->m_failure = failure;
    self->unload();
    return TRUE;
}

INT_PTR ModalDialog::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        m_failure = load();
        if (FAILED(m_failure) || m_endRequested) unload();
        // load set the focus itself.
        return FALSE;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        // Handled here so the dialog manager does not turn it into IDCANCEL,
        // which is also what Esc sends.
        onClose();
        return TRUE;
    case WM_PAINT:
        return paintLines();
    case WM_PRINTCLIENT:
        // Printing the client area (PrintWindow, animations) shows the lines too.
        if (m_design.lineCount == 0) return FALSE;
        if (lParam & PRF_ERASEBKGND) SendMessageW(m_window, WM_ERASEBKGND, wParam, 0);
        drawLines(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        INT_PTR brush = 0;
        // These answer through the procedure's result, not DWLP_MSGRESULT.
        return colourControl(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), brush) ? brush
                                                                                                            : FALSE;
    }
    default: {
        INT_PTR result = 0;
        if (!handleDisplayChange(message, wParam, lParam, result) && !onMessage(message, wParam, lParam, result)) {
            return FALSE;
        }
        SetWindowLongPtrW(m_window, DWLP_MSGRESULT, result);
        return TRUE;
    }
    }
}

bool ModalDialog::onMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

HRESULT ModalDialog::load() {
    m_loaded = true;
    // The monitor Excel's window is on decides the size; without an owner, the
    // one the dialog is created on.
    m_dpi = m_requestedDpi > 0 ? m_requestedDpi : dpi_awareness::windowDpi(m_ownerWindow ? m_ownerWindow : m_window);
    m_highContrast = m_highContrastQuery();
    dpi_awareness::keepDialogManagerOut(m_window);
    takeOwner();
    placeWindow();
    RETURN_IF_FAILED(createControls());
    return onLoad();
}

void ModalDialog::takeOwner() {
    if (m_ownerWindow) {
        m_previousOwner = reinterpret_cast<HWND>(
            SetWindowLongPtrW(m_window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(m_ownerWindow)));
    }
    // Modal to the whole of this Excel, as Excel's own dialogs and a
    // task-modal message box are. The dialog manager disables only the window
    // the dialog was created with, while Excel 2013 and later show each
    // workbook in a top-level window of its own: the owner, then every window
    // of this thread that takes input now, stops taking it until unload.
    InputWindows windows{m_window, {}};
    if (m_ownerWindow) windows.found.push_back(m_ownerWindow);
    EnumThreadWindows(GetCurrentThreadId(), collectInputWindow, reinterpret_cast<LPARAM>(&windows));
    if (!windows.complete) throw std::bad_alloc();
    // Room for every record before the first window is disabled, so that no
    // window can stay disabled unrecorded.
    m_disabled.reserve(windows.found.size());
    for (HWND window : windows.found) {
        // Already disabled (the owner listed twice, or kept from input by
        // someone else): left as it is, and as it is left at unload.
        if (!EnableWindow(window, FALSE)) m_disabled.push_back(window);
    }
}

void ModalDialog::enableDisabledWindows() noexcept {
    for (HWND window : m_disabled) EnableWindow(window, TRUE);
    m_disabled.clear();
}

void ModalDialog::bringToFront() noexcept {
    if (m_loaded && IsWindowVisible(m_window)) SetForegroundWindow(m_window);
}

void ModalDialog::endAsCancel() noexcept {
    if (m_loaded) {
        unload();
    } else {
        m_endRequested = true;
    }
}

void ModalDialog::placeWindow() noexcept {
    const SIZE size = frameSize(m_dpi);
    RECT area{};
    const bool onOwner = m_ownerWindow && GetWindowRect(m_ownerWindow, &area);
    if (!onOwner) SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    moveWithinWorkArea(area.left + (area.right - area.left - size.cx) / 2, area.top + (area.bottom - area.top - size.cy) / 2,
                       size, area);
}

SIZE ModalDialog::frameSize(int atDpi) const noexcept {
    RECT frame{0, 0, layout::twipsToPixels(m_design.clientWidth, atDpi), layout::twipsToPixels(m_design.clientHeight, atDpi)};
    dpi_awareness::adjustFrame(frame, m_window, atDpi);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

// An owner partly off the screen, or a rectangle Windows suggests, must not
// push the dialog off the work area of the monitor it is meant for.
void ModalDialog::moveWithinWorkArea(int x, int y, SIZE size, const RECT& onMonitorOf) noexcept {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&onMonitorOf, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        if (x + size.cx > work.right) x = work.right - size.cx;
        if (y + size.cy > work.bottom) y = work.bottom - size.cy;
        if (x < work.left) x = work.left;
        if (y < work.top) y = work.top;
    }
    SetWindowPos(m_window, nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

HRESULT ModalDialog::createControls() {
    std::vector<std::size_t> order(m_design.controlCount);
    layout::tabOrder(m_design, order.data());
    for (const std::size_t index : order) {
        const layout::ControlDesign& control = m_design.controls[index];
        const layout::PixelRect box = pixels(control.box);
        const auto create = [&](const WindowKind& kind, const wchar_t* text) {
            return CreateWindowExW(kind.extendedStyle, kind.className, text, WS_CHILD | WS_VISIBLE | kind.style, box.left,
                                   box.top, box.width(), box.height(), m_window,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), module::instance(), nullptr);
        };
        const wchar_t* text = control.text.in(m_language) ? control.text.in(m_language) : L"";
        HWND child = nullptr;
        if (control.kind == layout::ControlKind::Link) {
            // A SysLink shows the marked-up part of its text as the link.
            child = create(windowKind(control.kind), (L"<a>" + std::wstring(text) + L"</a>").c_str());
            if (!child) child = create(kLinkLabel, text);
        } else {
            child = create(windowKind(control.kind), text);
        }
        RETURN_HR_IF(lastError(), !child);
        RETURN_IF_FAILED(setFont(child, control));

        if (control.kind == layout::ControlKind::CheckList) {
            const DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
            SendMessageW(child, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
            LVCOLUMNW column{};
            column.mask = LVCF_WIDTH;
            column.cx = box.width();
            RETURN_HR_IF(E_OUTOFMEMORY, SendMessageW(child, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column)) != 0);
        }
    }
    return S_OK;
}

HRESULT ModalDialog::setFont(HWND child, const layout::ControlDesign& control) {
    HFONT font = fontFor(control.font ? control.font : m_design.font);
    RETURN_HR_IF(E_OUTOFMEMORY, !font);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return S_OK;
}

HFONT ModalDialog::fontFor(const layout::FontDesign* font) {
    for (const Font& made : m_fonts) {
        if (made.design == font) return made.font.get();
    }
    UniqueFont created(CreateFontW(layout::fontHeight(font->tenthsOfPoint, m_dpi), 0, 0, 0, font->weight, FALSE,
                                   font->underline, FALSE, static_cast<DWORD>(font->charset), OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font->face));
    if (!created) return nullptr;
    m_fonts.push_back(Font{font, std::move(created)});
    return m_fonts.back().font.get();
}

bool ModalDialog::paintLines() {
    if (m_design.lineCount == 0) return false;
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(m_window, &paint);
    if (!dc) return false;
    drawLines(dc);
    EndPaint(m_window, &paint);
    return true;
}

void ModalDialog::drawLines(HDC dc) noexcept {
    for (std::size_t i = 0; i < m_design.lineCount; ++i) {
        const layout::LineDesign& line = m_design.lines[i];
        const int width = layout::scalePixels(line.pixels, m_dpi);
        const int top = layout::twipsToPixels(line.y, m_dpi) - width / 2;
        const RECT band{layout::twipsToPixels(line.x1, m_dpi), top, layout::twipsToPixels(line.x2, m_dpi), top + width};
        UniqueBrush brush(CreateSolidBrush(m_highContrast ? GetSysColor(systemColourIndex(line.highContrast)) : line.colour));
        if (brush) FillRect(dc, &band, brush.get());
    }
}

bool ModalDialog::colourControl(UINT message, HDC dc, HWND control, INT_PTR& result) noexcept {
    const layout::ControlDesign* design =
        message == WM_CTLCOLORDLG ? nullptr : layout::findControl(m_design, GetDlgCtrlID(control));
    const layout::Palette palette = layout::paletteFor(m_design, design, m_highContrast);
    // Button-face text on button face is what the dialog manager paints anyway.
    if (palette.background == layout::Colour::ButtonFace && palette.text == layout::Colour::ButtonText) return false;

    const int background = systemColourIndex(palette.background);
    // A SysLink draws its link in the system's link colour whatever it is told.
    SetTextColor(dc, palette.text == layout::Colour::Own ? design->colour : GetSysColor(systemColourIndex(palette.text)));
    SetBkColor(dc, GetSysColor(background));
    result = reinterpret_cast<INT_PTR>(GetSysColorBrush(background));
    return true;
}

bool ModalDialog::handleDisplayChange(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case dpi_awareness::kGetDpiScaledSize:
        // Asked before a DPI change: the size is the layout's at the new DPI,
        // not today's scaled, which rounding would make a pixel off.
        *reinterpret_cast<SIZE*>(lParam) = frameSize(LOWORD(wParam));
        result = TRUE;
        return true;
    case dpi_awareness::kDpiChanged: {
        const int newDpi = HIWORD(wParam);
        // Also sent when load moves the dialog onto its owner's monitor, whose
        // DPI it is already laid out at.
        if (newDpi > 0 && newDpi != m_dpi) {
            const RECT suggested = *reinterpret_cast<const RECT*>(lParam);
            const HRESULT hr = layOutAgain(newDpi);
            if (FAILED(hr)) {
                if (SUCCEEDED(m_failure)) m_failure = hr;
                unload();
                return true;
            }
            moveWithinWorkArea(suggested.left, suggested.top, frameSize(m_dpi), suggested);
        }
        return true;
    }
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        followSystemColours(message == WM_SYSCOLORCHANGE);
        // Handled, but the dialog manager's own handling goes on too.
        return false;
    }
    return false;
}

HRESULT ModalDialog::layOutAgain(int newDpi) {
    m_dpi = newDpi;
    // Before load has made the controls, the DPI is all there is to change.
    if (m_fonts.empty()) return S_OK;
    // The old fonts live until every control holds its new one.
    const std::vector<Font> oldFonts = std::move(m_fonts);
    m_fonts.clear();
    for (std::size_t i = 0; i < m_design.controlCount; ++i) {
        const layout::ControlDesign& design = m_design.controls[i];
        HWND child = control(design.id);
        const layout::PixelRect box = pixels(design.box);
        SetWindowPos(child, nullptr, box.left, box.top, box.width(), box.height(), SWP_NOZORDER | SWP_NOACTIVATE);
        RETURN_IF_FAILED(setFont(child, design));
    }
    RETURN_IF_FAILED(onDpiChanged());
    RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return S_OK;
}

void ModalDialog::followSystemColours(bool coloursChanged) noexcept {
    const bool highContrast = m_highContrastQuery();
    if (!coloursChanged && highContrast == m_highContrast) return;
    m_highContrast = highContrast;
    // Common controls keep their own copy of the system colours, renewed when
    // their top-level window passes the change on.
    for (std::size_t i = 0; coloursChanged && i < m_design.controlCount; ++i) {
        SendMessageW(control(m_design.controls[i].id), WM_SYSCOLORCHANGE, 0, 0);
    }
    RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ModalDialog::unload() noexcept {
    if (!m_loaded) return;
    m_loaded = false;
    // This Excel's windows take input again before the dialog goes, so that
    // the owner, not some other application, becomes the active window.
    enableDisabledWindows();
    if (m_previousOwner) SetWindowLongPtrW(m_window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(m_previousOwner));
    m_hostApplication.reset();
    EndDialog(m_window, 0);
}

}  // namespace dialogs
