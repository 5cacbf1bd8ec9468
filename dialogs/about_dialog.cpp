// The About dialog: the logo from the DLL's resources, the credits, and a link
// that opens the maker's web page without closing the dialog.
#include "dialogs/about_dialog.h"

#include <commctrl.h>
#include <olectl.h>
#include <shellapi.h>

#include <cstring>
#include <string>

#include "dialogs/dialog_resources.h"
#include "support/hresult.h"
#include "support/module.h"
#include "support/text.h"

namespace dialogs {
namespace {

using namespace layout::about;

HRESULT lastError() noexcept {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? HRESULT_FROM_WIN32(error) : E_FAIL;
}

// The JPEG resource as an OLE picture.
HRESULT loadLogo(ComPtr<IPicture>& picture) noexcept {
    HINSTANCE instance = module::instance();
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDR_KORVANTA_LOGO), RT_RCDATA);
    RETURN_HR_IF(lastError(), !found);
    HGLOBAL loaded = LoadResource(instance, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(instance, found);
    RETURN_HR_IF(lastError(), !bytes || size == 0);

    // OleLoadPicture reads from a stream; the stream owns this copy.
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    RETURN_IF_NULL_ALLOC(copy);
    void* target = GlobalLock(copy);
    if (!target) {
        GlobalFree(copy);
        return E_OUTOFMEMORY;
    }
    std::memcpy(target, bytes, size);
    GlobalUnlock(copy);
    ComPtr<IStream> stream;
    const HRESULT hr = CreateStreamOnHGlobal(copy, TRUE, stream.put());
    if (FAILED(hr)) {
        GlobalFree(copy);
        return hr;
    }
    return OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture, picture.putVoid());
}

// The picture drawn at `width` by `height` pixels into a bitmap for the screen.
HRESULT renderPicture(IPicture* picture, int width, int height, UniqueBitmap& out) noexcept {
    OLE_XSIZE_HIMETRIC pictureWidth = 0;
    OLE_YSIZE_HIMETRIC pictureHeight = 0;
    RETURN_IF_FAILED(picture->get_Width(&pictureWidth));
    RETURN_IF_FAILED(picture->get_Height(&pictureHeight));

    HDC screen = GetDC(nullptr);
    RETURN_HR_IF(E_OUTOFMEMORY, !screen);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (!bitmap || !memory) {
        if (memory) DeleteDC(memory);
        return E_OUTOFMEMORY;
    }
    HGDIOBJ previous = SelectObject(memory, bitmap.get());
    // HIMETRIC runs upwards: the source starts at the picture's bottom edge.
    const HRESULT hr = picture->Render(memory, 0, 0, width, height, 0, pictureHeight, pictureWidth, -pictureHeight, nullptr);
    SelectObject(memory, previous);
    DeleteDC(memory);
    RETURN_IF_FAILED(hr);
    out = std::move(bitmap);
    return S_OK;
}

// The hand icon as a pointer whose hot spot is the finger's tip.
HCURSOR cursorFromIcon(HICON icon) noexcept {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return nullptr;
    info.fIcon = FALSE;
    info.xHotspot = kHandHotspotX;
    info.yHotspot = kHandHotspotY;
    HCURSOR cursor = CreateIconIndirect(&info);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return cursor;
}

// The link's own window procedure, kept in its GWLP_USERDATA by the subclass below.
LRESULT CALLBACK linkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(link, GWLP_USERDATA));
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        if (wParam != (message == WM_CHAR ? L' ' : VK_SPACE)) break;
        // Space opens the link as Enter does, once per press: the press is
        // passed on as Enter, its release and character go nowhere.
        if (message == WM_KEYDOWN && !(lParam & (1 << 30))) CallWindowProcW(original, link, WM_KEYDOWN, VK_RETURN, lParam);
        return 0;
    case WM_SETCURSOR:
        // The dialog's pointing hand, rather than the system's.
        if (SendMessageW(GetParent(link), WM_SETCURSOR, wParam, lParam)) return TRUE;
        break;
    }
    return CallWindowProcW(original, link, message, wParam, lParam);
}

}  // namespace

AboutDialog::AboutDialog() noexcept : ModalDialog(layout::kAboutDialog), m_shellExecute(ShellExecuteA) {}

HRESULT AboutDialog::onLoad() {
    RETURN_IF_FAILED(showLogo());
    RETURN_IF_FAILED(setIcons());
    makeSpaceOpenTheLink();
    // cmdOK is the default button (Enter) and, being IDOK, where focus starts;
    // Esc sends IDCANCEL, which closes the dialog as well.
    SendMessageW(window(), DM_SETDEFID, kCmdOk, 0);
    SendMessageW(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control(kCmdOk)), TRUE);
    return S_OK;
}

HRESULT AboutDialog::showLogo() {
    ComPtr<IPicture> picture;
    RETURN_IF_FAILED(loadLogo(picture));
    // The picture fills its box, which at the design DPI is the logo's own size.
    const layout::PixelRect box = pixels(layout::findControl(design(), kPicIcon)->box);
    UniqueBitmap logo;
    RETURN_IF_FAILED(renderPicture(picture.get(), box.width(), box.height(), logo));
    // The picture box shows the new bitmap before the old one is freed.
    SendMessageW(control(kPicIcon), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(logo.get()));
    m_logo = std::move(logo);
    return S_OK;
}

// Drawn again from the JPEG, not stretched from the bitmap of the old DPI.
HRESULT AboutDialog::onDpiChanged() { return showLogo(); }

// A SysLink opens on Enter, not on Space, which a keyboard user presses on
// anything that takes the focus. The label that stands in without Common
// Controls 6 takes no focus and is left alone.
void AboutDialog::makeSpaceOpenTheLink() noexcept {
    HWND link = control(kLabelBlog);
    if (GetWindowLongPtrW(link, GWL_STYLE) & WS_TABSTOP) {
        SetWindowLongPtrW(link, GWLP_USERDATA, GetWindowLongPtrW(link, GWLP_WNDPROC));
        SetWindowLongPtrW(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(linkProc));
    }
}

HRESULT AboutDialog::setIcons() noexcept {
    HINSTANCE instance = module::instance();
    m_icon.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_KORVANTA_HAND), IMAGE_ICON, 32, 32, 0)));
    RETURN_HR_IF(lastError(), !m_icon);
    m_smallIcon.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_KORVANTA_HAND), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
    SendMessageW(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon.get()));
    SendMessageW(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon ? m_smallIcon.get() : m_icon.get()));

    m_handCursor.reset(cursorFromIcon(m_icon.get()));
    m_linkCursor = m_handCursor ? m_handCursor.get() : LoadCursorW(nullptr, IDC_HAND);
    return S_OK;
}

void AboutDialog::onCommand(int id, int notification) {
    if (id == kCmdOk || id == IDCANCEL) {
        unload();
    } else if (id == kLabelBlog && notification == STN_CLICKED) {
        // The stand-in label's click.
        openWebPage();
    }
}

void AboutDialog::onClose() { unload(); }

bool AboutDialog::onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_NOTIFY) {
        // A click on the link, or Enter (or Space) while it has the focus; the
        // dialog stays open.
        const auto* notice = reinterpret_cast<const NMHDR*>(lParam);
        if (notice->idFrom != kLabelBlog || (notice->code != NM_CLICK && notice->code != NM_RETURN)) return false;
        openWebPage();
        return true;
    }
    if (message != WM_SETCURSOR || reinterpret_cast<HWND>(wParam) != control(kLabelBlog) || !m_linkCursor) return false;
    SetCursor(m_linkCursor);
    result = TRUE;
    return true;
}

void AboutDialog::openWebPage() {
    const std::string address = toAnsi(kMakerWebPage);
    // The address's default action, no owner window: the browser opens on its
    // own. What ShellExecuteA answers is of no consequence to the dialog.
    m_shellExecute(nullptr, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace dialogs
