// rxKorvanta_get and OpenFile as Office calls them, with a simulated Excel.
#include "ribbon/menu_content.h"

#include <string>
#include <vector>

#include "host/excel.h"
#include "ribbon/file_menu.h"
#include "ribbon/menu_catalogue.h"
#include "tests/ribbon/expected_text.h"
#include "tests/support/addin_in_excel.h"

namespace {

using korvanta_test::AddinInEachExcel;

class MenuContent : public AddinInEachExcel {
protected:
    void SetUp() override {
        AddinInEachExcel::SetUp();
        connectAndClearCalls();
    }

    // Three files as this Excel lists them.
    const std::vector<std::wstring> kThreeFiles = hostsim::typicalRecentFiles(GetParam());

    hostsim::CallbackResult menu(const wchar_t* tag, const wchar_t* id = L"rxMenu_wenjian") {
        return callWith(L"rxKorvanta_get", id, tag);
    }

    std::wstring fileMenuText() {
        const hostsim::CallbackResult result = menu(L"File");
        EXPECT_EQ(S_OK, result.hr);
        EXPECT_EQ(VT_BSTR, result.type);
        return result.text;
    }

    hostsim::CallbackResult press(const wchar_t* id) { return callWith(L"OpenFile", id, L"二"); }

    // The document the add-in should send for the first three of `paths`.
    static std::wstring fileMenuOf(const std::vector<std::wstring>& paths) {
        std::vector<ribbon::RecentEntry> entries;
        for (std::size_t i = 0; i < paths.size() && i < 3; ++i) entries.push_back({paths[i], ribbon::fileNameOf(paths[i])});
        return ribbon::fileMenuDocument(entries);
    }

    static std::vector<std::wstring> listCalls(int files) {
        std::vector<std::wstring> calls = {L"RecentFiles", L"RecentFiles.Count"};
        for (int i = 1; i <= files; ++i) {
            calls.insert(calls.end(), {L"RecentFiles", L"RecentFiles.Item(" + std::to_wstring(i) + L")", L"RecentFile.Path"});
        }
        return calls;
    }
};
KORVANTA_FOR_EACH_EXCEL(MenuContent);

TEST_P(MenuContent, FixedMenusByTagWithoutAskingExcel) {
    const struct {
        const wchar_t* tag;
        const char* file;
    } menus[] = {{L"Edit", "menu_edit.xml"},     {L"View", "menu_view.xml"},   {L"Insert", "menu_insert.xml"},
                 {L"Format", "menu_format.xml"}, {L"Tools", "menu_tools.xml"}, {L"Date", "menu_data.xml"},
                 {L"Windows", "menu_window.xml"}, {L"Help", "menu_help.xml"}};
    for (const auto& m : menus) {
        const hostsim::CallbackResult inBar = menu(m.tag, L"rxMenu_bianji");
        const hostsim::CallbackResult inCombined = menu(m.tag, L"rxMenu_bianji1");
        EXPECT_EQ(S_OK, inBar.hr);
        EXPECT_EQ(ribbon_test::expectedText(m.file), ribbon_test::toUtf8(inBar.text));
        EXPECT_EQ(inCombined.text, inBar.text);
    }
    EXPECT_TRUE(excel->calls.empty());
}

TEST_P(MenuContent, OtherTagsGetTheEmptyText) {
    for (const wchar_t* tag : {L"file", L"Data", L"Window", L"HELP", L"", L"Edit ", L"一"}) {
        const hostsim::CallbackResult result = menu(tag);
        EXPECT_EQ(S_OK, result.hr);
        EXPECT_EQ(VT_BSTR, result.type);
        EXPECT_EQ(L"", result.text);
    }
    EXPECT_TRUE(excel->calls.empty());
}

TEST_P(MenuContent, FileMenuWithoutRecentFiles) {
    EXPECT_EQ(ribbon_test::expectedText("menu_file_none.xml"), ribbon_test::toUtf8(fileMenuText()));
    EXPECT_EQ(excel->calls, listCalls(0));
}

TEST_P(MenuContent, FileMenuWithOneAndThreeRecentFiles) {
    excel->recentFiles = {L"C:\\Data\\Book1.xlsx"};
    EXPECT_EQ(ribbon_test::expectedText("menu_file_one.xml"), ribbon_test::toUtf8(fileMenuText()));
    EXPECT_EQ(excel->calls, listCalls(1));
    excel->recentFiles = kThreeFiles;
    excel->calls.clear();
    // Excel 2013 and later list workbooks in the cloud by web address.
    const char* expected = GetParam() == hostsim::ExcelPersona::Excel2007 ? "menu_file_three.xml" : "menu_file_three_web.xml";
    EXPECT_EQ(ribbon_test::expectedText(expected), ribbon_test::toUtf8(fileMenuText()));
    EXPECT_EQ(excel->calls, listCalls(3));
    // Both File menus get the same document.
    EXPECT_EQ(menu(L"File", L"rxMenu_wenjian1").text, menu(L"File", L"rxMenu_wenjian").text);
}

TEST_P(MenuContent, FiveFilesListTheFirstThree) {
    excel->recentFiles = {L"C:\\1.xlsx", L"C:\\2&.xlsx", L"noslash.xls", L"C:\\4.xlsx", L"C:\\5.xlsx"};
    EXPECT_EQ(fileMenuText(), fileMenuOf(excel->recentFiles));
    EXPECT_EQ(excel->calls, listCalls(3));
}

TEST_P(MenuContent, CountsBeyondSixteenBitsListThreeAndNegativeCountsNone) {
    excel->recentFiles = {L"C:\\1.xlsx", L"C:\\2.xlsx", L"C:\\3.xlsx", L"C:\\4.xlsx"};
    for (double count : {32768.0, 65539.0, 4294967299.0}) {
        excel->recentFilesCount = count;
        excel->calls.clear();
        EXPECT_EQ(fileMenuText(), fileMenuOf(excel->recentFiles)) << count;
        EXPECT_EQ(excel->calls, listCalls(3)) << count;
    }
    excel->recentFilesCount = -1;
    excel->calls.clear();
    EXPECT_EQ(fileMenuText(), fileMenuOf({}));
    EXPECT_EQ(excel->calls, listCalls(0));
}

TEST_P(MenuContent, OpenFileOpensTheListedPathWithFourteenMissingArguments) {
    excel->recentFiles = kThreeFiles;
    fileMenuText();
    excel->calls.clear();
    const hostsim::CallbackResult result = press(L"RecentFile2");
    EXPECT_EQ(S_OK, result.hr);
    ASSERT_EQ(1u, excel->opens.size());
    EXPECT_EQ(kThreeFiles[1], excel->opens[0].filename);
    EXPECT_EQ(15u, excel->opens[0].argumentCount);
    EXPECT_TRUE(excel->opens[0].optionalArgumentsMissing);
    EXPECT_EQ(1033u, excel->opens[0].lcid);
    EXPECT_EQ(excel->calls, (std::vector<std::wstring>{L"Workbooks", L"Workbooks.Open"}));
}

TEST_P(MenuContent, OpenFileRefusesButtonsOutsideTheTable) {
    // No File menu built yet: no table at all.
    expectFailure(press(L"RecentFile1"), DISP_E_BADINDEX);
    excel->recentFiles = {L"C:\\a.xlsx", L"C:\\b.xlsx"};
    fileMenuText();
    for (const wchar_t* id : {L"RecentFile0", L"RecentFile3", L"RecentFile", L"", L"RecentFileX", L"RecentFile1 "}) {
        expectFailure(press(id), DISP_E_BADINDEX);
    }
    EXPECT_TRUE(excel->opens.empty());
}

TEST_P(MenuContent, ARebuiltShorterListLimitsOpenFile) {
    excel->recentFiles = kThreeFiles;
    fileMenuText();
    excel->recentFiles = {L"C:\\new.xlsx"};
    fileMenuText();
    expectFailure(press(L"RecentFile3"), DISP_E_BADINDEX);
    EXPECT_TRUE(excel->opens.empty());
    EXPECT_EQ(S_OK, press(L"RecentFile1").hr);
    ASSERT_EQ(1u, excel->opens.size());
    EXPECT_EQ(L"C:\\new.xlsx", excel->opens[0].filename);
}

TEST_P(MenuContent, AnEmptyListKeepsTheEarlierTable) {
    excel->recentFiles = {L"C:\\a.xlsx", L"C:\\b.xlsx"};
    fileMenuText();
    excel->recentFiles.clear();
    EXPECT_EQ(fileMenuText(), fileMenuOf({}));
    EXPECT_EQ(S_OK, press(L"RecentFile2").hr);
    ASSERT_EQ(1u, excel->opens.size());
    EXPECT_EQ(L"C:\\b.xlsx", excel->opens[0].filename);
}

TEST_P(MenuContent, FailingExcelCallsFailTheMenuAndKeepTheTable) {
    excel->recentFiles = {L"C:\\a.xlsx", L"C:\\b.xlsx"};
    fileMenuText();
    excel->recentFiles = {L"C:\\x.xlsx", L"C:\\y.xlsx", L"C:\\z.xlsx"};
    const HRESULT failure = HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    for (DISPID member : {excel::kRecentFiles, excel::kCount, excel::kItem, excel::kPath}) {
        excel->failures = {{member, failure}};
        expectFailure(menu(L"File"), failure);
    }
    excel->failures.clear();
    // Count promises more files than Item gives: the third Item fails.
    excel->recentFilesCount = 3;
    excel->recentFiles.resize(2);
    expectFailure(menu(L"File"), DISP_E_BADINDEX);
    // Nothing of the failed builds reached the table.
    EXPECT_EQ(S_OK, press(L"RecentFile2").hr);
    ASSERT_EQ(1u, excel->opens.size());
    EXPECT_EQ(L"C:\\b.xlsx", excel->opens[0].filename);
    expectFailure(press(L"RecentFile3"), DISP_E_BADINDEX);
}

TEST_P(MenuContent, FailingOpenIsReturnedAsExcelGaveIt) {
    excel->recentFiles = {L"C:\\gone.xlsx"};
    fileMenuText();
    excel->failures = {{excel::kWorkbooks, E_ACCESSDENIED}};
    expectFailure(press(L"RecentFile1"), E_ACCESSDENIED);
    EXPECT_TRUE(excel->opens.empty());
    const HRESULT notFound = 0x800A03EC;  // Excel's own error for a file it cannot open
    excel->failures = {{excel::kOpen, notFound}};
    expectFailure(press(L"RecentFile1"), notFound);
    EXPECT_EQ(1u, excel->opens.size());  // asked once, not retried
}

TEST_P(MenuContent, FailedControlReadsOpenAndBuildNothing) {
    excel->recentFiles = {L"C:\\a.xlsx"};
    fileMenuText();
    excel->calls.clear();
    ComPtr<hostsim::FakeRibbonControl> control = hostsim::makeControl(L"RecentFile1", L"File");
    control->tagFailure = E_ACCESSDENIED;
    control->idFailure = E_UNEXPECTED;
    expectFailure(call(L"rxKorvanta_get", control.get()), E_ACCESSDENIED);
    expectFailure(call(L"OpenFile", control.get()), E_UNEXPECTED);
    EXPECT_TRUE(excel->calls.empty());
    EXPECT_TRUE(excel->opens.empty());
}

TEST_P(MenuContent, VtableCallersGetErrorInfoAndNoDocument) {
    excel->failures = {{excel::kCount, E_FAIL}};
    ComPtr<hostsim::FakeRibbonControl> control = hostsim::makeControl(L"rxMenu_wenjian", L"File");
    BSTR document = SysAllocString(L"stale");
    BSTR stale = document;
    EXPECT_EQ(E_FAIL, callbacks->rxKorvanta_get(control.get(), &document));
    EXPECT_EQ(nullptr, document);
    SysFreeString(stale);
    EXPECT_FALSE(korvanta_test::takeThreadError().value_or(korvanta_test::ThreadError{}).description.empty());
    EXPECT_EQ(E_POINTER, callbacks->rxKorvanta_get(control.get(), nullptr));
    EXPECT_EQ(E_POINTER, callbacks->rxKorvanta_get(nullptr, &document));
    EXPECT_EQ(E_POINTER, callbacks->OpenFile(nullptr));
    EXPECT_EQ(1u, korvanta_test::referencesOf(control.get()));
}

class MenuContentUnconnected : public AddinInEachExcel {};
KORVANTA_FOR_EACH_EXCEL(MenuContentUnconnected);

TEST_P(MenuContentUnconnected, FixedMenusWorkAndTheFileMenuFails) {
    const hostsim::CallbackResult help = callWith(L"rxKorvanta_get", L"rxMenu_bangzhu", L"Help");
    EXPECT_EQ(S_OK, help.hr);
    EXPECT_EQ(ribbon_test::expectedText("menu_help.xml"), ribbon_test::toUtf8(help.text));
    expectFailure(callWith(L"rxKorvanta_get", L"rxMenu_wenjian", L"File"), E_POINTER);
}

}  // namespace
