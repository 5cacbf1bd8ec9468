// CustomMenu and AboutMenu as Office calls them on Korvanta.dll, connected to a
// fake Excel 2007 and a fake Excel 2013-365: the dialogs come from the DLL,
// with the DLL's own images, manifest and settings, owned by the Excel window
// the user works in and modal to every window of that Excel, one at a time,
// and ended when Excel lets the add-in go; the link opens the page through the
// real ShellExecuteA.
#include <windows.h>

#include <atomic>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/gdi_handles.h"
#include "dialogs/layout.h"
#include "host/excel.h"
#include "hostsim/dialog_user.h"
#include "hostsim/fake_excel.h"
#include "hostsim/fake_office.h"
#include "hostsim/office_caller.h"
#include "maker.h"
#include "tests/dialogs/dialog_checks.h"
#include "tests/support/addin_in_excel.h"

using namespace hostsim;
using namespace korvanta_test;
using dialogs::UniqueWindow;
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

constexpr wchar_t kCustomise[] = L"自定义";
constexpr wchar_t kAbout[] = L"关于Korvanta";

// A top-level window of the test's own: a floating pane beside Excel's windows.
HWND makeWindow(DWORD style) {
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"pane", WS_POPUP | style, 10, 10, 200, 100, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// Connected at start-up with the ribbon handed over and two workbooks open,
// "Sales.xlsx" the active one: Excel 2007 shows both in its main window,
// Excel 2013 and later each in a window of its own.
class RibbonActionsTest : public AddinInEachExcel {
protected:
    void SetUp() override {
        AddinInEachExcel::SetUp();
        excel->openWorkbook(L"Book1");
        m_owner = excel->openWorkbook(L"Sales.xlsx");
        ASSERT_EQ(S_OK, connect());
        ASSERT_EQ(S_OK, onLoad().hr);
        excel->calls.clear();
        m_control = hostsim::makeControl(L"Dizhi");
        m_excelReferences = referencesOf(excel.get());
    }
    void TearDown() override {
        // Excel's windows are checked while the fake Excel that owns them lives.
        for (HWND window : excel->windows()) EXPECT_TRUE(IsWindowEnabled(window));
        AddinInEachExcel::TearDown();
        EXPECT_EQ(1u, referencesOf(m_control.get()));
    }

    // Office's click on `callback`, answered S_OK once the dialog titled
    // `caption` that it opened has closed; the dialog's owner. The dialog
    // holds Excel's Application, and none of Excel's windows takes input
    // behind it. A dialog that `user` leaves open is closed.
    HWND click(const wchar_t* callback, const wchar_t* caption, const std::function<void(HWND)>& user = [](HWND) {},
               const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
        const testing::ScopedTrace trace(file, line, testing::PrintToString(std::wstring(callback)));
        HWND owner = nullptr;
        EXPECT_EQ(S_OK, whileShown([&] { return hostsim::callCallback(addin.get(), callback, m_control.get()).hr; }, caption,
                                   [&](HWND dialog) {
                                       owner = GetWindow(dialog, GW_OWNER);
                                       for (HWND window : excel->windows()) EXPECT_FALSE(IsWindowEnabled(window));
                                       EXPECT_EQ(m_excelReferences + 1, referencesOf(excel.get()));
                                       user(dialog);
                                   }));
        return owner;
    }

    ComPtr<hostsim::FakeRibbonControl> m_control;
    HWND m_owner = nullptr;
    ULONG m_excelReferences = 0;
};
KORVANTA_FOR_EACH_EXCEL(RibbonActionsTest);

TEST_P(RibbonActionsTest, CustomMenuStoresTheChoicesAndRefreshesTheRibbon) {
    EXPECT_EQ(m_owner, click(L"CustomMenu", kCustomise, [](HWND dialog) {
        pressButton(dialog, layout::customise::kCommandUnCheckAll);
        pressButton(dialog, layout::customise::kCommandOk);
    }));
    EXPECT_EQ(L"0", readString(HKEY_CURRENT_USER, kSettingsKey, L"TabHome").value_or(L""));
    EXPECT_EQ(L"1", readString(HKEY_CURRENT_USER, kSettingsKey, L"ShowAllMenu").value_or(L""));
    EXPECT_EQ(std::vector<std::wstring>{L"Invalidate"}, ribbonUi->calls);
    EXPECT_EQ(std::vector<std::wstring>{L"Application"}, excel->calls);
    // The ribbon now hides the Home tab.
    const hostsim::CallbackResult visible = callWith(L"GetVisibleII", L"TabHome", L"");
    EXPECT_EQ(S_OK, visible.hr);
    EXPECT_EQ(VARIANT_FALSE, visible.boolean);
}

TEST_P(RibbonActionsTest, AboutMenuShowsTheDllsLogoThemedAndItsLinkOpensTheBrowser) {
    const RecordingBrowser browser;
    EXPECT_EQ(m_owner, click(L"AboutMenu", kAbout, [&](HWND dialog) {
        EXPECT_EQ(177, logoSize(dialog).cx);
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

// The dialogs follow the stored language at each opening; following Office,
// Office is asked once, and an Office that cannot say leaves Simplified
// Chinese and is asked again next time. The ribbon keeps the language it was
// connected in all the while (Simplified Chinese: nothing was stored then).
TEST_P(RibbonActionsTest, TheDialogsFollowTheStoredLanguageAtOnceAndTheRibbonKeepsItsOwn) {
    const std::vector<std::wstring> asksOffice = {L"LanguageSettings", L"LanguageSettings.LanguageID(2)", L"Application"};
    const std::vector<std::wstring> asksNothing = {L"Application"};
    const struct {
        const wchar_t* stored;
        long officeLcid;
        bool officeFails;
        Language shown;
        std::vector<std::wstring> calls;
    } kRows[] = {
        {L"en", 1028, false, Language::English, asksNothing},
        {L"zh-TW", 1033, false, Language::TraditionalChinese, asksNothing},
        {L"Office", 1028, true, Language::SimplifiedChinese, {L"LanguageSettings", L"Application"}},
        {L"Office", 1028, false, Language::TraditionalChinese, asksOffice},
        // Office's language is asked once a connection.
        {L"Office", 1033, false, Language::TraditionalChinese, asksNothing},
        {L"zh-CN", 1033, false, Language::SimplifiedChinese, asksNothing},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.stored)));
        storeSetting(L"Language", row.stored);
        excel->userInterfaceLcid = row.officeLcid;
        excel->failures.clear();
        if (row.officeFails) excel->failures[excel::kLanguageSettings] = E_FAIL;
        excel->calls.clear();
        click(L"AboutMenu", layout::kAboutDialog.caption.in(row.shown));
        EXPECT_EQ(row.calls, excel->calls);
        EXPECT_FALSE(takeThreadError().has_value()) << "Office's failure was left on the thread";
        EXPECT_EQ(L"关于Korvanta(&A)", callWith(L"GetLabel", L"AboutMe", L"").text);
    }
    storeSetting(L"Language", L"en");
    click(L"CustomMenu", layout::kCustomiseDialog.caption.in(Language::English));
}

// The owner is looked up as the dialog opens: the window the user works in,
// else Application.Hwnd's, else the one titled as Excel's caption, each only
// when it is a live, visible XLMAIN window of this Excel. Excel failing to
// answer is no failure: the dialog opens without an owner, modal all the same.
// No window of this Excel takes input while it shows, a floating pane
// included; afterwards each is as it was, and the owner is active again.
TEST_P(RibbonActionsTest, TheOwnerIsTheExcelWindowOfTheMomentOrNoneAndTheDialogIsModalToAllOfExcel) {
    const bool excel2007 = GetParam() == ExcelPersona::Excel2007;
    // Only Excel 2007's window bears the caption, compared without regard to case.
    if (excel2007) SetWindowTextW(m_owner, L"MICROSOFT EXCEL - SALES.XLSX");
    const UniqueWindow pane(makeWindow(WS_VISIBLE));
    const UniqueWindow keptFromInput(makeWindow(WS_VISIBLE | WS_DISABLED));
    const UniqueWindow hidden(makeWindow(0));
    const HWND gone = makeWindow(0);
    DestroyWindow(gone);
    const UniqueWindow hiddenExcel(CreateWindowExW(0, L"XLMAIN", L"Excel", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                                   nullptr, GetModuleHandleW(nullptr), nullptr));
    const HWND byCaption = excel2007 ? m_owner : nullptr;
    const std::vector<std::wstring> allThree = {L"Application", L"Hwnd", L"Caption"};
    const struct {
        const char* what;
        HWND active;
        std::optional<HWND> hwnd;
        bool excelFails;
        HWND owner;
        std::vector<std::wstring> calls;
    } cases[] = {
        {"the active window", m_owner, std::nullopt, false, m_owner, {L"Application"}},
        {"Hwnd, a pane being active", pane.get(), std::nullopt, false, m_owner, {L"Application", L"Hwnd"}},
        {"the caption, Hwnd naming a window gone", pane.get(), gone, false, byCaption, allThree},
        {"the caption, Hwnd naming a pane", pane.get(), pane.get(), false, byCaption, allThree},
        {"the caption, Hwnd naming a hidden window", pane.get(), hiddenExcel.get(), false, byCaption, allThree},
        {"none, Hwnd and Caption failing", pane.get(), std::nullopt, true, nullptr, allThree},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        SetActiveWindow(row.active);
        excel->hwnd = row.hwnd;
        excel->failures.clear();
        if (row.excelFails) excel->failures = {{excel::kHwnd, E_FAIL}, {excel::kCaption, E_FAIL}};
        excel->calls.clear();
        SetErrorInfo(0, nullptr);
        const HWND owner = click(L"AboutMenu", kAbout, [&](HWND dialog) {
            EXPECT_FALSE(IsWindowEnabled(pane.get()));
            EXPECT_TRUE(IsWindowEnabled(hidden.get()));
            EXPECT_TRUE(IsWindowEnabled(dialog));
            // Without Excel's window, the dialog's own hidden one, which keeps
            // it out of the taskbar.
            const HWND shownOwner = GetWindow(dialog, GW_OWNER);
            EXPECT_TRUE(row.owner || (shownOwner && !IsWindowVisible(shownOwner)));
        });
        if (row.owner) {
            EXPECT_EQ(row.owner, owner);
            EXPECT_EQ(row.owner, GetActiveWindow());
        }
        EXPECT_TRUE(IsWindowEnabled(pane.get()));
        EXPECT_FALSE(IsWindowEnabled(keptFromInput.get()));
        EXPECT_TRUE(IsWindowEnabled(hidden.get()));
        EXPECT_EQ(row.calls, excel->calls);
        EXPECT_FALSE(takeThreadError().has_value()) << "Excel's failure was left on the thread";
    }
}

// Excel 2013 and later close the start-up window when a file replaces it;
// Excel 2007 retitles its one window. The dialog finds the window of now.
TEST_P(RibbonActionsTest, TheOwnerFollowsExcelsWindowsAfterTheConnection) {
    const HWND startup = excel->windows().front();
    const HWND budget = excel->openWorkbook(L"Budget.xlsx");
    if (budget != startup) excel->closeWindow(startup);
    EXPECT_EQ(budget, click(L"AboutMenu", kAbout));
}

// Clicks that reach the add-in through the dialog's own message loop, as
// Office delivers them, bring the dialog that shows to the front and open
// nothing; the first click's call returns when its dialog closes.
TEST_P(RibbonActionsTest, ASecondRequestWhileADialogShowsOpensNothing) {
    const HostThreadCalls host;
    click(L"CustomMenu", kCustomise, [&](HWND dialog) {
        // Another window of the user's takes the foreground meanwhile.
        const UniqueWindow elsewhere(makeWindow(WS_VISIBLE));
        SetForegroundWindow(elsewhere.get());
        for (const wchar_t* callback : {L"CustomMenu", L"AboutMenu"}) {
            SCOPED_TRACE(testing::PrintToString(std::wstring(callback)));
            // Asked from a third thread: a second dialog would hold the host's
            // thread in its own modal loop until it is closed.
            std::atomic<bool> returned{false};
            std::thread office([&] {
                host.run([&] { EXPECT_EQ(S_OK, hostsim::callCallback(addin.get(), callback, m_control.get()).hr); });
                returned = true;
            });
            HWND second = nullptr;
            waitUntil([&] { return returned || (second = otherDialog(dialog)) != nullptr; });
            EXPECT_EQ(nullptr, second) << "a second dialog opened";
            if (second) PostMessageW(second, WM_CLOSE, 0, 0);
            office.join();
            EXPECT_EQ(dialog, GetForegroundWindow());
        }
    });
    EXPECT_EQ(m_owner, GetActiveWindow());
}

// Excel closing while a dialog shows: OnBeginShutdown, OnDisconnection and
// the last Release arrive through the dialog's loop. The dialog ends as Cancel,
// storing nothing, no window stays disabled, and the add-in and its DLL stay
// until the call that opened the dialog has returned.
TEST_P(RibbonActionsTest, ExcelClosingWhileADialogShowsEndsItAsCancel) {
    const HostThreadCalls host;
    click(L"AboutMenu", kAbout, [&](HWND dialog) {
        host.run([&] { EXPECT_EQ(S_OK, extensibility->OnBeginShutdown(nullptr)); });
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    });
    click(L"CustomMenu", kCustomise, [&](HWND dialog) {
        pressButton(dialog, layout::customise::kCommandUnCheckAll);
        host.run([&] {
            EXPECT_EQ(S_OK, disconnect());
            releaseAddin();
            EXPECT_EQ(S_FALSE, dllCanUnloadNow()) << "the DLL could go while its dialog's call runs";
        });
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    });
    EXPECT_EQ(L"1", readString(HKEY_CURRENT_USER, kSettingsKey, L"TabHome").value_or(L""));
    EXPECT_TRUE(ribbonUi->calls.empty());
    EXPECT_FALSE(excel->hasSubscriber());
    EXPECT_EQ(S_OK, dllCanUnloadNow());
}

}  // namespace
