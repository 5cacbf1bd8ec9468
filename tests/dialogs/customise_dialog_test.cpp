// The customisation dialog, worked by a user on a second thread: what it shows
// in each language and at each DPI, what each button stores, what a policy
// sets, how Enter, Esc, Tab and the close box behave, and where it opens.
#include <windows.h>
#include <commctrl.h>

#include <optional>

#include <gtest/gtest.h>

#include "dialogs/choices.h"
#include "dialogs/customise_dialog.h"
#include "dialogs/dialog_actions.h"
#include "dialogs/layout.h"
#include "host/ribbon_object.h"
#include "hostsim/dialog_user.h"
#include "hostsim/fake_office.h"
#include "settings/settings_store.h"
#include "tests/dialogs/dialog_checks.h"
#include "tests/support/korvanta_test.h"
#include "tests/support/language_names.h"

using namespace hostsim;
using namespace dialogs::layout::customise;
using namespace korvanta_test;
using dialogs::layout::kCustomiseDialog;
using settings::kSettings;
using settings::SettingFlags;

namespace {

// Checks of the dialog as it shows them: CheckAll, CheckRce, then the eight entries.
std::vector<bool> shownChecks(HWND dialog) {
    std::vector<bool> checks{IsDlgButtonChecked(dialog, kCheckAll) == BST_CHECKED,
                             IsDlgButtonChecked(dialog, kCheckRce) == BST_CHECKED};
    HWND list = GetDlgItem(dialog, kListBuiltin);
    for (int k = 0; k < 8; ++k) checks.push_back(listChecked(list, k));
    return checks;
}

// Windows 10's DPI awareness functions, looked up as the DLL looks them up.
template <class Function>
Function fromUser32(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}
const auto setThreadAwareness = fromUser32<DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT)>("SetThreadDpiAwarenessContext");
const auto threadAwareness = fromUser32<DPI_AWARENESS_CONTEXT(WINAPI*)()>("GetThreadDpiAwarenessContext");
const auto windowAwareness = fromUser32<DPI_AWARENESS_CONTEXT(WINAPI*)(HWND)>("GetWindowDpiAwarenessContext");
const auto sameAwareness = fromUser32<BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT)>("AreDpiAwarenessContextsEqual");

class CustomiseDialogTest : public DialogInExcelTest {
protected:
    CustomiseDialogTest() : DialogInExcelTest(dialogs::showCustomiseDialog, kCustomiseDialog) {}
    void SetUp() override {
        DialogInExcelTest::SetUp();
        m_ribbon.attach(new hostsim::FakeRibbonUI());
        ribbon::setRibbonObject(m_ribbon.get());
    }
    void TearDown() override {
        ribbon::releaseRibbonObject();
        EXPECT_EQ(1u, referencesOf(m_ribbon.get()));
        DialogInExcelTest::TearDown();
    }

    static void store(const wchar_t* name, const wchar_t* text) {
        writeRaw(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, utf16Bytes(text, true));
    }
    // The ten values, then Language.
    static std::vector<std::wstring> storedTexts() {
        std::vector<std::wstring> texts;
        for (const settings::Setting& setting : kSettings) texts.push_back(readString(HKEY_CURRENT_USER, kSettingsKey, setting.name).value_or(L"<none>"));
        texts.push_back(readString(HKEY_CURRENT_USER, kSettingsKey, L"Language").value_or(L"<none>"));
        return texts;
    }
    static std::vector<VARIANT_BOOL> flags() { return {SettingFlags.begin(), SettingFlags.end()}; }
    std::size_t invalidations() const { return m_ribbon->calls.size(); }

    ComPtr<hostsim::FakeRibbonUI> m_ribbon;
};

using CustomiseDialogInEachLanguage = InEachLanguage<CustomiseDialogTest>;

INSTANTIATE_TEST_SUITE_P(Languages, CustomiseDialogInEachLanguage, testing::ValuesIn(kLanguages), languageName);

const VARIANT_BOOL T = VARIANT_TRUE;
const VARIANT_BOOL F = VARIANT_FALSE;

// Shown by a caller that is System aware (as Office calls add-ins) and whose
// manifest asks for no Common Controls 6, it is Per-Monitor aware and themed,
// and the caller has both its own again afterwards.
TEST_P(CustomiseDialogInEachLanguage, ShowsItsTextsAtEachDpiThemedAndPerMonitorAware) {
    const bool awareness = setThreadAwareness && threadAwareness && windowAwareness && sameAwareness;
    const DPI_AWARENESS_CONTEXT before = awareness ? setThreadAwareness(DPI_AWARENESS_CONTEXT_SYSTEM_AWARE) : nullptr;
    const struct {
        int dpi;
        SIZE client;
    } kScales[] = {{96, {374, 230}}, {120, {468, 288}}, {144, {561, 345}}, {192, {748, 460}}};
    for (const auto& scale : kScales) {
        dialogs::CustomiseDialog dialog;
        EXPECT_EQ(S_OK, showAt(dialog, kCustomiseDialog, m_language, scale.dpi, [&](HWND window) {
            expectShownAt(window, kCustomiseDialog, m_language, scale.dpi, scale.client);
            // No policy, no note.
            EXPECT_FALSE(GetDlgItem(window, kPolicyNote));
            HWND list = GetDlgItem(window, kListBuiltin);
            ASSERT_EQ(8, listCount(list));
            for (int k = 0; k < 8; ++k) EXPECT_EQ(dialogs::kTabEntries[k].in(m_language), listText(list, k));
            // Following Office in the dialog's language, then each language in itself.
            HWND languages = GetDlgItem(window, kLanguageList);
            EXPECT_EQ(CBS_DROPDOWNLIST, GetWindowLongW(languages, GWL_STYLE) & 3);
            ASSERT_EQ(4, SendMessageW(languages, CB_GETCOUNT, 0, 0));
            const wchar_t* const items[] = {dialogs::kLanguageItems[0].text.in(m_language), L"简体中文", L"繁體中文", L"English"};
            for (int item = 0; item < 4; ++item) EXPECT_EQ(items[item], comboText(languages, item));

            for (std::size_t i = 0; i < kCustomiseDialog.controlCount; ++i) {
                HWND control = GetDlgItem(window, kCustomiseDialog.controls[i].id);
                EXPECT_TRUE(classOf(control) != L"Button" || isVersion6Button(control)) << kCustomiseDialog.controls[i].id;
            }
            if (awareness) {
                const DPI_AWARENESS_CONTEXT context = windowAwareness(window);
                EXPECT_TRUE(sameAwareness(context, DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) ||
                            sameAwareness(context, DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE));
            }
        }));
    }
    // The test program's own buttons are not themed, so the check above tells.
    EXPECT_FALSE(hostMakesVersion6Buttons());
    if (awareness) {
        EXPECT_TRUE(sameAwareness(DPI_AWARENESS_CONTEXT_SYSTEM_AWARE, threadAwareness()));
        setThreadAwareness(before);
    }
}

TEST_F(CustomiseDialogTest, OkStoresAllTenAndInvalidatesTheRibbonIfThereIsOne) {
    // Every choice the user leaves differs from what is stored, so a value
    // that OK skips keeps its old text and shows.
    const std::vector<std::wstring> before{L"0", L"1", L"00", L"1", L"0", L"1", L"0", L"0", L"1", L"1"};
    for (std::size_t i = 0; i < before.size(); ++i) store(kSettings[i].name, before[i].c_str());
    const std::vector<bool> after{true, false, true, false, true, false, true, true, false, false};
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        // The user turns every choice round but TabHome, whose odd text shows as checked.
        for (int id : {kCheckAll, kCheckRce}) {
            CheckDlgButton(dialog, id, IsDlgButtonChecked(dialog, id) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        }
        HWND list = GetDlgItem(dialog, kListBuiltin);
        for (int k = 1; k < 8; ++k) ListView_SetCheckState(list, k, !listChecked(list, k));
        EXPECT_EQ(after, shownChecks(dialog));
        pressButton(dialog, kCommandOk);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    }));
    // The odd text becomes "1"; the language shown is stored with them.
    EXPECT_EQ((std::vector<std::wstring>{L"1", L"0", L"1", L"0", L"1", L"0", L"1", L"1", L"0", L"0", L"zh-CN"}), storedTexts());
    EXPECT_EQ((std::vector<VARIANT_BOOL>{T, F, T, F, T, F, T, T, F, F}), flags());
    EXPECT_EQ(std::vector<std::wstring>{L"Invalidate"}, m_ribbon->calls);
    // OK leaves the texts as the load read them.
    EXPECT_EQ(L"00", settings::SettingTexts[2]);

    // The next opening shows what OK stored. Without a ribbon (Office never
    // called onLoad) OK stores and closes all the same.
    ribbon::releaseRibbonObject();
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        EXPECT_EQ(after, shownChecks(dialog));
        CheckDlgButton(dialog, kCheckAll, BST_UNCHECKED);
        pressButton(dialog, kCommandOk);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    }));
    EXPECT_EQ(L"0", readString(HKEY_CURRENT_USER, kSettingsKey, L"ShowAllMenu").value_or(L""));
    EXPECT_EQ(1u, invalidations());
}

// What a policy sets, the language included, shows in its state and disabled,
// under one line saying that the administrator set it; 全选 and 全不选 pass
// over it, and OK stores only what the user may choose.
TEST_F(CustomiseDialogTest, ChoicesThatAPolicySetsShowDisabledAndOkLeavesThemAlone) {
    for (const settings::Setting& setting : kSettings) store(setting.name, L"1");
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
        // One line more at the bottom, holding the note; nothing else moved,
        // also after a move to a 144 DPI monitor.
        expectShownAt(dialog, dialogs::layout::kCustomiseDialogWithPolicyNote, m_language, 96, SIZE{374, 254});
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, kPolicyNote)));
        changeDpi(dialog, 144, RECT{40, 30, 440, 470});
        expectShownAt(dialog, dialogs::layout::kCustomiseDialogWithPolicyNote, m_language, 144, SIZE{561, 381});
        const std::vector<bool> enforced{true, false, false, true, true, true, true, true, true, true};
        EXPECT_EQ(enforced, shownChecks(dialog));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kCheckAll)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kCheckRce)));
        HWND languages = GetDlgItem(dialog, kLanguageList);
        EXPECT_EQ(3, SendMessageW(languages, CB_GETCURSEL, 0, 0));  // English
        EXPECT_FALSE(IsWindowEnabled(languages));
        // Both buttons change only the list, and there only what no policy sets.
        pressButton(dialog, kCommandUnCheckAll);
        EXPECT_EQ((std::vector<bool>{true, false, false, false, false, false, true, false, false, false}), shownChecks(dialog));
        pressButton(dialog, kCommandCheckAll);
        EXPECT_EQ(enforced, shownChecks(dialog));
        CheckDlgButton(dialog, kCheckAll, BST_UNCHECKED);
        pressButton(dialog, kCommandOk);
    }));
    // The user's own values of ShowRecentFiles, TabHome and TabData are as
    // they were; SettingFlags holds the policies' states.
    EXPECT_EQ((std::vector<std::wstring>{L"0", L"1", L"1", L"1", L"1", L"1", L"0", L"1", L"1", L"1", L"zh-TW"}), storedTexts());
    EXPECT_EQ((std::vector<VARIANT_BOOL>{F, F, F, T, T, T, T, T, T, T}), flags());
    EXPECT_EQ(policiesBefore, policies());
    EXPECT_EQ(1u, invalidations());
}

// With nothing stored, everything shows checked and load stores ten "1" (but
// no language); whatever the user then changes, Cancel, Esc and the close box
// store nothing.
TEST_F(CustomiseDialogTest, CancelEscAndTheCloseBoxStoreNothing) {
    enum Way { Cancel, Esc, CloseBox };
    for (const Way way : {Cancel, Esc, CloseBox}) {
        SCOPED_TRACE(way);
        EXPECT_EQ(S_OK, open([&](HWND dialog) {
            EXPECT_EQ(std::vector<bool>(10, true), shownChecks(dialog));
            pressButton(dialog, kCommandUnCheckAll);
            CheckDlgButton(dialog, kCheckAll, BST_UNCHECKED);
            SendMessageW(GetDlgItem(dialog, kLanguageList), CB_SETCURSEL, 3, 0);
            switch (way) {
            case Cancel: pressButton(dialog, kCommandCancel); break;
            case Esc: pressKey(dialog, VK_ESCAPE); break;
            case CloseBox: clickCloseBox(dialog); break;
            }
            EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
        }));
        EXPECT_EQ((std::vector<std::wstring>{L"1", L"1", L"1", L"1", L"1", L"1", L"1", L"1", L"1", L"1", L"<none>"}), storedTexts());
        EXPECT_EQ(std::vector<VARIANT_BOOL>(10, T), flags());
        EXPECT_EQ(0u, invalidations());
    }
}

// The drop-down shows the stored language; OK stores the item chosen.
TEST_F(CustomiseDialogTest, TheLanguageShownIsTheStoredOneAndOkStoresTheChoice) {
    const struct {
        const wchar_t* stored;
        int shown;
        const wchar_t* storedByOk;  // of the item after the one shown
    } kRows[] = {{nullptr, 1, L"zh-TW"}, {L"zh-TW", 2, L"en"}, {L"en", 3, L"Office"}, {L"Office", 0, L"zh-CN"}};
    for (const auto& row : kRows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.stored ? row.stored : L"(missing)")));
        deleteTree(HKEY_CURRENT_USER, kSettingsKey);
        if (row.stored) store(L"Language", row.stored);
        EXPECT_EQ(S_OK, open([&](HWND dialog) {
            HWND languages = GetDlgItem(dialog, kLanguageList);
            EXPECT_EQ(row.shown, SendMessageW(languages, CB_GETCURSEL, 0, 0));
            SendMessageW(languages, CB_SETCURSEL, (row.shown + 1) % 4, 0);
            pressButton(dialog, kCommandOk);
        }));
        EXPECT_EQ(row.storedByOk, readString(HKEY_CURRENT_USER, kSettingsKey, L"Language").value_or(L"<none>"));
    }
}

// Tab visits the controls in reading order from the first check box; Enter
// presses the button that has the focus, and 确定 anywhere else.
TEST_F(CustomiseDialogTest, TabFollowsTheReadingOrderAndEnterPressesTheFocusedButtonElseOk) {
    EXPECT_EQ(S_OK, open([&](HWND dialog) {
        EXPECT_EQ(kCheckAll, GetDlgCtrlID(focusOf(dialog)));
        for (int id : {kCheckRce, kLanguageList, kListBuiltin, kCommandCheckAll, kCommandUnCheckAll}) {
            EXPECT_EQ(id, GetDlgCtrlID(pressTab(dialog)));
        }
        pressKey(dialog, VK_RETURN);
        EXPECT_TRUE(waitUntil([&] { return !listChecked(GetDlgItem(dialog, kListBuiltin), 0); }));
        for (int id : {kCommandOk, kCommandCancel, kCheckAll}) EXPECT_EQ(id, GetDlgCtrlID(pressTab(dialog)));
        EXPECT_TRUE(IsWindowVisible(dialog));
        pressKey(dialog, VK_RETURN);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    }));
    EXPECT_EQ(L"0", readString(HKEY_CURRENT_USER, kSettingsKey, L"TabHome").value_or(L""));
    EXPECT_EQ(L"1", readString(HKEY_CURRENT_USER, kSettingsKey, L"ShowAllMenu").value_or(L""));
    EXPECT_EQ(1u, invalidations());
}

// Centred on Excel's window, or without one on the work area, and never off
// the work area, however far off the screen Excel's window hangs.
TEST_F(CustomiseDialogTest, OpensCentredOnItsOwnerOrTheScreenAndOnTheWorkArea) {
    const RECT work = workArea();
    const struct {
        const char* where;
        std::optional<POINT> owner;  // Excel's 700 by 500 window's top left
        bool centred;
    } kRows[] = {{"on the screen", POINT{40, 30}, true},
                 {"off the top left", POINT{work.left - 600, work.top - 400}, false},
                 {"off the bottom right", POINT{work.right - 100, work.bottom - 80}, false},
                 {"none", std::nullopt, true}};
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.where);
        dialogs::CustomiseDialog dialog;
        RECT around = work;
        if (row.owner) {
            around = RECT{row.owner->x, row.owner->y, row.owner->x + 700, row.owner->y + 500};
            SetWindowPos(m_owner, nullptr, around.left, around.top, 700, 500, SWP_NOZORDER | SWP_SHOWWINDOW);
            dialog.setOwnerWindow(m_owner);
        }
        RECT frame{};
        EXPECT_EQ(S_OK, showAt(dialog, kCustomiseDialog, m_language, 0, [&](HWND window) { GetWindowRect(window, &frame); }));
        if (row.centred) {
            EXPECT_NEAR((around.left + around.right) / 2, (frame.left + frame.right) / 2, 1);
            EXPECT_NEAR((around.top + around.bottom) / 2, (frame.top + frame.bottom) / 2, 1);
        }
        EXPECT_LE(work.left, frame.left);
        EXPECT_LE(work.top, frame.top);
        EXPECT_GE(work.right, frame.right);
        EXPECT_GE(work.bottom, frame.bottom);
    }
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
