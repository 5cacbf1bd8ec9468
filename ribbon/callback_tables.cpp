// The tables behind GetVisibleI, GetVisibleII and GetLabel.
#include "ribbon/callback_tables.h"

#include "settings/settings_table.h"

namespace ribbon {
namespace {

struct IdLabel {
    std::wstring_view id;
    std::wstring_view label;
};

// Own submenus and the About button of the legacy menus. The "&" marks the
// access key, as Office reads a label.
constexpr IdLabel kLabels[] = {
    {L"RXcharumingcheng", L"名称(&N)"},
    {L"RXcharutupian", L"图片(&P)"},
    {L"RXhang", L"行(&R)"},
    {L"RXlie", L"列(&C)"},
    {L"RXgongzuobiao", L"工作表(&H)"},
    {L"RXbaohu", L"保护(&P)"},
    {L"RXhong", L"宏(&M)"},
    {L"RXfenjixianshi", L"分组和分级显示(&G)"},
    {L"RXliebiao", L"列表(&I)"},
    {L"RXdaorushuju", L"导入外部数据(&D)"},
    {L"AboutMe", L"关于Korvanta(&A)"},
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

std::wstring_view labelOfId(std::wstring_view id) noexcept {
    for (const IdLabel& row : kLabels) {
        if (row.id == id) return row.label;
    }
    return {};
}

}  // namespace ribbon
