// What a stored registry value reads as, and what a read text means. Pure: no
// Windows types, so that it also builds natively for sanitizers and fuzzing.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace settings {

enum class StoredKind { Text, Binary, Other };

// The text a value of `kind` with `data` (as the registry returned it, `data`
// being exactly the bytes it reported) reads as, in the system code page:
// - Text: the bytes up to the first NUL, or all of them when there is none;
// - Binary: the first two bytes as a signed 16-bit little-endian integer (a
//   missing byte counting as 0), in decimal;
// - Other: the empty text.
std::string storedValueText(StoredKind kind, std::string_view data);

// Only the exact text "0" hides; any other text shows.
inline bool shownByText(std::wstring_view text) noexcept { return text != L"0"; }

}  // namespace settings
