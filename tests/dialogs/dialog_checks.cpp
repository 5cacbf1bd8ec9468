// What the dialogs' tests share: a dialog handed to the user thread, and its checks.
#include "tests/dialogs/dialog_checks.h"

#include <string>

#include <gtest/gtest.h>

#include "hostsim/dialog_user.h"

namespace korvanta_test {

namespace layout = dialogs::layout;

HRESULT whileShown(const std::function<HRESULT()>& show, const wchar_t* caption, const std::function<void(HWND)>& user) {
    return hostsim::showWhile(show, [&] {
        HWND dialog = hostsim::waitForDialog(caption);
        if (dialog) return user(dialog);
        ADD_FAILURE() << "the dialog " << testing::PrintToString(std::wstring(caption)) << " did not appear";
        if (HWND shown = otherDialog(nullptr)) PostMessageW(shown, WM_CLOSE, 0, 0);
    });
}

HWND otherDialog(HWND except) {
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, L"#32770", nullptr)) != nullptr;) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (window != except && process == GetCurrentProcessId() && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

void expectShownAt(HWND dialog, const layout::DialogDesign& design, Language language, int dpi, SIZE client,
                   const char* file, int line) {
    const testing::ScopedTrace trace(file, line, std::to_string(dpi) + " DPI");
    EXPECT_EQ(design.caption.in(language), hostsim::textOf(dialog));
    EXPECT_EQ(client.cx, hostsim::clientSize(dialog).cx);
    EXPECT_EQ(client.cy, hostsim::clientSize(dialog).cy);
    for (std::size_t i = 0; i < design.controlCount; ++i) {
        const layout::ControlDesign& control = design.controls[i];
        SCOPED_TRACE(control.id);
        HWND window = GetDlgItem(dialog, control.id);
        ASSERT_TRUE(window);
        if (const wchar_t* text = control.text.in(language)) {
            // A SysLink shows the marked-up part of its text as the link.
            const bool link = control.kind == layout::ControlKind::Link;
            EXPECT_EQ(link ? L"<a>" + std::wstring(text) + L"</a>" : text, hostsim::textOf(window));
        }
        const layout::PixelRect box = layout::toPixels(control.box, dpi);
        const RECT actual = hostsim::rectInDialog(window);
        EXPECT_EQ(box.left, actual.left);
        EXPECT_EQ(box.top, actual.top);
        EXPECT_EQ(box.width(), actual.right - actual.left);
        // A closed drop-down is as tall as its font makes it; its box holds the list.
        if (control.kind == layout::ControlKind::DropDownList) {
            EXPECT_LT(actual.bottom - actual.top, box.height());
        } else {
            EXPECT_EQ(box.height(), actual.bottom - actual.top);
        }
        if (control.kind == layout::ControlKind::Picture) continue;
        const layout::FontDesign& font = control.font ? *control.font : *design.font;
        const LOGFONTW shown = hostsim::fontOf(window);
        EXPECT_STREQ(font.face, shown.lfFaceName);
        EXPECT_EQ(layout::fontHeight(font.tenthsOfPoint, dpi), shown.lfHeight);
        EXPECT_EQ(font.weight, shown.lfWeight);
        EXPECT_EQ(font.charset, shown.lfCharSet);
        EXPECT_EQ(font.underline, shown.lfUnderline != 0);
    }
}

}  // namespace korvanta_test
