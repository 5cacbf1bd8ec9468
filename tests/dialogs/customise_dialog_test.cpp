// The customisation dialog, opened as the ribbon action opens it and worked by a
// user on a second thread: what it shows in each language and at each DPI,
// what each button stores, how Enter, Esc, Tab and the close box behave, and
// what it takes from and gives back to Excel.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "dialogs/choices.h"
#include "dialogs/customise_dialog.h"
#include "dialogs/dialog_actions.h"
#include "dialogs/layout.h"
#include "hostsim/fake_excel.h"
#include "hostsim/fake_office.h"
#include "host/ribbon_object.h"
#include "settings/settings_store.h"
#include "support/module.h"
#include "hostsim/dialog_user.h"
#include "tests/dialogs/dialog_checks.h"
#include "tests/support/korvanta_test.h"
#include "tests/support/language_names.h"

using namespace hostsim;
using namespace dialogs::layout::customise;
using namespace korvanta_test;
using settings::kSettings;
using settings::SettingFlags;

namespace {

using dialogs::layout::kCustomiseDialog;

const wchar_t* const kCaption = kCustomiseDialog.caption.in(Language::SimplifiedChinese);

struct ExpectedControl {
    int id;
    const wchar_t* className;
    const wchar_t* simplifiedChinese;  // as shipped; the other languages' from the layout
    RECT at96;  // left, top, width, height in pixels; a drop-down's height is its list's
};

// The nine controls as shipped keep their places and sizes; the language's
// frame stands right of them.
const ExpectedControl kExpected[] = {
    {kFrameShowCustom, L"Button", L"请选择", {8, 8, 233, 73}},
    {kCheckAll, L"Button", L" 显示“全部”菜单", {48, 24, 145, 25}},
    {kCheckRce, L"Button", L" 显示最近打开的文档", {48, 48, 145, 25}},
    {kFrameBuiltinTabs, L"Button", L"请选择需显示的内置选项卡", {8, 88, 233, 105}},
    {kListBuiltin, L"SysListView32", L"", {16, 112, 153, 61}},
    {kCommandCheckAll, L"Button", L"全选", {176, 112, 57, 25}},
    {kCommandUnCheckAll, L"Button", L"全不选", {176, 160, 57, 25}},
    {kCommandOk, L"Button", L"确定", {16, 200, 59, 25}},
    {kCommandCancel, L"Button", L"取消", {176, 200, 59, 25}},
    {kFrameLanguage, L"Button", L"语言", {248, 8, 120, 185}},
    {kLanguageList, L"ComboBox", L"简体中文", {256, 24, 104, 100}},
    {kLanguageNote, L"Static", L"功能区在下次启动 Excel 时更改。", {256, 54, 104, 68}},
};

const wchar_t* const kEntries[] = {
    L"显示开始选项卡", L"显示插入选项卡", L"显示页面布局选项卡", L"显示公式选项卡",
    L"显示数据选项卡", L"显示审阅选项卡", L"显示视图选项卡", L"显示开发工具选项卡",
};

// Checks of the dialog as it shows them: CheckAll, CheckRce, then the eight entries.
std::vector<bool> shownChecks(HWND dialog) {
    std::vector<bool> checks{IsDlgButtonChecked(dialog, kCheckAll) == BST_CHECKED,
                             IsDlgButtonChecked(dialog, kCheckRce) == BST_CHECKED};
    HWND list = GetDlgItem(dialog, kListBuiltin);
    for (int k = 0; k < 8; ++k) checks.push_back(listChecked(list, k));
    return checks;
}

std::vector<bool> allChecked() { return std::vector<bool>(10, true); }


class CustomiseDialogTest : public KorvantaTest {
protected:
    void SetUp() override {
        KorvantaTest::SetUp();
        module::setInstance(GetModuleHandleW(nullptr));
        m_excel.attach(new hostsim::FakeExcelApplication());
        m_owner = m_excel->showMainWindow(L"Microsoft Excel - Book1");
        m_ribbon.attach(new hostsim::FakeRibbonUI());
        ribbon::setRibbonObject(m_ribbon.get());
        m_excelReferences = referencesOf(excel());
    }
    void TearDown() override {
        ribbon::releaseRibbonObject();
        EXPECT_EQ(1u, referencesOf(m_ribbon.get()));
        // The dialog asked for Application once and called nothing else.
        for (const std::wstring& call : m_excel->calls) EXPECT_EQ(L"Application", call);
        EXPECT_EQ(m_excelReferences, referencesOf(excel()));
        EXPECT_TRUE(IsWindowEnabled(m_owner));
        KorvantaTest::TearDown();
    }

    HRESULT open(const std::function<void(HWND)>& user) {
        return showWhile([&] { return dialogs::showCustomiseDialog(excel(), m_language); },
                         [&] {
                             HWND dialog = waitForDialog(kCustomiseDialog.caption.in(m_language));
                             EXPECT_TRUE(dialog) << "the dialog did not appear";
                             if (dialog) user(dialog);
                         });
    }
    void storeAll(const wchar_t* text) {
        for (const settings::Setting& setting : kSettings) store(setting.name, text);
    }
    void store(const wchar_t* name, const std::wstring& text) {
        writeRaw(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ,
                 std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t)));
    }
    // The ten values, then Language.
    std::vector<std::wstring> storedTexts() {
        std::vector<std::wstring> texts;
        for (const settings::Setting& setting : kSettings) texts.push_back(readString(HKEY_CURRENT_USER, kSettingsKey, setting.name).value_or(L"<none>"));
        texts.push_back(readString(HKEY_CURRENT_USER, kSettingsKey, L"Language").value_or(L"<none>"));
        return texts;
    }
    static std::vector<std::wstring> texts(std::vector<std::wstring> ten, const wchar_t* language) {
        ten.push_back(language);
        return ten;
    }
    std::vector<VARIANT_BOOL> flags() { return {SettingFlags.begin(), SettingFlags.end()}; }
    std::size_t invalidations() const { return m_ribbon->calls.size(); }

    IDispatch* excel() const { return m_excel.get(); }

    ComPtr<hostsim::FakeExcelApplication> m_excel;
    ComPtr<hostsim::FakeRibbonUI> m_ribbon;
    HWND m_owner = nullptr;
    ULONG m_excelReferences = 0;
    Language m_language = Language::SimplifiedChinese;
};

using CustomiseDialogInEachLanguage = InEachLanguage<CustomiseDialogTest>;

INSTANTIATE_TEST_SUITE_P(Languages, CustomiseDialogInEachLanguage, testing::ValuesIn(kLanguages), languageName);

const VARIANT_BOOL T = VARIANT_TRUE;
const VARIANT_BOOL F = VARIANT_FALSE;

TEST_P(CustomiseDialogInEachLanguage, ShowsItsTextsLayoutAndFontsAtTheScreenDpi) {
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        EXPECT_EQ(kCustomiseDialog.caption.in(m_language), textOf(dialog));
        // It holds Excel's Application until it closes.
        EXPECT_EQ(m_excelReferences + 1, referencesOf(excel()));
        for (const ExpectedControl& expected : kExpected) {
            SCOPED_TRACE(expected.id);
            HWND control = GetDlgItem(dialog, expected.id);
            EXPECT_EQ(expected.className, classOf(control));
            const wchar_t* designed = dialogs::layout::findControl(kCustomiseDialog, expected.id)->text.in(m_language);
            if (m_language == Language::SimplifiedChinese) {
                EXPECT_EQ(expected.simplifiedChinese, textOf(control));
            }
            if (designed) {
                EXPECT_EQ(designed, textOf(control));
            }
            const RECT actual = rectInDialog(control);
            EXPECT_EQ(expected.at96.left, actual.left);
            EXPECT_EQ(expected.at96.top, actual.top);
            EXPECT_EQ(expected.at96.right, actual.right - actual.left);
            if (expected.id == kLanguageList) {
                // Closed, as tall as its font makes it, above the note.
                EXPECT_LT(actual.bottom, 54);
            } else {
                EXPECT_EQ(expected.at96.bottom, actual.bottom - actual.top);
            }
            const LOGFONTW font = fontOf(control);
            EXPECT_STREQ(L"微软雅黑", font.lfFaceName);
            EXPECT_EQ(-12, font.lfHeight);
            EXPECT_EQ(400, font.lfWeight);
            EXPECT_EQ(134, font.lfCharSet);
            EXPECT_FALSE(font.lfUnderline);
            // Themed whatever the host's manifest: the buttons are version 6.
            if (expected.className == std::wstring(L"Button")) {
                EXPECT_TRUE(isVersion6Button(control));
            }
        }
        EXPECT_EQ(374, clientSize(dialog).cx);
        EXPECT_EQ(230, clientSize(dialog).cy);
        // Following Office in the dialog's language, then each language in itself.
        HWND languages = GetDlgItem(dialog, kLanguageList);
        EXPECT_EQ(CBS_DROPDOWNLIST, GetWindowLongW(languages, GWL_STYLE) & 3);
        ASSERT_EQ(4, SendMessageW(languages, CB_GETCOUNT, 0, 0));
        const wchar_t* const items[] = {dialogs::kLanguageItems[0].text.in(m_language), L"简体中文", L"繁體中文", L"English"};
        for (int item = 0; item < 4; ++item) EXPECT_EQ(items[item], comboText(languages, item));
        EXPECT_EQ(1, SendMessageW(languages, CB_GETCURSEL, 0, 0));
        HWND list = GetDlgItem(dialog, kListBuiltin);
        ASSERT_EQ(8, listCount(list));
        for (int k = 0; k < 8; ++k) {
            if (m_language == Language::SimplifiedChinese) {
                EXPECT_EQ(kEntries[k], listText(list, k));
            }
            EXPECT_EQ(dialogs::kTabEntries[k].in(m_language), listText(list, k));
        }
        EXPECT_TRUE(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES);
        EXPECT_FALSE(GetWindowLongW(list, GWL_STYLE) & LVS_SORTASCENDING);

        // A fixed frame with only a close box, owned (so not in the taskbar)
        // and no tool window (whose caption would be small).
        const LONG style = GetWindowLongW(dialog, GWL_STYLE);
        const LONG extended = GetWindowLongW(dialog, GWL_EXSTYLE);
        EXPECT_EQ(WS_CAPTION | WS_SYSMENU, style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        EXPECT_TRUE(extended & WS_EX_DLGMODALFRAME);
        EXPECT_FALSE(extended & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW));

        // 确定 is the default button.
        for (int id : {kCommandCheckAll, kCommandUnCheckAll, kCommandOk, kCommandCancel}) {
            EXPECT_EQ(id == kCommandOk ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                      GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE) & BS_TYPEMASK) << id;
        }
        // No policy, no note.
        EXPECT_FALSE(GetDlgItem(dialog, kPolicyNote));
        clickCloseBox(dialog);
    }));
    // The test program's own buttons are not themed, so the check above
    // tells; the dialog's context went away with it.
    EXPECT_FALSE(hostMakesVersion6Buttons());
}

TEST_P(CustomiseDialogInEachLanguage, ScalesItsLayoutAndFontsWithTheDpi) {
    const struct {
        int dpi;
        SIZE client;
    } kScales[] = {{96, {374, 230}}, {120, {468, 288}}, {144, {561, 345}}, {192, {748, 460}}};
    for (const auto& scale : kScales) {
        dialogs::CustomiseDialog dialog;
        dialog.setLayoutDpi(scale.dpi);
        dialog.setLanguage(m_language);
        EXPECT_EQ(S_OK, showWhile([&] { return dialog.showModal(); },
                                  [&] {
                                      HWND window = waitForDialog(kCustomiseDialog.caption.in(m_language));
                                      ASSERT_TRUE(window);
                                      expectLaidOutAt(window, dialogs::layout::kCustomiseDialog, scale.dpi, scale.client);
                                      clickCloseBox(window);
                                  }));
    }
}

TEST_F(CustomiseDialogTest, IsCreatedPerMonitorAwareAndGivesTheCallerItsDpiAwarenessBack) {
    const DpiAwareness awareness;
    if (!awareness.available) GTEST_SKIP() << "no per-monitor DPI awareness before Windows 10 1607";
    // Office calls add-ins System aware.
    const DPI_AWARENESS_CONTEXT before = awareness.setThread(DPI_AWARENESS_CONTEXT_SYSTEM_AWARE);
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        EXPECT_TRUE(awareness.perMonitor(dialog));
        clickCloseBox(dialog);
    }));
    EXPECT_TRUE(awareness.equal(DPI_AWARENESS_CONTEXT_SYSTEM_AWARE, awareness.ofThread()));
    awareness.setThread(before);
}

TEST_F(CustomiseDialogTest, ChecksFollowTheStoredTexts) {
    // No key at all: everything checked, and load stored ten "1" (but no Language).
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        EXPECT_EQ(allChecked(), shownChecks(dialog));
        clickCloseBox(dialog);
    }));
    EXPECT_EQ(texts(std::vector<std::wstring>(10, L"1"), L"<none>"), storedTexts());

    // Only the exact text "0" unchecks.
    store(L"TabData", L"0");
    store(L"ShowRecentFiles", L"0");
    store(L"TabHome", L"00");
    store(L"TabView", L"yes");
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        std::vector<bool> expected = allChecked();
        expected[1] = false;
        expected[2 + 4] = false;  // "显示数据选项卡"
        EXPECT_EQ(expected, shownChecks(dialog));
        clickCloseBox(dialog);
    }));
    EXPECT_EQ(0u, invalidations());
}

TEST_F(CustomiseDialogTest, OkStoresAllTenAndInvalidatesTheRibbonOnce) {
    // Every choice the user leaves differs from what is stored, so a value
    // that OK skips keeps its old text and shows.
    const std::vector<std::wstring> before{L"0", L"1", L"00", L"1", L"0", L"1", L"0", L"0", L"1", L"1"};
    for (std::size_t i = 0; i < before.size(); ++i) store(settings::kSettings[i].name, before[i]);
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        // The user turns every choice round but TabHome, whose odd text shows as checked.
        for (int id : {kCheckAll, kCheckRce}) {
            CheckDlgButton(dialog, id, IsDlgButtonChecked(dialog, id) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        }
        HWND list = GetDlgItem(dialog, kListBuiltin);
        for (int k = 1; k < 8; ++k) ListView_SetCheckState(list, k, !listChecked(list, k));
        EXPECT_EQ((std::vector<bool>{true, false, true, false, true, false, true, true, false, false}), shownChecks(dialog));
        SendMessageW(GetDlgItem(dialog, kCommandOk), BM_CLICK, 0, 0);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    }));
    // The odd text becomes "1"; the language shown is stored with them.
    EXPECT_EQ(texts({L"1", L"0", L"1", L"0", L"1", L"0", L"1", L"1", L"0", L"0"}, L"zh-CN"), storedTexts());
    EXPECT_EQ((std::vector<VARIANT_BOOL>{T, F, T, F, T, F, T, T, F, F}), flags());
    EXPECT_EQ(std::vector<std::wstring>{L"Invalidate"}, m_ribbon->calls);
    // OK leaves the texts as the load read them.
    EXPECT_EQ(L"00", settings::SettingTexts[2]);

    // The next opening shows what OK stored.
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        EXPECT_EQ((std::vector<bool>{true, false, true, false, true, false, true, true, false, false}), shownChecks(dialog));
        clickCloseBox(dialog);
    }));
}

// What a policy sets, the language included, shows in its state and disabled,
// under one line saying that the administrator set it; OK stores only what
// the user may choose.
TEST_F(CustomiseDialogTest, ChoicesThatAPolicySetsShowDisabledAndOkLeavesThemAlone) {
    storeAll(L"1");
    store(L"TabData", L"0");
    writeRaw(HKEY_LOCAL_MACHINE, kPolicyKey, L"ShowRecentFiles", REG_DWORD, dwordBytes(0));
    writeRaw(HKEY_CURRENT_USER, kPolicyKey, L"TabHome", REG_SZ, utf16Bytes(L"0", true));
    writeRaw(HKEY_CURRENT_USER, kPolicyKey, L"TabData", REG_DWORD, dwordBytes(1));
    // The language too: the user chose Traditional Chinese, a policy English.
    store(L"Language", L"zh-TW");
    writeRaw(HKEY_CURRENT_USER, kPolicyKey, L"Language", REG_SZ, utf16Bytes(L"en", true));
    const auto policies = [] {
        return std::vector{readRaw(HKEY_LOCAL_MACHINE, kPolicyKey, L"ShowRecentFiles"),
                           readRaw(HKEY_CURRENT_USER, kPolicyKey, L"TabHome"), readRaw(HKEY_CURRENT_USER, kPolicyKey, L"TabData"),
                           readRaw(HKEY_CURRENT_USER, kPolicyKey, L"Language")};
    };
    const auto policiesBefore = policies();
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        // One line more at the bottom, holding the note; nothing else moved.
        expectLaidOutAt(dialog, dialogs::layout::kCustomiseDialogWithPolicyNote, 96, SIZE{374, 254});
        HWND note = GetDlgItem(dialog, kPolicyNote);
        EXPECT_TRUE(IsWindowVisible(note));
        EXPECT_EQ(L"部分选项已由管理员设置。", textOf(note));
        // A move to a 144 DPI monitor keeps the line.
        changeDpi(dialog, 144, RECT{40, 30, 440, 470});
        expectLaidOutAt(dialog, dialogs::layout::kCustomiseDialogWithPolicyNote, 144, SIZE{561, 381});
        std::vector<bool> expected{true, false, false, true, true, true, true, true, true, true};
        EXPECT_EQ(expected, shownChecks(dialog));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kCheckAll)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kCheckRce)));
        HWND languages = GetDlgItem(dialog, kLanguageList);
        EXPECT_EQ(3, SendMessageW(languages, CB_GETCURSEL, 0, 0));  // English
        EXPECT_FALSE(IsWindowEnabled(languages));
        // 全不选 and 全选 pass over the entries a policy sets.
        SendMessageW(GetDlgItem(dialog, kCommandUnCheckAll), BM_CLICK, 0, 0);
        EXPECT_EQ((std::vector<bool>{true, false, false, false, false, false, true, false, false, false}), shownChecks(dialog));
        SendMessageW(GetDlgItem(dialog, kCommandCheckAll), BM_CLICK, 0, 0);
        EXPECT_EQ(expected, shownChecks(dialog));
        CheckDlgButton(dialog, kCheckAll, BST_UNCHECKED);
        SendMessageW(GetDlgItem(dialog, kCommandOk), BM_CLICK, 0, 0);
    }));
    // The user's own values of ShowRecentFiles, TabHome and TabData are as
    // they were; SettingFlags holds the policies' states.
    EXPECT_EQ(texts({L"0", L"1", L"1", L"1", L"1", L"1", L"0", L"1", L"1", L"1"}, L"zh-TW"), storedTexts());
    EXPECT_EQ((std::vector<VARIANT_BOOL>{F, F, F, T, T, T, T, T, T, T}), flags());
    EXPECT_EQ(policiesBefore, policies());
    EXPECT_EQ(1u, invalidations());
}

TEST_F(CustomiseDialogTest, CheckAllAndUnCheckAllChangeOnlyTheList) {
    storeAll(L"1");
    store(L"ShowRecentFiles", L"0");
    store(L"TabFormulas", L"0");
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        SendMessageW(GetDlgItem(dialog, kCommandCheckAll), BM_CLICK, 0, 0);
        std::vector<bool> expected = allChecked();
        expected[1] = false;
        EXPECT_EQ(expected, shownChecks(dialog));
        SendMessageW(GetDlgItem(dialog, kCommandUnCheckAll), BM_CLICK, 0, 0);
        expected = std::vector<bool>(10, false);
        expected[0] = true;
        EXPECT_EQ(expected, shownChecks(dialog));
        // Nothing is stored before OK.
        EXPECT_EQ(L"0", readString(HKEY_CURRENT_USER, kSettingsKey, L"TabFormulas").value_or(L""));
        EXPECT_EQ(L"1", readString(HKEY_CURRENT_USER, kSettingsKey, L"TabHome").value_or(L""));
        SendMessageW(GetDlgItem(dialog, kCommandOk), BM_CLICK, 0, 0);
    }));
    EXPECT_EQ(texts({L"1", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0"}, L"zh-CN"), storedTexts());
    EXPECT_EQ((std::vector<VARIANT_BOOL>{T, F, F, F, F, F, F, F, F, F}), flags());
    EXPECT_EQ(1u, invalidations());
}

TEST_F(CustomiseDialogTest, CancelAndTheCloseBoxStoreNothing) {
    storeAll(L"1");
    store(L"TabData", L"0");
    const std::vector<std::wstring> before = storedTexts();
    for (const bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox);
        EXPECT_EQ(S_OK, open([&](HWND dialog) {
            SendMessageW(GetDlgItem(dialog, kCommandUnCheckAll), BM_CLICK, 0, 0);
            CheckDlgButton(dialog, kCheckAll, BST_UNCHECKED);
            if (closeBox) {
                clickCloseBox(dialog);
            } else {
                SendMessageW(GetDlgItem(dialog, kCommandCancel), BM_CLICK, 0, 0);
            }
            EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
        }));
        EXPECT_EQ(before, storedTexts());
        EXPECT_EQ((std::vector<VARIANT_BOOL>{T, T, T, T, T, T, F, T, T, T}), flags());
        EXPECT_EQ(0u, invalidations());
    }
}

TEST_F(CustomiseDialogTest, OkWithoutARibbonStoresAndCloses) {
    ribbon::releaseRibbonObject();
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        SendMessageW(GetDlgItem(dialog, kCommandUnCheckAll), BM_CLICK, 0, 0);
        SendMessageW(GetDlgItem(dialog, kCommandOk), BM_CLICK, 0, 0);
    }));
    EXPECT_EQ(L"0", readString(HKEY_CURRENT_USER, kSettingsKey, L"TabDeveloper").value_or(L""));
    EXPECT_EQ(0u, invalidations());
}

// The drop-down shows the stored language (anything it does not know as
// Simplified Chinese); OK stores the item chosen, Cancel nothing.
TEST_F(CustomiseDialogTest, TheLanguageShownIsTheStoredOneAndOkStoresTheChoice) {
    const struct {
        const wchar_t* stored;
        int shown;
    } kRows[] = {{nullptr, 1}, {L"zh-TW", 2}, {L"en", 3}, {L"Office", 0}, {L"fr", 1}, {L"EN", 3}};
    for (const auto& row : kRows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.stored ? row.stored : L"(missing)")));
        deleteTree(HKEY_CURRENT_USER, kSettingsKey);
        if (row.stored) store(L"Language", row.stored);
        const int chosen = (row.shown + 1) % 4;
        for (const bool ok : {false, true}) {
            EXPECT_EQ(S_OK, open([&](HWND dialog) {
                HWND languages = GetDlgItem(dialog, kLanguageList);
                EXPECT_EQ(row.shown, SendMessageW(languages, CB_GETCURSEL, 0, 0));
                SendMessageW(languages, CB_SETCURSEL, chosen, 0);
                SendMessageW(GetDlgItem(dialog, ok ? kCommandOk : kCommandCancel), BM_CLICK, 0, 0);
            }));
            const std::wstring stored = readString(HKEY_CURRENT_USER, kSettingsKey, L"Language").value_or(L"<none>");
            EXPECT_EQ(ok ? settings::storedTextOf(dialogs::kLanguageItems[chosen].choice) : row.stored ? row.stored : L"<none>",
                      stored);
        }
    }
}

TEST_F(CustomiseDialogTest, TabVisitsTheControlsInReadingOrderFromCheckAll) {
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        EXPECT_EQ(kCheckAll, GetDlgCtrlID(focusOf(dialog)));
        for (int id : {kCheckRce, kLanguageList, kListBuiltin, kCommandCheckAll, kCommandUnCheckAll, kCommandOk,
                       kCommandCancel, kCheckAll}) {
            EXPECT_EQ(id, GetDlgCtrlID(pressTab(dialog)));
        }
        clickCloseBox(dialog);
    }));
}

// Tab, then the control that has the focus once it has moved; null at once
// when a key before the Tab closed the dialog, and after 2 s when the focus
// stays, so that a dialog that went wrong fails the test quickly.
HWND tabInOpenDialog(HWND dialog) {
    HWND before = focusOf(dialog);
    pressKey(dialog, VK_TAB);
    const DWORD start = GetTickCount();
    while (IsWindow(dialog) && focusOf(dialog) == before && GetTickCount() - start < 2000) Sleep(5);
    return IsWindow(dialog) ? focusOf(dialog) : nullptr;
}

TEST_F(CustomiseDialogTest, EscIsCancel) {
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        SendMessageW(GetDlgItem(dialog, kCommandUnCheckAll), BM_CLICK, 0, 0);
        pressKey(dialog, VK_ESCAPE);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    }));
    EXPECT_EQ(texts(std::vector<std::wstring>(10, L"1"), L"<none>"), storedTexts());
    EXPECT_EQ(0u, invalidations());
}

TEST_F(CustomiseDialogTest, EnterPressesTheFocusedButtonElseOk) {
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        for (int tabs = 0; tabs < 5; ++tabs) tabInOpenDialog(dialog);
        ASSERT_EQ(kCommandUnCheckAll, GetDlgCtrlID(focusOf(dialog)));
        pressKey(dialog, VK_RETURN);
        EXPECT_TRUE(waitUntil([&] { return !listChecked(GetDlgItem(dialog, kListBuiltin), 0); }));
        // On past 确定 and 取消 to the first check box, where Enter is 确定.
        for (int tabs = 0; tabs < 3; ++tabs) tabInOpenDialog(dialog);
        ASSERT_EQ(kCheckAll, GetDlgCtrlID(focusOf(dialog)));
        EXPECT_TRUE(IsWindowVisible(dialog));
        pressKey(dialog, VK_RETURN);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    }));
    EXPECT_EQ(L"0", readString(HKEY_CURRENT_USER, kSettingsKey, L"TabHome").value_or(L""));
    EXPECT_EQ(L"1", readString(HKEY_CURRENT_USER, kSettingsKey, L"ShowAllMenu").value_or(L""));
    EXPECT_EQ(1u, invalidations());
}

TEST_F(CustomiseDialogTest, ExcelOwnsAndIsDisabledByTheDialogWhileItIsLoaded) {
    SetWindowPos(m_owner, nullptr, 40, 30, 700, 500, SWP_NOZORDER | SWP_SHOWWINDOW);
    dialogs::CustomiseDialog dialog;
    dialog.setHostApplication(excel());
    dialog.setOwnerWindow(m_owner);
    HWND creator = nullptr;
    EXPECT_EQ(S_OK, showWhile([&] { return dialog.showModal(); },
                              [&] {
                                  HWND window = waitForDialog(kCaption);
                                  ASSERT_TRUE(window);
                                  EXPECT_EQ(m_owner, GetWindow(window, GW_OWNER));
                                  EXPECT_FALSE(IsWindowEnabled(m_owner));
                                  EXPECT_TRUE(dialog.holdsHostApplication());
                                  creator = dialog.previousOwner();
                                  RECT frame{};
                                  GetWindowRect(window, &frame);
                                  EXPECT_NEAR(40 + 350, (frame.left + frame.right) / 2, 1);
                                  EXPECT_NEAR(30 + 250, (frame.top + frame.bottom) / 2, 1);
                                  clickCloseBox(window);
                              }));
    // The owner it had before load: a hidden window, which keeps the dialog
    // out of the taskbar when no owner is given.
    ASSERT_TRUE(creator);
    EXPECT_NE(m_owner, creator);
    EXPECT_TRUE(IsWindowEnabled(m_owner));
    // Excel is the active window again.
    EXPECT_EQ(m_owner, GetActiveWindow());
    EXPECT_FALSE(dialog.holdsHostApplication());
}

TEST_F(CustomiseDialogTest, AnOwnerPartlyOffTheScreenLeavesItOnTheWorkArea) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(m_owner, MONITOR_DEFAULTTOPRIMARY), &monitor));
    const RECT work = monitor.rcWork;
    // Excel hanging off the top left, then off the bottom right.
    for (const POINT at : {POINT{work.left - 600, work.top - 400}, POINT{work.right - 100, work.bottom - 80}}) {
        // The trace is per thread: the user's thread states it again.
        const std::string where = "Excel at " + std::to_string(at.x) + ", " + std::to_string(at.y);
        SCOPED_TRACE(where);
        SetWindowPos(m_owner, nullptr, at.x, at.y, 700, 500, SWP_NOZORDER | SWP_SHOWWINDOW);
        dialogs::CustomiseDialog dialog;
        dialog.setOwnerWindow(m_owner);
        EXPECT_EQ(S_OK, showWhile([&] { return dialog.showModal(); },
                                  [&] {
                                      SCOPED_TRACE(where);
                                      HWND window = waitForDialog(kCaption);
                                      ASSERT_TRUE(window);
                                      RECT frame{};
                                      GetWindowRect(window, &frame);
                                      EXPECT_LE(work.left, frame.left);
                                      EXPECT_LE(work.top, frame.top);
                                      EXPECT_GE(work.right, frame.right);
                                      EXPECT_GE(work.bottom, frame.bottom);
                                      clickCloseBox(window);
                                  }));
    }
}

TEST_F(CustomiseDialogTest, WithoutAnOwnerItIsCentredOnTheScreen) {
    dialogs::CustomiseDialog dialog;
    EXPECT_EQ(S_OK, showWhile([&] { return dialog.showModal(); },
                              [&] {
                                  HWND window = waitForDialog(kCaption);
                                  ASSERT_TRUE(window);
                                  HWND owner = GetWindow(window, GW_OWNER);
                                  EXPECT_TRUE(owner);
                                  EXPECT_FALSE(IsWindowVisible(owner));
                                  RECT work{};
                                  RECT frame{};
                                  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
                                  GetWindowRect(window, &frame);
                                  EXPECT_NEAR((work.left + work.right) / 2, (frame.left + frame.right) / 2, 1);
                                  EXPECT_NEAR((work.top + work.bottom) / 2, (frame.top + frame.bottom) / 2, 1);
                                  clickCloseBox(window);
                              }));
    EXPECT_EQ(nullptr, dialog.previousOwner());
}

TEST_F(CustomiseDialogTest, FailsWithoutShowingWhenApplicationCannotBeRead) {
    m_excel->failures[0x94] = E_ACCESSDENIED;
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(E_ACCESSDENIED, dialogs::showCustomiseDialog(excel(), Language::SimplifiedChinese));
    EXPECT_TRUE(takeThreadError().has_value());
    // Nothing was loaded: the settings key was not even created.
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, kSettingsKey));

    EXPECT_EQ(E_POINTER, dialogs::showCustomiseDialog(nullptr, Language::SimplifiedChinese));
}

}  // namespace
