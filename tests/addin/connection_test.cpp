// Connecting to Excel, its workbook events, and what the add-in holds of the
// host afterwards.
#include <olectl.h>

#include "host/excel.h"
#include "settings/settings_store.h"
#include "tests/support/addin_in_excel.h"

using namespace korvanta_test;
using hostsim::FakeExcelApplication;

namespace {

constexpr HRESULT kExcelError = static_cast<HRESULT>(0x800A03ECL);

class Connection : public AddinInEachExcel {};
KORVANTA_FOR_EACH_EXCEL(Connection);

TEST_P(Connection, SubscribesAndLoadsTheSettingsAskingExcelNothing) {
    // Excel's window is looked for when a dialog opens: neither its caption
    // nor its window can fail the connection.
    excel->failures = {{excel::kCaption, kExcelError}, {excel::kHwnd, kExcelError}};
    ASSERT_EQ(S_OK, connect());
    EXPECT_TRUE(excel->hasSubscriber());
    EXPECT_TRUE(excel->calls.empty());
    for (const settings::Setting& setting : settings::kSettings) {
        EXPECT_EQ(L"1", readString(HKEY_CURRENT_USER, kSettingsKey, setting.name).value_or(L"<missing>")) << setting.name;
    }
}

// The language of the ribbon's texts is chosen at connection: the stored
// choice, or Office's user-interface language when the user follows it.
// Office is asked only then, and an Office that cannot say leaves Simplified
// Chinese without failing the connection. No Language value is ever written.
TEST_P(Connection, TheRibbonSpeaksTheChosenLanguageOrOffices) {
    const std::vector<std::wstring> asksOffice = {L"LanguageSettings", L"LanguageSettings.LanguageID(2)"};
    const struct {
        const wchar_t* stored;  // null: no Language value
        long officeLcid;
        HRESULT officeFails;    // on LanguageSettings, else on LanguageID
        bool failsOnLanguageId;
        const wchar_t* fileMenu;  // the File menu's label in the document
        const wchar_t* rowLabel;  // GetLabel for RXhang
        const wchar_t* openPrefix;  // before a recent file's path
        bool asked;
    } kRows[] = {
        {nullptr, 1033, S_OK, false, L"文件", L"行(&R)", L"打开:  ", false},
        {L"zh-CN", 1028, S_OK, false, L"文件", L"行(&R)", L"打开:  ", false},
        {L"zh-TW", 2052, S_OK, false, L"檔案", L"列(&R)", L"開啟:  ", false},
        {L"en", 2052, S_OK, false, L"File", L"&Row", L"Open:  ", false},
        {L"fr", 1036, S_OK, false, L"文件", L"行(&R)", L"打开:  ", false},
        {L"Office", 2052, S_OK, false, L"文件", L"行(&R)", L"打开:  ", true},
        {L"Office", 4100, S_OK, false, L"文件", L"行(&R)", L"打开:  ", true},
        {L"Office", 1028, S_OK, false, L"檔案", L"列(&R)", L"開啟:  ", true},
        {L"office", 3076, S_OK, false, L"檔案", L"列(&R)", L"開啟:  ", true},
        {L"Office", 5124, S_OK, false, L"檔案", L"列(&R)", L"開啟:  ", true},
        {L"Office", 1033, S_OK, false, L"File", L"&Row", L"Open:  ", true},
        {L"Office", 1041, S_OK, false, L"File", L"&Row", L"Open:  ", true},
        {L"Office", 1033, kExcelError, false, L"文件", L"行(&R)", L"打开:  ", true},
        {L"Office", 1033, kExcelError, true, L"文件", L"行(&R)", L"打开:  ", true},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(testing::Message() << testing::PrintToString(std::wstring(row.stored ? row.stored : L"(none)"))
                                        << " Office " << row.officeLcid << (FAILED(row.officeFails) ? " failing" : ""));
        deleteTree(HKEY_CURRENT_USER, kSettingsKey);
        if (row.stored) storeSetting(L"Language", row.stored);
        releaseAddin();
        addin = createAddin();
        ASSERT_EQ(S_OK, addin.query(extensibility));
        excel->userInterfaceLcid = row.officeLcid;
        excel->failures.clear();
        if (FAILED(row.officeFails)) {
            excel->failures[row.failsOnLanguageId ? excel::kLanguageId : excel::kLanguageSettings] = row.officeFails;
        }
        excel->calls.clear();
        SetErrorInfo(0, nullptr);
        ASSERT_EQ(S_OK, connect());
        EXPECT_FALSE(takeThreadError().has_value()) << "Office's failure was left on the thread";
        // LanguageID is not asked of a LanguageSettings Excel did not give.
        const std::size_t asked = !row.asked ? 0 : FAILED(row.officeFails) && !row.failsOnLanguageId ? 1 : 2;
        EXPECT_EQ(std::vector<std::wstring>(asksOffice.begin(), asksOffice.begin() + asked), excel->calls);
        EXPECT_EQ(row.stored ? std::optional<std::wstring>(row.stored) : std::nullopt,
                  readString(HKEY_CURRENT_USER, kSettingsKey, L"Language"));

        BSTR document = nullptr;
        ComPtr<IRibbonExtensibility> ribbon;
        ASSERT_EQ(S_OK, addin.query(ribbon));
        ASSERT_EQ(S_OK, ribbon->GetCustomUI(nullptr, &document));
        EXPECT_NE(std::wstring::npos, std::wstring(document).find(L"label=\"" + std::wstring(row.fileMenu) + L"\""));
        SysFreeString(document);
        EXPECT_EQ(row.rowLabel, callWith(L"GetLabel", L"RXhang", L"").text);
        excel->recentFiles = {L"C:\\Book1.xlsx"};
        excel->failures.clear();
        EXPECT_NE(std::wstring::npos,
                  callWith(L"rxKorvanta_get", L"rxMenu_wenjian", L"File").text.find(std::wstring(L"supertip=\"") +
                                                                                   row.openPrefix + L"C:\\Book1.xlsx"));
        ASSERT_EQ(S_OK, disconnect());
    }
}

TEST_P(Connection, ConnectModeMakesNoDifference) {
    ASSERT_EQ(S_OK, extensibility->OnConnection(excel.get(), ext_cm_AfterStartup, nullptr, nullptr));
    EXPECT_TRUE(excel->hasSubscriber());
    EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, kSettingsKey));
}

TEST_P(Connection, TheEmptyEntriesDoNothing) {
    EXPECT_EQ(S_OK, extensibility->OnAddInsUpdate(nullptr));
    EXPECT_EQ(S_OK, extensibility->OnStartupComplete(nullptr));
    EXPECT_EQ(S_OK, extensibility->OnBeginShutdown(nullptr));
    EXPECT_TRUE(excel->calls.empty());
}

TEST_P(Connection, AHostThatIsNotExcelIsRefusedWithNothingKept) {
    // Any automation object without Excel's _Application, such as a ribbon.
    const ULONG before = referencesOf(ribbonUi.get());
    EXPECT_EQ(E_NOINTERFACE, connect(ribbonUi.get()));
    EXPECT_EQ(before, referencesOf(ribbonUi.get()));
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, kSettingsKey)) << "settings were loaded";
    const auto error = takeThreadError();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(L"Korvanta", error->source);
    // The caller came in through the add-in connection interface: that is the
    // interface the error names.
    EXPECT_TRUE(IsEqualGUID(IID__IDTExtensibility2, error->iid));
}

TEST_P(Connection, AnApplicationWithoutEventsIsRefused) {
    excel->offersEvents = false;
    EXPECT_EQ(CONNECT_E_NOCONNECTION, connect());
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, kSettingsKey));
}

TEST_P(Connection, ARefusedSubscriptionIsAFailedConnection) {
    excel->adviseFailure = E_ACCESSDENIED;
    EXPECT_EQ(E_ACCESSDENIED, connect());
    EXPECT_FALSE(excel->hasSubscriber());
    EXPECT_TRUE(excel->calls.empty());
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, kSettingsKey));
}

TEST_P(Connection, ASecondConnectionReplacesTheFirstApplication) {
    ComPtr<FakeExcelApplication> other;
    other.attach(new FakeExcelApplication(GetParam()));
    const ULONG before = referencesOf(excel.get());
    ASSERT_EQ(S_OK, connect());
    ASSERT_EQ(S_OK, connect(other.get()));
    EXPECT_FALSE(excel->hasSubscriber());
    EXPECT_TRUE(other->hasSubscriber());
    EXPECT_EQ(before, referencesOf(excel.get()));
}

TEST_P(Connection, AfterDisconnectionAndReleaseExcelHoldsNothingOfTheAddin) {
    const ULONG before = referencesOf(excel.get());
    ASSERT_EQ(S_OK, connect());
    ASSERT_EQ(S_OK, onLoad().hr);
    EXPECT_EQ(S_OK, disconnect());
    EXPECT_FALSE(excel->hasSubscriber()) << "the subscription outlived the disconnection";
    EXPECT_EQ(S_OK, excel->raiseWorkbookOpen());
    EXPECT_TRUE(ribbonUi->calls.empty());
    releaseAddin();
    EXPECT_EQ(before, referencesOf(excel.get()));
    EXPECT_EQ(1u, referencesOf(ribbonUi.get())) << "the ribbon object outlived the last add-in object";
    EXPECT_EQ(0, FakeExcelApplication::liveChildren());
    EXPECT_EQ(S_OK, dllCanUnloadNow());
}

TEST_P(Connection, ReleasingWithoutDisconnectionEndsTheSubscriptionToo) {
    const ULONG before = referencesOf(excel.get());
    ASSERT_EQ(S_OK, connect());
    releaseAddin();
    EXPECT_FALSE(excel->hasSubscriber());
    EXPECT_EQ(before, referencesOf(excel.get()));
    EXPECT_EQ(S_OK, dllCanUnloadNow());
}

class WorkbookEvents : public AddinInEachExcel {
protected:
    void SetUp() override {
        AddinInExcel::SetUp();
        ASSERT_EQ(S_OK, connect());
    }
    const std::vector<std::wstring> kBothFileMenus{L"InvalidateControl(rxMenu_wenjian1)",
                                                   L"InvalidateControl(rxMenu_wenjian)"};
};
KORVANTA_FOR_EACH_EXCEL(WorkbookEvents);

TEST_P(WorkbookEvents, OpeningAWorkbookInvalidatesBothFileMenusInOrder) {
    ASSERT_EQ(S_OK, onLoad().hr);
    EXPECT_EQ(S_OK, excel->raiseWorkbookOpen());
    EXPECT_EQ(kBothFileMenus, ribbonUi->calls);
}

TEST_P(WorkbookEvents, EveryOpenInvalidatesAgain) {
    ASSERT_EQ(S_OK, onLoad().hr);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(S_OK, excel->raiseWorkbookOpen());
    EXPECT_EQ(6u, ribbonUi->calls.size());
}

TEST_P(WorkbookEvents, SavingInvalidatesBothFileMenusAndLeavesCancelAlone) {
    ASSERT_EQ(S_OK, onLoad().hr);
    VARIANT_BOOL cancel = VARIANT_FALSE;
    EXPECT_EQ(S_OK, excel->raiseWorkbookBeforeSave(VARIANT_TRUE, cancel));
    EXPECT_EQ(VARIANT_FALSE, cancel);
    EXPECT_EQ(kBothFileMenus, ribbonUi->calls);
    // Another add-in has already cancelled the save: it stays cancelled.
    cancel = VARIANT_TRUE;
    EXPECT_EQ(S_OK, excel->raiseWorkbookBeforeSave(VARIANT_FALSE, cancel));
    EXPECT_EQ(VARIANT_TRUE, cancel);
}

TEST_P(WorkbookEvents, BeforeOfficeHandsOverTheRibbonNothingIsRefreshed) {
    EXPECT_EQ(S_OK, excel->raiseWorkbookOpen());
    VARIANT_BOOL cancel = VARIANT_FALSE;
    EXPECT_EQ(S_OK, excel->raiseWorkbookBeforeSave(VARIANT_FALSE, cancel));
}

TEST_P(WorkbookEvents, AFailingInvalidationEndsTheHandlerAndIsReturned) {
    ASSERT_EQ(S_OK, onLoad().hr);
    ribbonUi->invalidateControlFailure = E_UNEXPECTED;
    std::wstring description;
    EXPECT_EQ(E_UNEXPECTED, excel->raiseWorkbookOpen(&description));
    EXPECT_EQ(std::vector<std::wstring>{L"InvalidateControl(rxMenu_wenjian1)"}, ribbonUi->calls);
    EXPECT_FALSE(description.empty());
    ribbonUi->calls.clear();
    VARIANT_BOOL cancel = VARIANT_FALSE;
    EXPECT_EQ(E_UNEXPECTED, excel->raiseWorkbookBeforeSave(VARIANT_FALSE, cancel));
    EXPECT_EQ(1u, ribbonUi->calls.size());
    EXPECT_EQ(VARIANT_FALSE, cancel);
}

TEST_P(WorkbookEvents, TheSecondInvalidationFailingIsReturnedToo) {
    ASSERT_EQ(S_OK, onLoad().hr);
    ribbonUi->invalidateControlFailure = E_FAIL;
    ribbonUi->failFromCall = 1;
    EXPECT_EQ(E_FAIL, excel->raiseWorkbookOpen());
    EXPECT_EQ(kBothFileMenus, ribbonUi->calls);
}

TEST_P(WorkbookEvents, OtherEventsAreIgnored) {
    ASSERT_EQ(S_OK, onLoad().hr);
    for (DISPID other : {0x61D, 0x620, 0x622, 0x616}) EXPECT_EQ(S_OK, excel->raiseOtherEvent(other));
    EXPECT_TRUE(ribbonUi->calls.empty());
}

TEST_P(WorkbookEvents, ALaterOnLoadReplacesTheRibbonObject) {
    ComPtr<hostsim::FakeRibbonUI> second;
    second.attach(new hostsim::FakeRibbonUI());
    ASSERT_EQ(S_OK, onLoad().hr);
    ASSERT_EQ(S_OK, onLoad(second.get()).hr);
    EXPECT_EQ(1u, referencesOf(ribbonUi.get())) << "the first ribbon object was not released";
    EXPECT_EQ(S_OK, excel->raiseWorkbookOpen());
    EXPECT_TRUE(ribbonUi->calls.empty());
    EXPECT_EQ(kBothFileMenus, second->calls);
}

}  // namespace
