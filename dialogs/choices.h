// What the customisation dialog shows for the stored texts and what it stores
// for its check marks, in settings order. Pure, like the settings' own reader.
#pragma once
#include <array>
#include <cstddef>
#include <string>

#include "settings/settings_table.h"
#include "settings/stored_value.h"

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

}  // namespace dialogs
