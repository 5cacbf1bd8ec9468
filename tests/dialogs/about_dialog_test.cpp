// The About dialog, opened as the ribbon action opens it and worked by a user on
// a second thread: what it shows in each language, at each DPI and with high
// contrast, the ways to close it, the link, and what it takes from and gives
// back to Excel.
#include <windows.h>

#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/about_dialog.h"
#include "dialogs/dialog_actions.h"
#include "dialogs/layout.h"
#include "hostsim/fake_excel.h"
#include "maker.h"
#include "support/bstr.h"
#include "support/module.h"
#include "hostsim/dialog_user.h"
#include "tests/dialogs/dialog_checks.h"
#include "tests/support/korvanta_test.h"
#include "tests/support/language_names.h"

using namespace hostsim;
using namespace dialogs::layout::about;
using namespace korvanta_test;

namespace {

constexpr wchar_t kCaption[] = L"关于Korvanta";

struct ExpectedControl {
    int id;
    const wchar_t* className;
    const wchar_t* text;  // as shipped, in Simplified Chinese
    RECT at96;  // left, top, width, height in pixels
    int fontHeight;  // at 96 DPI; 0 for the picture, which has no text
};

const ExpectedControl kExpected[] = {
    {kPicIcon, L"Static", L"", {30, 21, 177, 81}, 0},
    {kLabel1, L"Static", L"Korvanta", {264, 22, 105, 33}, -24},
    {kLabel2, L"Static", L"EXCEL2007菜单", {225, 64, 177, 33}, -24},
    {kLabel7, L"Static",
     L"    本人制作此菜单插件纯属娱乐，加之能力有限，人又比较笨，所以出现错误请大家原谅。希望大家多联系我，共同进步。",
     {32, 120, 377, 65}, -14},
    {kLabel8, L"Static", L"代码制作：       " KORVANTA_MAKER_NAME, {32, 200, 321, 25}, -12},
    {kLabel3, L"Static", L"联系方式：", {32, 224, 81, 17}, -12},
    {kLabel4, L"Static", L"Q  Q:  " KORVANTA_MAKER_QQ, {120, 224, 105, 17}, -12},
    {kLabel5, L"Static", L"U  C :  " KORVANTA_MAKER_UC, {120, 240, 121, 17}, -12},
    {kLabel6, L"Static", L"MSN:  " KORVANTA_MAKER_MSN, {120, 256, 161, 17}, -12},
    {kLabel9, L"Static", L"我的博客:", {32, 280, 57, 17}, -12},
    {kLabelBlog, L"SysLink", L"<a>" KORVANTA_MAKER_WEB "</a>", {120, 280, 201, 25}, -12},
    {kCmdOk, L"Button", L"确定", {344, 304, 68, 23}, -12},
};

// ShellExecuteA's arguments as the link passed them: owner, verb, file,
// parameters, directory, show state.
using ShellCall = std::tuple<HWND, std::optional<std::string>, std::optional<std::string>, std::optional<std::string>,
                             std::optional<std::string>, INT>;
std::vector<ShellCall> g_opened;
std::optional<std::string> argument(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}
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

// The logo as the picture box shows it.
SIZE logoSize(HWND dialog) {
    BITMAP logo{};
    auto image = reinterpret_cast<HBITMAP>(SendMessageW(GetDlgItem(dialog, kPicIcon), STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (image) GetObjectW(image, sizeof logo, &logo);
    return SIZE{logo.bmWidth, logo.bmHeight};
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
std::vector<COLORREF> printClient(HWND window, SIZE size) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) pixels.push_back(GetPixel(dc, x, y));
    }
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

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

class AboutDialogTest : public KorvantaTest {
protected:
    void SetUp() override {
        KorvantaTest::SetUp();
        module::setInstance(GetModuleHandleW(nullptr));
        g_opened.clear();
        g_lives.clear();
        m_excel.attach(new hostsim::FakeExcelApplication());
        m_owner = m_excel->showMainWindow(L"Microsoft Excel - Book1");
        m_excelReferences = referencesOf(excel());
    }
    void TearDown() override {
        module::setInstance(GetModuleHandleW(nullptr));
        for (const std::wstring& call : m_excel->calls) EXPECT_EQ(L"Application", call);
        EXPECT_EQ(m_excelReferences, referencesOf(excel()));
        EXPECT_TRUE(IsWindowEnabled(m_owner));
        // The About dialog stores nothing.
        EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, kSettingsKey));
        KorvantaTest::TearDown();
    }

    HRESULT open(const std::function<void(HWND)>& user) {
        return showWhile([&] { return dialogs::showAboutDialog(excel(), m_language); },
                         [&] {
                             HWND dialog = waitForDialog(dialogs::layout::kAboutDialog.caption.in(m_language));
                             EXPECT_TRUE(dialog) << "the dialog did not appear";
                             if (dialog) user(dialog);
                         });
    }

    IDispatch* excel() const { return m_excel.get(); }

    ComPtr<hostsim::FakeExcelApplication> m_excel;
    HWND m_owner = nullptr;
    ULONG m_excelReferences = 0;
    Language m_language = Language::SimplifiedChinese;
};

using AboutDialogInEachLanguage = InEachLanguage<AboutDialogTest>;

INSTANTIATE_TEST_SUITE_P(Languages, AboutDialogInEachLanguage, testing::ValuesIn(kLanguages), languageName);

TEST_P(AboutDialogInEachLanguage, ShowsLogoCreditsAndLinkAtTheScreenDpi) {
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        EXPECT_EQ(dialogs::layout::kAboutDialog.caption.in(m_language), textOf(dialog));
        EXPECT_EQ(443, clientSize(dialog).cx);
        EXPECT_EQ(343, clientSize(dialog).cy);
        for (const ExpectedControl& expected : kExpected) {
            SCOPED_TRACE(expected.id);
            HWND control = GetDlgItem(dialog, expected.id);
            ASSERT_TRUE(control);
            EXPECT_EQ(expected.className, classOf(control));
            if (m_language == Language::SimplifiedChinese || expected.id == kLabelBlog) {
                EXPECT_EQ(expected.text, textOf(control));
            } else if (const wchar_t* designed = dialogs::layout::findControl(dialogs::layout::kAboutDialog, expected.id)->text.in(m_language)) {
                EXPECT_EQ(designed, textOf(control));
            }
            const RECT actual = rectInDialog(control);
            EXPECT_EQ(expected.at96.left, actual.left);
            EXPECT_EQ(expected.at96.top, actual.top);
            EXPECT_EQ(expected.at96.right, actual.right - actual.left);
            EXPECT_EQ(expected.at96.bottom, actual.bottom - actual.top);
            if (expected.fontHeight == 0) continue;
            const LOGFONTW font = fontOf(control);
            EXPECT_STREQ(L"微软雅黑", font.lfFaceName);
            EXPECT_EQ(expected.fontHeight, font.lfHeight);
            EXPECT_EQ(400, font.lfWeight);
            EXPECT_EQ(134, font.lfCharSet);
            EXPECT_EQ(expected.id == kLabelBlog, font.lfUnderline != 0);
        }

        // White background (system colour 14) everywhere; blue title and link.
        const COLORREF background = GetSysColor(COLOR_HIGHLIGHTTEXT);
        EXPECT_EQ(background, coloursOf(dialog, dialog, WM_CTLCOLORDLG).second);
        for (int id : {kLabel1, kLabelBlog}) {
            EXPECT_EQ(std::make_pair(RGB(0, 0, 255), background), coloursOf(dialog, GetDlgItem(dialog, id))) << id;
        }
        for (int id : {kLabel2, kLabel3, kLabel7, kLabel8, kLabel9}) {
            EXPECT_EQ(std::make_pair(GetSysColor(COLOR_BTNTEXT), background), coloursOf(dialog, GetDlgItem(dialog, id))) << id;
        }

        // 确定 is the default button, themed, and has the focus.
        HWND ok = GetDlgItem(dialog, kCmdOk);
        EXPECT_EQ(ok, focusOf(dialog));
        EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK);
        EXPECT_TRUE(isVersion6Button(ok));

        const LONG style = GetWindowLongW(dialog, GWL_STYLE);
        const LONG extended = GetWindowLongW(dialog, GWL_EXSTYLE);
        EXPECT_EQ(WS_CAPTION | WS_SYSMENU, style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        EXPECT_FALSE(extended & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW));

        // The hand icon is the form's icon.
        ICONINFO icon{};
        ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(SendMessageW(dialog, WM_GETICON, ICON_BIG, 0)), &icon));
        BITMAP mask{};
        GetObjectW(icon.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(32, mask.bmWidth);
        DeleteObject(icon.hbmMask);
        if (icon.hbmColor) DeleteObject(icon.hbmColor);

        // The logo, borderless, at its own size: dark blue writing on a light ground.
        HWND picture = GetDlgItem(dialog, kPicIcon);
        EXPECT_FALSE(GetWindowLongW(picture, GWL_STYLE) & WS_BORDER);
        EXPECT_FALSE(GetWindowLongW(picture, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
        auto logo = reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_TRUE(logo);
        BITMAP size{};
        GetObjectW(logo, sizeof size, &size);
        EXPECT_EQ(177, size.bmWidth);
        EXPECT_EQ(81, size.bmHeight);
        BITMAPINFO format{};
        format.bmiHeader = {sizeof(BITMAPINFOHEADER), 177, -81, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        std::vector<DWORD> pixels(177 * 81);
        HDC screen = GetDC(nullptr);
        ASSERT_EQ(81, GetDIBits(screen, logo, 0, 81, pixels.data(), &format, DIB_RGB_COLORS));
        ReleaseDC(nullptr, screen);
        int light = 0;
        int blue = 0;
        for (const DWORD pixel : pixels) {
            const int b = pixel & 0xFF, g = (pixel >> 8) & 0xFF, r = (pixel >> 16) & 0xFF;
            if (r > 200 && g > 200 && b > 200) ++light;
            if (b > r + 80 && r < 80) ++blue;
        }
        EXPECT_GT(light, 177 * 81 / 3);
        EXPECT_GT(blue, 200);

        SendMessageW(ok, BM_CLICK, 0, 0);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    }));
    EXPECT_EQ(std::vector<std::wstring>{L"Application"}, m_excel->calls);
}

TEST_F(AboutDialogTest, ScalesItsLayoutFontsAndLogoWithTheDpi) {
    const struct {
        int dpi;
        SIZE client;
        SIZE logo;
    } kScales[] = {{96, {443, 343}, {177, 81}},
                   {120, {554, 429}, {221, 102}},
                   {144, {665, 515}, {266, 121}},
                   {192, {886, 686}, {354, 162}}};
    for (const auto& scale : kScales) {
        dialogs::AboutDialog dialog;
        dialog.setLayoutDpi(scale.dpi);
        EXPECT_EQ(S_OK, showWhile([&] { return dialog.showModal(); },
                                  [&] {
                                      HWND window = waitForDialog(kCaption);
                                      ASSERT_TRUE(window);
                                      expectLaidOutAt(window, dialogs::layout::kAboutDialog, scale.dpi, scale.client);
                                      EXPECT_EQ(scale.logo.cx, logoSize(window).cx) << scale.dpi;
                                      EXPECT_EQ(scale.logo.cy, logoSize(window).cy) << scale.dpi;
                                      clickCloseBox(window);
                                  }));
    }
}

TEST_F(AboutDialogTest, FollowsADpiChangeWhileShownWithinTheWorkArea) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(m_owner, MONITOR_DEFAULTTOPRIMARY), &monitor));
    const RECT work = monitor.rcWork;
    // Windows suggests a rectangle where the dialog would hang off the bottom
    // right of the work area, then, on a move to a third monitor, one well
    // inside it.
    const RECT offTheEdge{work.right - 300, work.bottom - 200, work.right + 400, work.bottom + 350};
    const RECT inside{work.left + 5, work.top + 7, work.left + 700, work.top + 560};
    dialogs::AboutDialog dialog;
    dialog.setLayoutDpi(96);
    EXPECT_EQ(S_OK, showWhile([&] { return dialog.showModal(); },
                              [&] {
                                  HWND window = waitForDialog(kCaption);
                                  ASSERT_TRUE(window);
                                  // Asked first (by Per-Monitor v2 Windows) what size it will
                                  // take, it answers the size it then takes.
                                  SIZE scaled{};
                                  EXPECT_EQ(TRUE, SendMessageW(window, 0x02E4 /* WM_GETDPISCALEDSIZE */, 144,
                                                               reinterpret_cast<LPARAM>(&scaled)));
                                  changeDpi(window, 144, offTheEdge);
                                  expectLaidOutAt(window, dialogs::layout::kAboutDialog, 144, SIZE{665, 515});
                                  EXPECT_EQ(266, logoSize(window).cx);
                                  RECT frame{};
                                  GetWindowRect(window, &frame);
                                  EXPECT_EQ(scaled.cx, frame.right - frame.left);
                                  EXPECT_EQ(scaled.cy, frame.bottom - frame.top);
                                  EXPECT_EQ(work.right, frame.right);
                                  EXPECT_EQ(work.bottom, frame.bottom);
                                  // The grey rule, 1560 twips down, at 144 DPI.
                                  const std::vector<COLORREF> pixels = printClient(window, clientSize(window));
                                  EXPECT_EQ(RGB(128, 128, 128), pixels[156 * 665 + 10]);

                                  changeDpi(window, 120, inside);
                                  expectLaidOutAt(window, dialogs::layout::kAboutDialog, 120, SIZE{554, 429});
                                  EXPECT_EQ(221, logoSize(window).cx);
                                  GetWindowRect(window, &frame);
                                  EXPECT_EQ(inside.left, frame.left);
                                  EXPECT_EQ(inside.top, frame.top);
                                  clickCloseBox(window);
                              }));
}

TEST_F(AboutDialogTest, DrawsAGreyRuleUnderTheTitleAndAWhiteOneThroughTheNote) {
    // The grey rule: 1 pixel at y 1560 twips across the whole width. The white
    // one: 2 pixels at 96 DPI (3 at 120) centred on y 2460, from x 105 to 5654.
    const struct {
        int dpi;
        int greyRow;
        int whiteTop, whiteBottom, whiteLeft, whiteRight;  // inclusive
    } kRules[] = {{96, 104, 163, 164, 7, 376}, {120, 130, 204, 206, 9, 470}};
    for (const auto& rules : kRules) {
        // The trace is per thread: the user's thread states it again.
        const std::string dpiText = std::to_string(rules.dpi) + " DPI";
        SCOPED_TRACE(dpiText);
        dialogs::AboutDialog dialog;
        dialog.setLayoutDpi(rules.dpi);
        EXPECT_EQ(S_OK, showWhile([&] { return dialog.showModal(); },
                                  [&] {
                                      SCOPED_TRACE(dpiText);
                                      HWND window = waitForDialog(kCaption);
                                      ASSERT_TRUE(window);
                                      const SIZE size = clientSize(window);
                                      const std::vector<COLORREF> pixels = printClient(window, size);
                                      auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * size.cx + x)]; };
                                      const COLORREF grey = RGB(128, 128, 128), white = RGB(255, 255, 255), black = RGB(0, 0, 0);
                                      EXPECT_EQ(grey, at(0, rules.greyRow));
                                      EXPECT_EQ(grey, at(size.cx - 1, rules.greyRow));
                                      EXPECT_EQ(black, at(0, rules.greyRow - 1));
                                      EXPECT_EQ(black, at(0, rules.greyRow + 1));
                                      EXPECT_EQ(white, at(rules.whiteLeft, rules.whiteTop));
                                      EXPECT_EQ(white, at(rules.whiteRight, rules.whiteBottom));
                                      EXPECT_EQ(black, at(rules.whiteLeft - 1, rules.whiteBottom));
                                      EXPECT_EQ(black, at(rules.whiteRight + 1, rules.whiteTop));
                                      EXPECT_EQ(black, at(100, rules.whiteTop - 1));
                                      EXPECT_EQ(black, at(100, rules.whiteBottom + 1));
                                      clickCloseBox(window);
                                  }));
    }
}

TEST_F(AboutDialogTest, EnterEscTheCloseBoxAndOkEachCloseIt) {
    enum Way { Ok, Enter, Esc, CloseBox };
    for (const Way way : {Ok, Enter, Esc, CloseBox}) {
        SCOPED_TRACE(way);
        EXPECT_EQ(S_OK, open([&](HWND dialog) {
            EXPECT_FALSE(IsWindowEnabled(m_owner));
            EXPECT_EQ(m_excelReferences + 1, referencesOf(excel()));
            switch (way) {
            case Ok: SendMessageW(GetDlgItem(dialog, kCmdOk), BM_CLICK, 0, 0); break;
            case Enter: pressKey(dialog, VK_RETURN); break;
            case Esc: pressKey(dialog, VK_ESCAPE); break;
            case CloseBox: clickCloseBox(dialog); break;
            }
            EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
        }));
        EXPECT_EQ(m_excelReferences, referencesOf(excel()));
    }
}

TEST_F(AboutDialogTest, TheLinkOpensTheWebPageOnEveryClickEnterAndSpaceAndTheDialogStays) {
    dialogs::AboutDialog dialog;
    dialog.setShellExecute(recordShellExecute);
    EXPECT_EQ(S_OK, showWhile([&] { return dialog.showModal(); },
                              [&] {
                                  HWND window = waitForDialog(kCaption);
                                  ASSERT_TRUE(window);
                                  HWND link = GetDlgItem(window, kLabelBlog);
                                  clickAt(link);
                                  clickAt(link);
                                  // Tab goes from 确定 to the link, where Enter and Space open
                                  // it and do not press the default button; Tab goes back.
                                  SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window, kCmdOk)), TRUE);
                                  EXPECT_EQ(link, pressTab(window));
                                  pressKey(window, VK_RETURN);
                                  EXPECT_TRUE(waitUntil([&] { return g_opened.size() == 3; }));
                                  pressKey(window, VK_SPACE);
                                  EXPECT_TRUE(waitUntil([&] { return g_opened.size() == 4; }));
                                  EXPECT_EQ(GetDlgItem(window, kCmdOk), pressTab(window));
                                  // The address is the file to open, with its default verb,
                                  // no owner, no parameters, no directory, shown normally.
                                  // A failure changes nothing.
                                  const ShellCall expected{nullptr, std::nullopt, KORVANTA_MAKER_WEB, std::nullopt, std::nullopt,
                                                       SW_SHOWNORMAL};
                                  EXPECT_EQ(std::vector<ShellCall>(4, expected), g_opened);
                                  EXPECT_TRUE(IsWindowVisible(window));
                                  // The pointer over the link is the dialog's; elsewhere the system's.
                                  const LPARAM hover = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
                                  EXPECT_EQ(TRUE, SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), hover));
                                  EXPECT_EQ(FALSE, SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), hover));
                                  clickCloseBox(window);
                              }));
}

TEST_F(AboutDialogTest, WithHighContrastEveryColourIsTheSystemsAndItFollowsTheSwitch) {
    const DistinctSystemColours colours;
    g_highContrast = true;
    dialogs::AboutDialog dialog;
    dialog.setHighContrastQuery(highContrastForTest);
    EXPECT_EQ(S_OK, showWhile([&] { return dialog.showModal(); },
                              [&] {
                                  HWND window = waitForDialog(kCaption);
                                  ASSERT_TRUE(window);
                                  const COLORREF background = GetSysColor(COLOR_WINDOW);
                                  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
                                  EXPECT_EQ(background, coloursOf(window, window, WM_CTLCOLORDLG).second);
                                  EXPECT_EQ(background, coloursOf(window, GetDlgItem(window, kCmdOk), WM_CTLCOLORBTN).second);
                                  for (int id : {kLabel1, kLabel2, kLabel3, kLabel7, kLabel8, kLabel9}) {
                                      EXPECT_EQ(std::make_pair(text, background), coloursOf(window, GetDlgItem(window, id))) << id;
                                  }
                                  EXPECT_EQ(std::make_pair(GetSysColor(COLOR_HOTLIGHT), background),
                                            coloursOf(window, GetDlgItem(window, kLabelBlog)));
                                  // The rule under the title in the text's colour; the white line
                                  // in the window's (at its left end, left of the note).
                                  const std::vector<COLORREF> pixels = printClient(window, clientSize(window));
                                  EXPECT_EQ(text, pixels[104 * 443 + 10]);
                                  EXPECT_EQ(background, pixels[163 * 443 + 7]);

                                  // Switched off while shown: today's colours again.
                                  g_highContrast = false;
                                  SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
                                  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), coloursOf(window, window, WM_CTLCOLORDLG).second);
                                  EXPECT_EQ(RGB(0, 0, 255), coloursOf(window, GetDlgItem(window, kLabel1)).first);
                                  clickCloseBox(window);
                              }));
}

TEST_F(AboutDialogTest, EachOpeningIsANewDialogOwnedByExcelUntilItCloses) {
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, watchDialogs, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    for (int opening = 0; opening < 2; ++opening) {
        EXPECT_EQ(S_OK, open([&](HWND dialog) {
            EXPECT_EQ(m_owner, GetWindow(dialog, GW_OWNER));
            SendMessageW(GetDlgItem(dialog, kCmdOk), BM_CLICK, 0, 0);
        }));
    }
    UnhookWindowsHookEx(hook);
    ASSERT_EQ(2u, g_lives.size());
    for (const DialogLife& life : g_lives) {
        // Unload gave the dialog its first owner back before it was destroyed.
        EXPECT_TRUE(life.ownerAtCreation);
        EXPECT_NE(m_owner, life.ownerAtCreation);
        EXPECT_EQ(life.ownerAtCreation, life.ownerAtDestruction);
        EXPECT_FALSE(IsWindow(life.window));
    }
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
