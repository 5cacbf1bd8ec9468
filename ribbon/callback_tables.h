// The fixed tables the visibility and label callbacks answer from. Lookups
// compare whole strings, case-sensitively.
#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

namespace ribbon {

// The settings entry that a visibility tag follows: "一" ShowAllMenu (0), "二"
// ShowRecentFiles (1).
std::optional<std::size_t> settingOfTag(std::wstring_view tag) noexcept;

// The settings entry that a built-in tab follows, by the tab's idMso: TabHome
// (2) to TabDeveloper (9).
std::optional<std::size_t> settingOfTab(std::wstring_view id) noexcept;

// The eight tab ids in settings order (entry 2 onwards), the names under which
// the settings store keeps them as well.
inline constexpr std::size_t kFirstTabSetting = 2;
inline constexpr std::wstring_view kTabIds[] = {
    L"TabHome", L"TabInsert", L"TabPageLayoutExcel", L"TabFormulas",
    L"TabData", L"TabReview", L"TabView", L"TabDeveloper",
};

// The label GetLabel gives a control, by its id; empty when the id has none.
std::wstring_view labelOfId(std::wstring_view id) noexcept;

}  // namespace ribbon
