// CustomMenu and AboutMenu as Office calls them on Korvanta.dll, connected to a
// fake Excel: the dialogs come from the DLL, with the DLL's own images,
// manifest and settings, owned by Excel's main window; the link opens the
// page through the real ShellExecuteA.
#include <windows.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include <gtest/gtest.h>

#include "dialogs/layout.h"
#include "hostsim/fake_excel.h"
#include "hostsim/fake_office.h"
#include "hostsim/office_caller.h"
#include "hostsim/dialog_user.h"
#include "maker.h"
#include "tests/dialogs/dialog_checks.h"
#include "tests/support/addin_in_excel.h"

using namespace hostsim;
using namespace korvanta_test;
namespace layout = dialogs::layout;

namespace {

// For as long as it lives, the prefix's browser for http addresses is
// record_argument.exe, which writes the address it is given to a file; the
// handler before is put back at the end. Wine's ShellExecute reads the handler
// from HKEY_CLASSES_ROOT, which is HKLM\Software\Classes there.
class RecordingBrowser {
public:
    RecordingBrowser() {
        wchar_t folder[MAX_PATH] = L"";
        GetTempPathW(MAX_PATH, folder);
        m_record = std::wstring(folder) + L"korvanta-opened-address.txt";
        DeleteFileW(m_record.c_str());
        m_before = readString(HKEY_CLASSES_ROOT, kHandler, nullptr);
        const std::wstring command = L"\"" + winePath(KORVANTA_RECORDER_UNIX_PATH) + L"\" \"" + m_record + L"\" \"%1\"";
        writeRaw(HKEY_CLASSES_ROOT, kHandler, nullptr, REG_SZ, utf16Bytes(command, true));
    }
    ~RecordingBrowser() {
        if (m_before) {
            writeRaw(HKEY_CLASSES_ROOT, kHandler, nullptr, REG_SZ, utf16Bytes(*m_before, true));
        } else {
            deleteTree(HKEY_CLASSES_ROOT, kHandler);
        }
        DeleteFileW(m_record.c_str());
    }
    // The address the browser was started with; empty when none came in 5 s.
    std::string opened() const {
        std::string address;
        hostsim::waitUntil([&] {
            std::ifstream in(m_record.c_str(), std::ios::binary);
            address.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            return !address.empty();
        });
        return address;
    }

private:
    static constexpr const wchar_t* kHandler = L"http\\shell\\open\\command";
    std::wstring m_record;
    std::optional<std::wstring> m_before;
};

// Connected at start-up with Excel's main window on screen, the ribbon handed
// over, and the Dizhi button's control to press.
class RibbonActionsTest : public AddinInExcel {
protected:
    void SetUp() override {
        AddinInExcel::SetUp();
        m_owner = excel->showMainWindow(excel->caption);
        ASSERT_EQ(S_OK, connect());
        ASSERT_EQ(S_OK, onLoad().hr);
        excel->calls.clear();
        m_control = hostsim::makeControl(L"Dizhi");
        m_excelReferences = referencesOf(excel.get());
    }
    void TearDown() override {
        // Excel's window is checked while the fake Excel that owns it lives.
        EXPECT_TRUE(IsWindowEnabled(m_owner));
        AddinInExcel::TearDown();
        EXPECT_EQ(1u, referencesOf(m_control.get()));
    }

    HRESULT click(const wchar_t* callback, const wchar_t* caption, const std::function<void(HWND)>& user) {
        return showWhile([&] { return hostsim::callCallback(addin.get(), callback, m_control.get()).hr; },
                         [&] {
                             HWND dialog = waitForDialog(caption);
                             ASSERT_TRUE(dialog);
                             EXPECT_EQ(m_owner, GetWindow(dialog, GW_OWNER));
                             EXPECT_EQ(m_excelReferences + 1, referencesOf(excel.get()));
                             user(dialog);
                         });
    }

    ComPtr<hostsim::FakeRibbonControl> m_control;
    HWND m_owner = nullptr;
    ULONG m_excelReferences = 0;
};

TEST_F(RibbonActionsTest, CustomMenuStoresTheChoicesAndRefreshesTheRibbon) {
    EXPECT_EQ(S_OK, click(L"CustomMenu", L"自定义", [](HWND dialog) {
        SendMessageW(GetDlgItem(dialog, layout::customise::kCommandUnCheckAll), BM_CLICK, 0, 0);
        SendMessageW(GetDlgItem(dialog, layout::customise::kCommandOk), BM_CLICK, 0, 0);
    }));
    EXPECT_EQ(L"0", readString(HKEY_CURRENT_USER, kSettingsKey, L"TabHome").value_or(L""));
    EXPECT_EQ(L"1", readString(HKEY_CURRENT_USER, kSettingsKey, L"ShowAllMenu").value_or(L""));
    EXPECT_EQ(std::vector<std::wstring>{L"Invalidate"}, ribbonUi->calls);
    EXPECT_EQ(std::vector<std::wstring>{L"Application"}, excel->calls);
    // The ribbon now hides the Home tab.
    const hostsim::CallbackResult visible =
        hostsim::callCallback(addin.get(), L"GetVisibleII", hostsim::makeControl(L"TabHome").get());
    EXPECT_EQ(S_OK, visible.hr);
    EXPECT_EQ(VARIANT_FALSE, visible.boolean);
}

TEST_F(RibbonActionsTest, AboutMenuShowsTheDllsLogoThemedAndItsLinkOpensTheBrowser) {
    const RecordingBrowser browser;
    EXPECT_EQ(S_OK, click(L"AboutMenu", L"关于Korvanta", [&](HWND dialog) {
        BITMAP logo{};
        auto image = reinterpret_cast<HBITMAP>(
            SendMessageW(GetDlgItem(dialog, layout::about::kPicIcon), STM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_TRUE(image);
        GetObjectW(image, sizeof logo, &logo);
        EXPECT_EQ(177, logo.bmWidth);
        EXPECT_TRUE(SendMessageW(dialog, WM_GETICON, ICON_BIG, 0));
        // This program asks for no Common Controls 6; the DLL's manifest does.
        EXPECT_FALSE(hostMakesVersion6Buttons());
        EXPECT_TRUE(isVersion6Button(GetDlgItem(dialog, layout::about::kCmdOk)));
        HWND link = GetDlgItem(dialog, layout::about::kLabelBlog);
        EXPECT_EQ(L"SysLink", classOf(link));
        clickAt(link);
        EXPECT_EQ(KORVANTA_MAKER_WEB, browser.opened());
        EXPECT_TRUE(IsWindowVisible(dialog));
        pressKey(dialog, VK_ESCAPE);
    }));
    EXPECT_EQ(std::vector<std::wstring>{L"Application"}, excel->calls);
    EXPECT_TRUE(ribbonUi->calls.empty());
}

// Which window owns the dialogs: Excel's main window as the add-in found it
// when it connected.
class ExcelWindowTest : public AddinInExcel {
protected:
    // The About dialog's owner while it is shown.
    HWND aboutOwner() {
        HWND owner = nullptr;
        const HRESULT hr = showWhile(
            [&] { return hostsim::callCallback(addin.get(), L"AboutMenu", hostsim::makeControl(L"AboutMe").get()).hr; },
            [&] {
                const HWND dialog = waitForDialog(L"关于Korvanta");
                if (!dialog) return;
                owner = GetWindow(dialog, GW_OWNER);
                pressKey(dialog, VK_ESCAPE);
            });
        EXPECT_EQ(S_OK, hr);
        return owner;
    }
};

TEST_F(ExcelWindowTest, TheTitleIsComparedWithoutRegardToCase) {
    const HWND window = excel->showMainWindow(L"MICROSOFT EXCEL - BOOK1");
    ASSERT_EQ(S_OK, connect());
    EXPECT_EQ(window, aboutOwner());
}

TEST_F(ExcelWindowTest, WithoutAWindowTitledAsTheCaptionTheDialogsHaveNoExcelOwner) {
    // The title carries a workbook name that the caption lacks.
    const HWND window = excel->showMainWindow(L"Microsoft Excel - Book1 [Read-Only]");
    ASSERT_EQ(S_OK, connect());
    const HWND owner = aboutOwner();
    EXPECT_NE(window, owner);
    EXPECT_TRUE(IsWindowEnabled(window));
}

TEST_F(ExcelWindowTest, TheWindowIsFoundOnceAtConnection) {
    const HWND window = excel->showMainWindow(excel->caption);
    ASSERT_EQ(S_OK, connect());
    SetWindowTextW(window, L"Microsoft Excel - Budget.xlsx");
    EXPECT_EQ(window, aboutOwner());
    // A window that appears only after the connection is not looked for.
    ComPtr<hostsim::FakeExcelApplication> later;
    later.attach(new hostsim::FakeExcelApplication());
    const HWND laterWindow = later->showMainWindow(excel->caption);
    EXPECT_EQ(window, aboutOwner());
    EXPECT_NE(laterWindow, window);
}

}  // namespace
