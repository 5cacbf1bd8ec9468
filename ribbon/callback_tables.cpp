// The tables behind GetVisibleI, GetVisibleII and GetLabel.
#include "ribbon/callback_tables.h"

#include "settings/settings_table.h"

namespace ribbon {
namespace {

struct IdLabel {
    std::wstring_view id;
    Translation label;
};

// Own submenus and the About button of the legacy menus, named as Excel 2003's
// menu items were. The "&" marks the access key, as Office reads a label: the
// Chinese labels put the letter in brackets after the word, as Office's own
// Chinese menus do, and every language keeps Excel 2003's letter. In zh-TW a
// row is 列 and a column 欄 (zh-CN 行 and 列).
constexpr IdLabel kLabels[] = {
    {L"RXcharumingcheng", {L"名称(&N)", L"名稱(&N)", L"&Name"}},
    {L"RXcharutupian", {L"图片(&P)", L"圖片(&P)", L"&Picture"}},
    {L"RXhang", {L"行(&R)", L"列(&R)", L"&Row"}},
    {L"RXlie", {L"列(&C)", L"欄(&C)", L"&Column"}},
    {L"RXgongzuobiao", {L"工作表(&H)", L"工作表(&H)", L"S&heet"}},
    {L"RXbaohu", {L"保护(&P)", L"保護(&P)", L"&Protection"}},
    {L"RXhong", {L"宏(&M)", L"巨集(&M)", L"&Macro"}},
    {L"RXfenjixianshi", {L"分组和分级显示(&G)", L"群組及大綱(&G)", L"&Group and Outline"}},
    {L"RXliebiao", {L"列表(&I)", L"清單(&I)", L"L&ist"}},
    {L"RXdaorushuju", {L"导入外部数据(&D)", L"匯入外部資料(&D)", L"Import External &Data"}},
    {L"AboutMe", {L"关于Korvanta(&A)", L"關於 Korvanta(&A)", L"&About Korvanta"}},
};

}  // namespace

std::optional<std::size_t> settingOfTag(std::wstring_view tag) noexcept {
    for (std::size_t i = 0; i < settings::kSettingCount; ++i) {
        const wchar_t* settingTag = settings::kSettings[i].ribbonTag;
        if (settingTag && settingTag == tag) return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> settingOfTab(std::wstring_view id) noexcept {
    for (std::size_t i = settings::kFirstTab; i < settings::kSettingCount; ++i) {
        if (settings::kSettings[i].name == id) return i;
    }
    return std::nullopt;
}

std::wstring_view labelOfId(std::wstring_view id, Language language) noexcept {
    for (const IdLabel& row : kLabels) {
        if (row.id == id) return row.label.in(language);
    }
    return {};
}

}  // namespace ribbon
