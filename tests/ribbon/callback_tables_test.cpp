// The tag, tab and label tables of the visibility and label callbacks.
#include "ribbon/callback_tables.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/ribbon/expected_text.h"

namespace {

using ribbon::labelOfId;
using ribbon::settingOfTab;
using ribbon::settingOfTag;

TEST(SettingOfTag, TheTwoVisibilityTags) {
    EXPECT_EQ(settingOfTag(L"一"), 0u);
    EXPECT_EQ(settingOfTag(L"二"), 1u);
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

TEST(LabelOfId, EveryRowAndNoOther) {
    EXPECT_EQ(labelOfId(L"RXcharumingcheng"), L"名称(&N)");
    EXPECT_EQ(labelOfId(L"RXcharutupian"), L"图片(&P)");
    EXPECT_EQ(labelOfId(L"RXhang"), L"行(&R)");
    EXPECT_EQ(labelOfId(L"RXlie"), L"列(&C)");
    EXPECT_EQ(labelOfId(L"RXgongzuobiao"), L"工作表(&H)");
    EXPECT_EQ(labelOfId(L"RXbaohu"), L"保护(&P)");
    EXPECT_EQ(labelOfId(L"RXhong"), L"宏(&M)");
    EXPECT_EQ(labelOfId(L"RXfenjixianshi"), L"分组和分级显示(&G)");
    EXPECT_EQ(labelOfId(L"RXliebiao"), L"列表(&I)");
    EXPECT_EQ(labelOfId(L"RXdaorushuju"), L"导入外部数据(&D)");
    EXPECT_EQ(labelOfId(L"AboutMe"), L"关于Korvanta(&A)");
    for (const wchar_t* id : {L"", L"Dizhi", L"aboutme", L"AboutMe ", L"RXHang", L"rxhang", L"RXpailie",
                              L"RXcharuhanshu", L"TabHome"}) {
        EXPECT_TRUE(labelOfId(id).empty()) << ribbon_test::toUtf8(id);
    }
}

}  // namespace
