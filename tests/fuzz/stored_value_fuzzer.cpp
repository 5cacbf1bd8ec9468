// What a stored registry value reads as, for any type, size and bytes, against
// the rules the settings store documents: a text up to its first NUL, the
// first two bytes of binary data as a signed 16-bit number, a four-byte DWORD
// as a signed 32-bit number, nothing else; what such a value sets as a policy;
// and what its text chooses as the Language value.
#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/language_setting.h"
#include "settings/stored_value.h"
#include "tests/fuzz/xml_oracle.h"

using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const settings::StoredKind kind = static_cast<settings::StoredKind>(data[0] % 4);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string text = settings::storedValueText(kind, bytes);

    switch (kind) {
    case settings::StoredKind::Text:
        check(text.find('\0') == std::string::npos, "a text ends at its first NUL");
        check(bytes.substr(0, text.size()) == text, "a text is the value's own bytes");
        check(text.size() == bytes.size() || bytes[text.size()] == '\0', "nothing before the first NUL is lost");
        break;
    case settings::StoredKind::Binary: {
        const long low = bytes.size() > 0 ? static_cast<unsigned char>(bytes[0]) : 0;
        const long high = bytes.size() > 1 ? static_cast<unsigned char>(bytes[1]) : 0;
        long expected = low + 256 * high;
        if (expected >= 32768) expected -= 65536;
        check(text == std::to_string(expected), "binary data reads as its first two bytes");
        break;
    }
    case settings::StoredKind::Dword: {
        long long expected = 0;
        for (std::size_t i = bytes.size() == 4 ? 4 : 0; i-- > 0;) {
            expected = expected * 256 + static_cast<unsigned char>(bytes[i]);
        }
        if (expected >= 2147483648LL) expected -= 4294967296LL;
        check(bytes.size() == 4 ? text == std::to_string(expected) : text.empty(),
              "a DWORD reads as its four bytes' signed number, or as nothing");
        break;
    }
    case settings::StoredKind::Other:
        check(text.empty(), "any other type reads as the empty text");
        break;
    }
    // A policy sets "0" or "1", and only as a text or a DWORD reading so.
    const int policy = settings::policyChoice(kind, bytes, settings::kFlagPolicyTexts);
    const bool textOrNumber = kind == settings::StoredKind::Text || kind == settings::StoredKind::Dword;
    check(policy == (!textOrNumber ? settings::kNoPolicy : text == "0" ? 0 : text == "1" ? 1 : settings::kNoPolicy),
          "a policy is a text or DWORD that reads as \"0\" or \"1\"");
    // Only the exact text "0" hides.
    const std::wstring wide(text.begin(), text.end());
    check(settings::shownByText(wide) == (text != "0"), "only \"0\" hides");
    // A language is chosen only by its own tag, in any ASCII letter case.
    const settings::LanguageChoice choice = settings::languageChoiceOf(wide);
    std::wstring folded = wide;
    for (wchar_t& c : folded) c = (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
    std::wstring tag = settings::storedTextOf(choice);
    for (wchar_t& c : tag) c = (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
    check(settings::choosesLanguage(wide) ? folded == tag : choice == settings::LanguageChoice::SimplifiedChinese,
          "only a language's tag chooses it; anything else is zh-CN");
    return 0;
}
