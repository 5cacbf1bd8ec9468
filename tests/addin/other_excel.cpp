// Another Excel process for the tests: it owns a top-level XLMAIN window with
// the title it is given, signals the test once the window exists, and keeps
// answering its messages (a modal dialog elsewhere may enable or disable it)
// until the test signals it to quit.
// Usage: other_excel.exe <window title> <ready event name> <quit event name>
#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    WNDCLASSA definition{};
    definition.lpfnWndProc = DefWindowProcA;
    definition.hInstance = GetModuleHandleA(nullptr);
    definition.lpszClassName = "XLMAIN";
    if (!RegisterClassA(&definition)) return 3;
    // Created last, it lies above the test's own window: a search by class and
    // title finds it first.
    const HWND window = CreateWindowExA(0, "XLMAIN", argv[1], WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 120, 800, 600,
                                        nullptr, nullptr, definition.hInstance, nullptr);
    if (!window) return 4;
    const HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    const HANDLE quit = OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
    if (!ready || !quit) return 5;
    SetEvent(ready);
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &quit, FALSE, 30000, QS_ALLINPUT);
        if (woken != WAIT_OBJECT_0 + 1) break;  // quit, or the test is gone
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    DestroyWindow(window);
    return 0;
}
