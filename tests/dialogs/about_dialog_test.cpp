// The About dialog, worked by a user on a second thread: what it shows in each
// language, at each DPI and with high contrast, the ways to close it, the
// link, and what it takes from and gives back to Excel.
#include <windows.h>

#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/about_dialog.h"
#include "dialogs/dialog_actions.h"
#include "dialogs/dpi_awareness.h"
#include "dialogs/layout.h"
#include "hostsim/dialog_user.h"
#include "maker.h"
#include "support/module.h"
#include "tests/dialogs/dialog_checks.h"
#include "tests/support/korvanta_test.h"
#include "tests/support/language_names.h"

using namespace hostsim;
using namespace dialogs::layout::about;
using namespace korvanta_test;
using dialogs::layout::kAboutDialog;

namespace {

constexpr wchar_t kCaption[] = L"关于Korvanta";
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// ShellExecuteA's arguments as the link passed them: owner, verb, file,
// parameters, directory, show state.
using ShellCall = std::tuple<HWND, std::optional<std::string>, std::optional<std::string>, std::optional<std::string>,
                             std::optional<std::string>, INT>;
std::vector<ShellCall> g_opened;
std::optional<std::string> argument(const char* text) { return text ? std::optional<std::string>(text) : std::nullopt; }
// Succeeds the first time and fails with ERROR_FILE_NOT_FOUND after that, as
// ShellExecuteA does when no browser handles the address.
HINSTANCE WINAPI recordShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                                    const char* directory, INT show) {
    g_opened.emplace_back(owner, argument(verb), argument(file), argument(parameters), argument(directory), show);
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(g_opened.size() == 1 ? 33 : ERROR_FILE_NOT_FOUND));
}

// The text colour and background brush colour the dialog paints `control` with.
std::pair<COLORREF, COLORREF> coloursOf(HWND dialog, HWND control, UINT message = WM_CTLCOLORSTATIC) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(dialog, message, reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(control)));
    LOGBRUSH fill{};
    if (brush) GetObjectW(brush, sizeof fill, &fill);
    const COLORREF text = GetTextColor(dc);
    DeleteDC(dc);
    return {text, brush ? fill.lbColor : CLR_INVALID};
}

// System colours that no scheme has, set for one test and given back after it,
// so that every colour shows which one it came from.
class DistinctSystemColours {
public:
    DistinctSystemColours() {
        for (std::size_t i = 0; i < std::size(kIndices); ++i) {
            m_saved[i] = GetSysColor(kIndices[i]);
            m_distinct[i] = RGB(10 + i, 20 + i, 30 + i);
        }
        SetSysColors(static_cast<int>(std::size(kIndices)), kIndices, m_distinct);
    }
    ~DistinctSystemColours() { SetSysColors(static_cast<int>(std::size(kIndices)), kIndices, m_saved); }

private:
    static constexpr INT kIndices[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HOTLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_BTNTEXT};
    COLORREF m_saved[std::size(kIndices)];
    COLORREF m_distinct[std::size(kIndices)];
};

bool g_highContrast = false;
bool highContrastForTest() noexcept { return g_highContrast; }

// What a window draws of its client area, on black.
class PrintedClient {
public:
    explicit PrintedClient(HWND window) : m_size(clientSize(window)) {
        HDC screen = GetDC(nullptr);
        m_dc = CreateCompatibleDC(screen);
        m_bitmap = CreateCompatibleBitmap(screen, m_size.cx, m_size.cy);
        ReleaseDC(nullptr, screen);
        m_before = SelectObject(m_dc, m_bitmap);
        const RECT all{0, 0, m_size.cx, m_size.cy};
        FillRect(m_dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc), PRF_CLIENT);
    }
    ~PrintedClient() {
        SelectObject(m_dc, m_before);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    PrintedClient(const PrintedClient&) = delete;
    PrintedClient& operator=(const PrintedClient&) = delete;

    COLORREF at(int x, int y) const { return GetPixel(m_dc, x, y); }
    // A line of `colour` from band.left, band.top to band.right, band.bottom
    // (inclusive), with nothing drawn next to it.
    void expectLine(const RECT& band, COLORREF colour) const {
        EXPECT_EQ(colour, at(band.left, band.top));
        EXPECT_EQ(colour, at(band.right, band.bottom));
        EXPECT_EQ(kBlack, at(band.left, band.top - 1));
        EXPECT_EQ(kBlack, at(band.right, band.bottom + 1));
        EXPECT_TRUE(band.left == 0 || at(band.left - 1, band.bottom) == kBlack);
        EXPECT_TRUE(band.right == m_size.cx - 1 || at(band.right + 1, band.top) == kBlack);
    }

private:
    SIZE m_size;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_before;
};

// Windows of the dialog class as the thread's window procedures saw them: the
// owner when the dialog was created and when it was destroyed.
struct DialogLife {
    HWND window;
    HWND ownerAtCreation;
    HWND ownerAtDestruction;
};
std::vector<DialogLife> g_lives;

LRESULT CALLBACK watchDialogs(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && (call->message == WM_INITDIALOG || call->message == WM_DESTROY) && textOf(call->hwnd) == kCaption) {
        if (call->message == WM_INITDIALOG) {
            g_lives.push_back({call->hwnd, GetWindow(call->hwnd, GW_OWNER), nullptr});
        } else if (!g_lives.empty() && g_lives.back().window == call->hwnd) {
            g_lives.back().ownerAtDestruction = GetWindow(call->hwnd, GW_OWNER);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class AboutDialogTest : public DialogInExcelTest {
protected:
    AboutDialogTest() : DialogInExcelTest(dialogs::showAboutDialog, kAboutDialog) {}
    void SetUp() override {
        DialogInExcelTest::SetUp();
        g_opened.clear();
        g_lives.clear();
    }
    void TearDown() override {
        // The About dialog stores nothing.
        EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, kSettingsKey));
        DialogInExcelTest::TearDown();
    }
};

using AboutDialogInEachLanguage = InEachLanguage<AboutDialogTest>;

INSTANTIATE_TEST_SUITE_P(Languages, AboutDialogInEachLanguage, testing::ValuesIn(kLanguages), languageName);

// Laid out, the logo drawn and the lines ruled at each DPI: a grey rule 1560
// twips down across the whole width, and a white line 2 pixels wide at 96 DPI
// centred on 2460 twips, from 105 to 5654 twips across.
TEST_P(AboutDialogInEachLanguage, ShowsItsTextsLogoAndLinesScaledToEachDpi) {
    const struct {
        int dpi;
        SIZE client;
        SIZE logo;
        int greyTop, greyBottom;
        RECT white;
    } kScales[] = {{96, {443, 343}, {177, 81}, 104, 104, {7, 163, 376, 164}},
                   {120, {554, 429}, {221, 102}, 130, 130, {9, 204, 470, 206}},
                   {144, {665, 515}, {266, 121}, 155, 156, {11, 245, 564, 247}},
                   {192, {886, 686}, {354, 162}, 207, 208, {14, 326, 753, 329}}};
    for (const auto& scale : kScales) {
        dialogs::AboutDialog dialog;
        EXPECT_EQ(S_OK, showAt(dialog, kAboutDialog, m_language, scale.dpi, [&](HWND window) {
            SCOPED_TRACE(scale.dpi);
            expectShownAt(window, kAboutDialog, m_language, scale.dpi, scale.client);
            EXPECT_EQ(scale.logo.cx, logoSize(window).cx);
            EXPECT_EQ(scale.logo.cy, logoSize(window).cy);
            const PrintedClient printed(window);
            printed.expectLine(RECT{0, scale.greyTop, scale.client.cx - 1, scale.greyBottom}, kGrey);
            printed.expectLine(scale.white, kWhite);
        }));
    }
}

// As the ribbon action opens it: at the screen's DPI, a fixed frame with the
// hand icon, the logo, and 确定 the default button and focused.
TEST_F(AboutDialogTest, ShowsLogoCreditsAndLinkAtTheScreenDpi) {
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        expectShownAt(dialog, kAboutDialog, m_language, 96, SIZE{443, 343});
        HWND ok = GetDlgItem(dialog, kCmdOk);
        EXPECT_EQ(ok, focusOf(dialog));
        EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK);
        // Only a close box, owned (so not in the taskbar) and no tool window
        // (whose caption would be small).
        const LONG style = GetWindowLongW(dialog, GWL_STYLE);
        const LONG extended = GetWindowLongW(dialog, GWL_EXSTYLE);
        EXPECT_EQ(WS_CAPTION | WS_SYSMENU, style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        EXPECT_TRUE(extended & WS_EX_DLGMODALFRAME);
        EXPECT_FALSE(extended & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW));
        EXPECT_TRUE(SendMessageW(dialog, WM_GETICON, ICON_BIG, 0));

        // The logo, borderless: dark blue writing on a light ground.
        HWND picture = GetDlgItem(dialog, kPicIcon);
        EXPECT_FALSE(GetWindowLongW(picture, GWL_STYLE) & WS_BORDER);
        EXPECT_FALSE(GetWindowLongW(picture, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
        const PrintedClient logo(picture);
        int light = 0;
        int blue = 0;
        for (int y = 0; y < 81; ++y) {
            for (int x = 0; x < 177; ++x) {
                const COLORREF pixel = logo.at(x, y);
                const int r = GetRValue(pixel), g = GetGValue(pixel), b = GetBValue(pixel);
                if (r > 200 && g > 200 && b > 200) ++light;
                if (b > r + 80 && r < 80) ++blue;
            }
        }
        EXPECT_GT(light, 177 * 81 / 3);
        EXPECT_GT(blue, 200);
    }));
    EXPECT_EQ(std::vector<std::wstring>{L"Application"}, m_excel->calls);
}

TEST_F(AboutDialogTest, FollowsADpiChangeWhileShownWithinTheWorkArea) {
    const RECT work = workArea();
    // Windows suggests a rectangle where the dialog would hang off the bottom
    // right of the work area, then, on a move to a third monitor, one well
    // inside it.
    const RECT offTheEdge{work.right - 300, work.bottom - 200, work.right + 400, work.bottom + 350};
    const RECT inside{work.left + 5, work.top + 7, work.left + 700, work.top + 560};
    dialogs::AboutDialog dialog;
    EXPECT_EQ(S_OK, showAt(dialog, kAboutDialog, m_language, 96, [&](HWND window) {
        // Asked first (by Per-Monitor v2 Windows) what size it will take, it
        // answers the size it then takes.
        SIZE scaled{};
        EXPECT_EQ(TRUE, SendMessageW(window, dialogs::dpi_awareness::kGetDpiScaledSize, 144, reinterpret_cast<LPARAM>(&scaled)));
        changeDpi(window, 144, offTheEdge);
        expectShownAt(window, kAboutDialog, m_language, 144, SIZE{665, 515});
        EXPECT_EQ(266, logoSize(window).cx);
        EXPECT_EQ(kGrey, PrintedClient(window).at(10, 156));
        RECT frame{};
        GetWindowRect(window, &frame);
        EXPECT_EQ(scaled.cx, frame.right - frame.left);
        EXPECT_EQ(scaled.cy, frame.bottom - frame.top);
        EXPECT_EQ(work.right, frame.right);
        EXPECT_EQ(work.bottom, frame.bottom);

        changeDpi(window, 120, inside);
        expectShownAt(window, kAboutDialog, m_language, 120, SIZE{554, 429});
        EXPECT_EQ(221, logoSize(window).cx);
        GetWindowRect(window, &frame);
        EXPECT_EQ(inside.left, frame.left);
        EXPECT_EQ(inside.top, frame.top);
    }));
}

// Each opening is a new dialog, owned by Excel and holding its Application
// while it shows; unload gives the dialog its first owner back before it is
// destroyed, as it is whichever way it closes.
TEST_F(AboutDialogTest, OkEnterEscAndTheCloseBoxEachCloseADialogThatExcelOwnedWhileItShowed) {
    const std::unique_ptr<HHOOK__, decltype(&UnhookWindowsHookEx)> hook(
        SetWindowsHookExW(WH_CALLWNDPROC, watchDialogs, nullptr, GetCurrentThreadId()), UnhookWindowsHookEx);
    ASSERT_TRUE(hook);
    enum Way { Ok, Enter, Esc, CloseBox };
    for (const Way way : {Ok, Enter, Esc, CloseBox}) {
        SCOPED_TRACE(way);
        EXPECT_EQ(S_OK, open([&](HWND dialog) {
            EXPECT_EQ(m_owner, GetWindow(dialog, GW_OWNER));
            EXPECT_FALSE(IsWindowEnabled(m_owner));
            EXPECT_EQ(m_excelReferences + 1, referencesOf(excel()));
            switch (way) {
            case Ok: pressButton(dialog, kCmdOk); break;
            case Enter: pressKey(dialog, VK_RETURN); break;
            case Esc: pressKey(dialog, VK_ESCAPE); break;
            case CloseBox: clickCloseBox(dialog); break;
            }
            EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
        }));
        EXPECT_EQ(m_excelReferences, referencesOf(excel()));
    }
    ASSERT_EQ(4u, g_lives.size());
    for (const DialogLife& life : g_lives) {
        EXPECT_TRUE(life.ownerAtCreation);
        EXPECT_NE(m_owner, life.ownerAtCreation);
        EXPECT_EQ(life.ownerAtCreation, life.ownerAtDestruction);
    }
}

TEST_F(AboutDialogTest, TheLinkOpensTheWebPageOnEveryClickEnterAndSpaceAndTheDialogStays) {
    dialogs::AboutDialog dialog;
    dialog.setShellExecute(recordShellExecute);
    EXPECT_EQ(S_OK, showAt(dialog, kAboutDialog, m_language, 96, [&](HWND window) {
        HWND link = GetDlgItem(window, kLabelBlog);
        clickAt(link);
        clickAt(link);
        // Tab goes from 确定 to the link, where Enter and Space open it and do
        // not press the default button; Tab goes back.
        SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window, kCmdOk)), TRUE);
        EXPECT_EQ(link, pressTab(window));
        pressKey(window, VK_RETURN);
        EXPECT_TRUE(waitUntil([&] { return g_opened.size() == 3; }));
        pressKey(window, VK_SPACE);
        EXPECT_TRUE(waitUntil([&] { return g_opened.size() == 4; }));
        EXPECT_EQ(GetDlgItem(window, kCmdOk), pressTab(window));
        // The address is the file to open, with its default verb, no owner, no
        // parameters, no directory, shown normally. A failure changes nothing.
        const ShellCall expected{nullptr, std::nullopt, KORVANTA_MAKER_WEB, std::nullopt, std::nullopt, SW_SHOWNORMAL};
        EXPECT_EQ(std::vector<ShellCall>(4, expected), g_opened);
        EXPECT_TRUE(IsWindowVisible(window));
        // The pointer over the link is the dialog's; elsewhere the system's.
        const LPARAM hover = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
        EXPECT_EQ(TRUE, SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), hover));
        EXPECT_EQ(FALSE, SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), hover));
    }));
}

// With high contrast every colour is the system's; switched off while the
// dialog shows, it is white again (system colour 14) with a blue title and link.
TEST_F(AboutDialogTest, WithHighContrastEveryColourIsTheSystemsAndItFollowsTheSwitch) {
    const DistinctSystemColours colours;
    g_highContrast = true;
    dialogs::AboutDialog dialog;
    dialog.setHighContrastQuery(highContrastForTest);
    EXPECT_EQ(S_OK, showAt(dialog, kAboutDialog, m_language, 96, [&](HWND window) {
        const auto expectColours = [&](COLORREF title, COLORREF text, COLORREF link, COLORREF background) {
            EXPECT_EQ(background, coloursOf(window, window, WM_CTLCOLORDLG).second);
            EXPECT_EQ(std::make_pair(title, background), coloursOf(window, GetDlgItem(window, kLabel1)));
            for (int id : {kLabel2, kLabel3, kLabel7, kLabel8, kLabel9}) {
                EXPECT_EQ(std::make_pair(text, background), coloursOf(window, GetDlgItem(window, id))) << id;
            }
            EXPECT_EQ(std::make_pair(link, background), coloursOf(window, GetDlgItem(window, kLabelBlog)));
        };
        const COLORREF background = GetSysColor(COLOR_WINDOW);
        const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
        expectColours(text, text, GetSysColor(COLOR_HOTLIGHT), background);
        EXPECT_EQ(background, coloursOf(window, GetDlgItem(window, kCmdOk), WM_CTLCOLORBTN).second);
        // The rule under the title in the text's colour; the white line in the
        // window's (at its left end, left of the note).
        const PrintedClient printed(window);
        EXPECT_EQ(text, printed.at(10, 104));
        EXPECT_EQ(background, printed.at(7, 163));

        g_highContrast = false;
        SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        expectColours(kBlue, GetSysColor(COLOR_BTNTEXT), kBlue, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }));
}

TEST_F(AboutDialogTest, ALoadFailureIsReturnedWithErrorInformationAndNothingHeld) {
    // A module without the dialog's images.
    module::setInstance(GetModuleHandleW(L"kernel32.dll"));
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_RESOURCE_TYPE_NOT_FOUND), dialogs::showAboutDialog(excel(), m_language));
    const auto error = takeThreadError();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(L"The About dialog could not be shown", error->description);
    EXPECT_FALSE(FindWindowW(L"#32770", kCaption));
}

}  // namespace
