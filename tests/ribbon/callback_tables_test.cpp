// The tag, tab and label tables of the visibility and label callbacks.
#include "ribbon/callback_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ribbon/customui_document.h"
#include "ribbon/file_menu.h"
#include "settings/settings_table.h"
#include "tests/ribbon/expected_text.h"

namespace {

using ribbon::labelOfId;
using ribbon::settingOfTab;
using ribbon::settingOfTag;

TEST(SettingOfTag, TheTwoVisibilityTags) {
    EXPECT_EQ(0u, settingOfTag(L"一"));
    EXPECT_EQ(1u, settingOfTag(L"二"));
    for (const wchar_t* tag : {L"", L"File", L"三", L"一 ", L" 二", L"一二", L"1", L"ShowAllMenu"}) {
        EXPECT_FALSE(settingOfTag(tag).has_value()) << ribbon_test::toUtf8(tag);
    }
}

TEST(SettingOfTab, TheEightBuiltInTabs) {
    const wchar_t* tabs[] = {L"TabHome", L"TabInsert", L"TabPageLayoutExcel", L"TabFormulas",
                             L"TabData", L"TabReview", L"TabView", L"TabDeveloper"};
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(settingOfTab(tabs[i]), i + 2) << ribbon_test::toUtf8(tabs[i]);
    for (const wchar_t* id : {L"", L"tabhome", L"TABHOME", L"TabHome ", L" TabHome", L"TabHom", L"rxWordVBA",
                              L"TabAddIns", L"ShowAllMenu", L"一"}) {
        EXPECT_FALSE(settingOfTab(id).has_value()) << ribbon_test::toUtf8(id);
    }
}

// The document and the settings table agree: every tab the document hides
// through GetVisibleII is a setting, and every setting is used.
TEST(SettingOfTab, TheDocumentsTabsAreTheTabSettings) {
    const std::wstring_view document = ribbon::customUiDocument();
    const std::wstring_view open = L"<tab idMso=\"";
    const std::wstring_view close = L"\" getVisible=\"GetVisibleII\"/>";
    std::vector<std::size_t> found;
    for (std::size_t at = document.find(open); at != std::wstring_view::npos; at = document.find(open, at + 1)) {
        const std::size_t start = at + open.size();
        const std::size_t end = document.find(close, start);
        ASSERT_NE(std::wstring_view::npos, end);
        const std::wstring_view tab = document.substr(start, end - start);
        const auto setting = settingOfTab(tab);
        ASSERT_TRUE(setting.has_value()) << ribbon_test::toUtf8(std::wstring(tab));
        found.push_back(*setting);
    }
    std::vector<std::size_t> expected;
    for (std::size_t i = settings::kFirstTab; i < settings::kSettingCount; ++i) expected.push_back(i);
    EXPECT_EQ(expected, found);
    // The two tags: the combined menu's in the document, the recent files' in
    // the File menu.
    const auto tagged = [](std::size_t setting) {
        return std::wstring(L"tag=\"") + settings::kSettings[setting].ribbonTag + L"\"";
    };
    EXPECT_NE(std::wstring_view::npos, document.find(tagged(settings::kShowAllMenu)));
    const std::wstring fileMenu = ribbon::fileMenuDocument({{L"C:\\a.xlsx", L"a.xlsx"}});
    EXPECT_NE(std::wstring::npos, fileMenu.find(tagged(settings::kShowRecentFiles)));
}

TEST(LabelOfId, EveryRowAndNoOther) {
    EXPECT_EQ(L"名称(&N)", labelOfId(L"RXcharumingcheng"));
    EXPECT_EQ(L"图片(&P)", labelOfId(L"RXcharutupian"));
    EXPECT_EQ(L"行(&R)", labelOfId(L"RXhang"));
    EXPECT_EQ(L"列(&C)", labelOfId(L"RXlie"));
    EXPECT_EQ(L"工作表(&H)", labelOfId(L"RXgongzuobiao"));
    EXPECT_EQ(L"保护(&P)", labelOfId(L"RXbaohu"));
    EXPECT_EQ(L"宏(&M)", labelOfId(L"RXhong"));
    EXPECT_EQ(L"分组和分级显示(&G)", labelOfId(L"RXfenjixianshi"));
    EXPECT_EQ(L"列表(&I)", labelOfId(L"RXliebiao"));
    EXPECT_EQ(L"导入外部数据(&D)", labelOfId(L"RXdaorushuju"));
    EXPECT_EQ(L"关于Korvanta(&A)", labelOfId(L"AboutMe"));
    for (const wchar_t* id : {L"", L"Dizhi", L"aboutme", L"AboutMe ", L"RXHang", L"rxhang", L"RXpailie",
                              L"RXcharuhanshu", L"TabHome"}) {
        EXPECT_TRUE(labelOfId(id).empty()) << ribbon_test::toUtf8(id);
    }
}

}  // namespace
