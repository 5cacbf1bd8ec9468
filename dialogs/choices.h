// What the customisation dialog shows for the stored texts and what it stores
// for its check marks, in settings order, and for its language drop-down.
// Pure, like the settings' own reader.
#pragma once
#include <array>
#include <cstddef>
#include <string>

#include "settings/language_setting.h"
#include "settings/settings_table.h"
#include "settings/stored_value.h"
#include "support/language.h"

namespace dialogs {

// One choice per setting, indexed as settings::kSettings.
inline constexpr std::size_t kChoiceCount = settings::kSettingCount;
using Choices = std::array<bool, kChoiceCount>;

// Checked unless the text is exactly "0": a missing value and any other text
// both show as checked.
inline Choices choicesFromTexts(const std::array<std::wstring, kChoiceCount>& texts) {
    Choices checked{};
    for (std::size_t i = 0; i < kChoiceCount; ++i) checked[i] = settings::shownByText(texts[i]);
    return checked;
}

// OK stores one of exactly these two texts for every choice.
inline const wchar_t* storedText(bool checked) noexcept { return checked ? L"1" : L"0"; }

// The list's entry for each built-in tab, in settings order from
// settings::kFirstTab. The frame above the list says "the built-in tabs to
// show", so the Traditional Chinese and English entries name just the tab
// (Excel's own list of tabs does the same): their literal "Show the Page
// Layout tab" is wider than the list.
inline constexpr Translation kTabEntries[settings::kTabCount] = {
    {L"显示开始选项卡", L"常用", L"Home"},
    {L"显示插入选项卡", L"插入", L"Insert"},
    {L"显示页面布局选项卡", L"版面配置", L"Page Layout"},
    {L"显示公式选项卡", L"公式", L"Formulas"},
    {L"显示数据选项卡", L"資料", L"Data"},
    {L"显示审阅选项卡", L"校閱", L"Review"},
    {L"显示视图选项卡", L"檢視", L"View"},
    {L"显示开发工具选项卡", L"開發人員", L"Developer"},
};

// The language drop-down's items in order. Each language is named in itself,
// the same in every dialog; following Office is said in the dialog's language.
struct LanguageItem {
    Translation text;
    settings::LanguageChoice choice;
};
inline constexpr LanguageItem kLanguageItems[] = {
    {{L"跟随 Office", L"跟隨 Office", L"Match Office"}, settings::LanguageChoice::FollowOffice},
    {Translation::same(L"简体中文"), settings::LanguageChoice::SimplifiedChinese},
    {Translation::same(L"繁體中文"), settings::LanguageChoice::TraditionalChinese},
    {Translation::same(L"English"), settings::LanguageChoice::English},
};
inline constexpr std::size_t kLanguageItemCount = sizeof kLanguageItems / sizeof kLanguageItems[0];

// The item that shows a choice.
inline std::size_t languageItemOf(settings::LanguageChoice choice) noexcept {
    std::size_t item = 0;
    while (item + 1 < kLanguageItemCount && kLanguageItems[item].choice != choice) ++item;
    return item;
}

}  // namespace dialogs
