// The fixed tables the visibility and label callbacks answer from. Lookups
// compare whole strings, case-sensitively.
#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

#include "support/language.h"

namespace ribbon {

// The entry of settings::kSettings that a visibility tag follows: "一"
// ShowAllMenu (0), "二" ShowRecentFiles (1).
std::optional<std::size_t> settingOfTag(std::wstring_view tag) noexcept;

// The entry of settings::kSettings that a built-in tab follows, by the tab's
// idMso, which is the setting's name: TabHome (2) to TabDeveloper (9).
std::optional<std::size_t> settingOfTab(std::wstring_view id) noexcept;

// The label GetLabel gives a control, by its id, in `language`; empty when the
// id has none.
std::wstring_view labelOfId(std::wstring_view id, Language language) noexcept;

}  // namespace ribbon
