// The second-thread user of the dialogs.
#include "hostsim/dialog_user.h"

#include <commctrl.h>

#include <thread>

namespace hostsim {
namespace {

constexpr DWORD kPatience = 5000;
// The last dialog the user thread found, closed if the user leaves it open.
thread_local HWND t_lastDialog = nullptr;

LRESULT CALLBACK runOnThisThread(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_APP) return DefWindowProcW(window, message, wParam, lParam);
    (*reinterpret_cast<const std::function<void()>*>(lParam))();
    return 0;
}

}  // namespace

HostThreadCalls::HostThreadCalls() {
    // A message-only window, which no modal dialog disables, answering the one
    // message that carries the work.
    m_window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(runOnThisThread));
}

HostThreadCalls::~HostThreadCalls() { DestroyWindow(m_window); }

void HostThreadCalls::run(const std::function<void()>& work) const {
    // Sent, not posted: the host's thread runs it as its loop next looks for messages.
    SendMessageW(m_window, WM_APP, 0, reinterpret_cast<LPARAM>(&work));
}

HRESULT showWhile(const std::function<HRESULT()>& show, const std::function<void()>& user) {
    std::thread person([&user] {
        t_lastDialog = nullptr;
        user();
        if (t_lastDialog && IsWindow(t_lastDialog)) PostMessageW(t_lastDialog, WM_CLOSE, 0, 0);
    });
    const HRESULT hr = show();
    person.join();
    return hr;
}

bool waitUntil(const std::function<bool()>& condition) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > kPatience) return false;
        Sleep(5);
    }
    return true;
}

HWND waitForDialog(const wchar_t* caption) {
    HWND found = nullptr;
    waitUntil([&] {
        found = FindWindowW(L"#32770", caption);
        return found && IsWindowVisible(found);
    });
    if (found && !IsWindowVisible(found)) found = nullptr;
    t_lastDialog = found;
    return found;
}

std::wstring textOf(HWND window) {
    wchar_t text[512] = L"";
    const int length = GetWindowTextW(window, text, 512);
    return std::wstring(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::wstring classOf(HWND window) {
    wchar_t name[64] = L"";
    const int length = GetClassNameW(window, name, 64);
    return std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

RECT rectInDialog(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE clientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

LOGFONTW fontOf(HWND control) {
    LOGFONTW font{};
    HFONT handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (handle) GetObjectW(handle, sizeof font, &font);
    return font;
}

HWND focusOf(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus;
}

void pressKey(HWND dialog, UINT key) {
    HWND target = focusOf(dialog);
    if (!target) target = dialog;
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, key, 1 | (scan << 16));
    PostMessageW(target, WM_KEYUP, key, 1 | (scan << 16) | 0xC0000000u);
}

HWND pressTab(HWND dialog) {
    HWND before = focusOf(dialog);
    pressKey(dialog, VK_TAB);
    waitUntil([&] { return focusOf(dialog) != before; });
    return focusOf(dialog);
}

void clickAt(HWND control) {
    const LPARAM point = MAKELPARAM(2, 2);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(control, WM_LBUTTONUP, 0, point);
}

void clickCloseBox(HWND dialog) { SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

int listCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

std::wstring listText(HWND list, int index) {
    wchar_t text[128] = L"";
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = 128;
    const LRESULT length = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return std::wstring(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::wstring comboText(HWND comboBox, int index) {
    const LRESULT length = SendMessageW(comboBox, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(comboBox, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

bool listChecked(HWND list, int index) {
    const LRESULT state = SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK);
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

}  // namespace hostsim
