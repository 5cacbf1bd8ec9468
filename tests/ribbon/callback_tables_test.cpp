// The tag, tab and label tables of the visibility and label callbacks.
#include "ribbon/callback_tables.h"

#include <gtest/gtest.h>

#include <cwctype>
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
    const std::wstring_view document = ribbon::customUiDocument(Language::SimplifiedChinese);
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
    constexpr Language kZhCn = Language::SimplifiedChinese;
    EXPECT_EQ(L"名称(&N)", labelOfId(L"RXcharumingcheng", kZhCn));
    EXPECT_EQ(L"图片(&P)", labelOfId(L"RXcharutupian", kZhCn));
    EXPECT_EQ(L"行(&R)", labelOfId(L"RXhang", kZhCn));
    EXPECT_EQ(L"列(&C)", labelOfId(L"RXlie", kZhCn));
    EXPECT_EQ(L"工作表(&H)", labelOfId(L"RXgongzuobiao", kZhCn));
    EXPECT_EQ(L"保护(&P)", labelOfId(L"RXbaohu", kZhCn));
    EXPECT_EQ(L"宏(&M)", labelOfId(L"RXhong", kZhCn));
    EXPECT_EQ(L"分组和分级显示(&G)", labelOfId(L"RXfenjixianshi", kZhCn));
    EXPECT_EQ(L"列表(&I)", labelOfId(L"RXliebiao", kZhCn));
    EXPECT_EQ(L"导入外部数据(&D)", labelOfId(L"RXdaorushuju", kZhCn));
    EXPECT_EQ(L"关于Korvanta(&A)", labelOfId(L"AboutMe", kZhCn));
    // Taiwan's row is 列 and its column 欄: converting the characters would swap them.
    EXPECT_EQ(L"列(&R)", labelOfId(L"RXhang", Language::TraditionalChinese));
    EXPECT_EQ(L"欄(&C)", labelOfId(L"RXlie", Language::TraditionalChinese));
    for (Language language : kLanguages) {
        for (const wchar_t* id : {L"", L"Dizhi", L"aboutme", L"AboutMe ", L"RXHang", L"rxhang", L"RXpailie",
                                  L"RXcharuhanshu", L"TabHome"}) {
            EXPECT_TRUE(labelOfId(id, language).empty()) << ribbon_test::toUtf8(id);
        }
    }
}

// Every language keeps each label's access key: one "&", before the same letter.
TEST(LabelOfId, EveryLanguageKeepsTheAccessKeys) {
    const auto accessKey = [](std::wstring_view label) {
        const std::size_t at = label.find(L'&');
        EXPECT_EQ(at, label.rfind(L'&')) << ribbon_test::toUtf8(label);
        return at + 1 < label.size() ? std::towupper(label[at + 1]) : L'?';
    };
    for (const wchar_t* id : {L"RXcharumingcheng", L"RXcharutupian", L"RXhang", L"RXlie", L"RXgongzuobiao", L"RXbaohu",
                              L"RXhong", L"RXfenjixianshi", L"RXliebiao", L"RXdaorushuju", L"AboutMe"}) {
        const wint_t key = accessKey(labelOfId(id, Language::SimplifiedChinese));
        for (Language language : kLanguages) EXPECT_EQ(key, accessKey(labelOfId(id, language))) << ribbon_test::toUtf8(id);
    }
}

}  // namespace
