// Opens one of the dialogs and keeps it open, for pictures of it:
//   show_dialogs customise|about [dpi, 0 for the screen's] [zh-CN|zh-TW|en]
// A language given is stored as the user's choice, as the dialog would store it.
// Prints the dialog's window rectangle (left top width height, screen pixels)
// once it is on the screen. The link opens nothing here.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "dialogs/about_dialog.h"
#include "dialogs/customise_dialog.h"
#include "dialogs/layout.h"
#include "settings/language_setting.h"
#include "settings/settings_store.h"
#include "support/module.h"

namespace {
// Answers as ShellExecuteA does on success, without opening anything.
HINSTANCE WINAPI openNothing(HWND, const char*, const char*, const char*, const char*, INT) {
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
}
}  // namespace

int main(int argc, char** argv) {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
    module::setInstance(GetModuleHandleW(nullptr));
    const bool about = argc > 1 && std::strcmp(argv[1], "about") == 0;
    std::wstring tag;
    for (const char* c = argc > 3 ? argv[3] : ""; *c; ++c) tag += static_cast<wchar_t>(*c);
    const Language language = settings::languageOf(settings::languageChoiceOf(tag), std::nullopt);
    // As chosen by the user: the drop-down shows it.
    if (!tag.empty()) settings::WriteLanguageChoice(settings::languageChoiceOf(tag));
    const wchar_t* caption = (about ? dialogs::layout::kAboutDialog : dialogs::layout::kCustomiseDialog).caption.in(language);

    dialogs::AboutDialog aboutDialog;
    aboutDialog.setShellExecute(openNothing);
    dialogs::CustomiseDialog customiseDialog;
    dialogs::ModalDialog& dialog = about ? static_cast<dialogs::ModalDialog&>(aboutDialog) : customiseDialog;
    if (argc > 2) dialog.setLayoutDpi(std::atoi(argv[2]));
    dialog.setLanguage(language);

    std::thread reporter([caption] {
        HWND window = nullptr;
        for (int tries = 0; tries < 500; ++tries) {
            window = FindWindowW(L"#32770", caption);
            if (window && IsWindowVisible(window)) break;
            Sleep(20);
        }
        RECT frame{};
        if (window) {
            // Under Xvfb no window manager hands the desktop the input focus;
            // the picture shows the dialog as the user sees it, active.
            SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
            GetWindowRect(window, &frame);
        }
        std::printf("%ld %ld %ld %ld\n", frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
        std::fflush(stdout);
    });
    const HRESULT hr = dialog.showModal();
    reporter.join();
    CoUninitialize();
    return SUCCEEDED(hr) ? 0 : 1;
}
