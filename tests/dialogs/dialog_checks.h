// What the dialogs' tests share: a dialog shown to a user on a second thread,
// opened for a fake Excel, and what they check of it, whichever dialog it is.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "dialogs/dpi_awareness.h"
#include "dialogs/gdi_handles.h"
#include "dialogs/layout.h"
#include "dialogs/modal_dialog.h"
#include "hostsim/fake_excel.h"
#include "support/module.h"
#include "tests/support/korvanta_test.h"

namespace korvanta_test {

// Runs `show` (a dialog's showModal, or an action that opens one) while `user`
// works the dialog titled `caption` on a second thread. A dialog that does not
// appear fails the test, and one that shows instead is closed, so that a
// failing test cannot hang in the modal loop.
HRESULT whileShown(const std::function<HRESULT()>& show, const wchar_t* caption, const std::function<void(HWND)>& user);

// `dialog` in `language`, laid out at `dpi`, shown while `user` works it.
inline HRESULT showAt(dialogs::ModalDialog& dialog, const dialogs::layout::DialogDesign& design, Language language,
                      int dpi, const std::function<void(HWND)>& user) {
    dialog.setLanguage(language);
    dialog.setLayoutDpi(dpi);
    return whileShown([&] { return dialog.showModal(); }, design.caption.in(language), user);
}

// A dialog opened by its ribbon action for a fake Excel whose main window
// owns it. At the end Excel has been asked for Application only, has its
// references back and its window takes input again.
class DialogInExcelTest : public KorvantaTest {
protected:
    using Action = HRESULT (*)(IDispatch* excelApplication, Language language);
    DialogInExcelTest(Action action, const dialogs::layout::DialogDesign& design) : m_action(action), m_design(design) {}
    void SetUp() override {
        KorvantaTest::SetUp();
        module::setInstance(GetModuleHandleW(nullptr));
        m_excel.attach(new hostsim::FakeExcelApplication());
        m_owner = m_excel->showMainWindow(L"Microsoft Excel - Book1");
        m_excelReferences = referencesOf(excel());
    }
    void TearDown() override {
        module::setInstance(GetModuleHandleW(nullptr));
        for (const std::wstring& call : m_excel->calls) EXPECT_EQ(L"Application", call);
        EXPECT_EQ(m_excelReferences, referencesOf(excel()));
        EXPECT_TRUE(IsWindowEnabled(m_owner));
        KorvantaTest::TearDown();
    }

    // Opened as the ribbon action opens it, in m_language.
    HRESULT open(const std::function<void(HWND)>& user) {
        return whileShown([&] { return m_action(excel(), m_language); }, m_design.caption.in(m_language), user);
    }
    IDispatch* excel() const { return m_excel.get(); }
    // The work area of the monitor Excel's window is on.
    RECT workArea() const {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(m_owner, MONITOR_DEFAULTTOPRIMARY), &monitor);
        return monitor.rcWork;
    }

    ComPtr<hostsim::FakeExcelApplication> m_excel;
    HWND m_owner = nullptr;
    ULONG m_excelReferences = 0;
    Language m_language = Language::SimplifiedChinese;

private:
    Action m_action;
    const dialogs::layout::DialogDesign& m_design;
};

// A visible dialog of this process other than `except`; null when none shows.
HWND otherDialog(HWND except);
// A click on the dialog's button `id`, as BM_CLICK makes it.
inline void pressButton(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// The caption and every control's text in `language`, every control at its
// design box and with its design font converted at `dpi`, and the client area
// `client` pixels (given as numbers, so that the dialog's own conversion is
// not what checks it).
void expectShownAt(HWND dialog, const dialogs::layout::DialogDesign& design, Language language, int dpi, SIZE client,
                   const char* file = __builtin_FILE(), int line = __builtin_LINE());

// The About dialog's logo as its picture box shows it.
inline SIZE logoSize(HWND dialog) {
    BITMAP logo{};
    HWND picture = GetDlgItem(dialog, dialogs::layout::about::kPicIcon);
    auto image = reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (image) GetObjectW(image, sizeof logo, &logo);
    return SIZE{logo.bmWidth, logo.bmHeight};
}

// A button of Common Controls 6: only that version answers BCM_GETIDEALSIZE.
inline bool isVersion6Button(HWND button) {
    SIZE ideal{};
    return SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != FALSE;
}
// The same question of a button this thread makes with no activation context
// of the dialogs' own: the test program's manifest asks for no version 6.
inline bool hostMakesVersion6Buttons() {
    const dialogs::UniqueWindow button(
        CreateWindowExW(0, L"BUTTON", L"x", WS_POPUP, 0, 0, 40, 20, nullptr, nullptr, nullptr, nullptr));
    return isVersion6Button(button.get());
}

// Sends what Windows sends when the dialog lands on a monitor of `dpi`, with
// the rectangle it suggests.
inline void changeDpi(HWND dialog, int dpi, RECT suggested) {
    SendMessageW(dialog, dialogs::dpi_awareness::kDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

}  // namespace korvanta_test
