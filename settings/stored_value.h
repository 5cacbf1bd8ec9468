// What a stored registry value reads as, and what a read text means. Pure: no
// Windows types, so that it also builds natively for sanitizers and fuzzing.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace settings {

// Other: every type the store cannot read (REG_EXPAND_SZ, REG_MULTI_SZ,
// REG_QWORD, ...). Dword is last so that the fuzzer's seeds keep their kinds.
enum class StoredKind { Text, Binary, Other, Dword };

// The text a value of `kind` with `data` (as the registry returned it, `data`
// being exactly the bytes it reported) reads as, in the system code page:
// - Text: the bytes up to the first NUL, or all of them when there is none;
// - Binary: the first two bytes as a signed 16-bit little-endian integer (a
//   missing byte counting as 0), in decimal;
// - Dword: its four bytes as a signed 32-bit little-endian integer, in decimal
//   (as binary data's two), so that 0 hides and any other number shows; data
//   of any other size reads as the empty text;
// - Other: the empty text.
// The empty text shows.
std::string storedValueText(StoredKind kind, std::string_view data);

// Only the exact text "0" hides; any other text shows.
inline bool shownByText(std::wstring_view text) noexcept { return text != L"0"; }

// The texts a policy value may hold to count: a display setting's are "0" and
// "1". A value that holds anything else sets nothing.
struct PolicyTexts {
    const char* const* texts;
    std::size_t count;
};
inline constexpr const char* kFlagPolicyTextList[] = {"0", "1"};
inline constexpr PolicyTexts kFlagPolicyTexts{kFlagPolicyTextList, 2};

// What a stored policy value sets: the index in `accepted` of its text, when
// it is a text (REG_SZ) or a number (REG_DWORD, in decimal) that is one of
// them; kNoPolicy otherwise.
inline constexpr int kNoPolicy = -1;
int policyChoice(StoredKind kind, std::string_view data, PolicyTexts accepted);

}  // namespace settings
