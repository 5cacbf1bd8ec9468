// The Language value: which language a stored text chooses, and which one
// Office's user-interface language stands for. Pure: no Windows types.
#pragma once
#include <optional>
#include <string_view>

#include "settings/stored_value.h"
#include "support/language.h"

namespace settings {

// A REG_SZ value beside the ten display settings, in the same key. It is read,
// never written with a default: a user who never chose keeps today's texts.
inline constexpr wchar_t kLanguageValueName[] = L"Language";

// What the value chooses: one of the languages, or the one Office shows.
enum class LanguageChoice : unsigned char { SimplifiedChinese, TraditionalChinese, English, FollowOffice };

// The texts a Language policy may hold, in the order of LanguageChoice:
// exactly as the Group Policy template writes them, as REG_SZ.
inline constexpr const char* kLanguagePolicyTextList[] = {"zh-CN", "zh-TW", "en", "Office"};
inline constexpr PolicyTexts kLanguagePolicyTexts{kLanguagePolicyTextList, 4};

// "zh-CN", "zh-TW", "en" and "Office" choose, compared without regard to ASCII
// letter case as language tags are; anything else, the empty text (a missing
// value) included, reads as "zh-CN", so that nothing changes for a user who
// never chose.
LanguageChoice languageChoiceOf(std::wstring_view stored) noexcept;
// Whether the text is one of the four that choose (in any letter case).
bool choosesLanguage(std::wstring_view stored) noexcept;
// The text that stores a choice: "zh-CN", "zh-TW", "en" or "Office".
const wchar_t* storedTextOf(LanguageChoice choice) noexcept;

// The language that an Office showing its user interface in `lcid` (from
// LanguageSettings.LanguageID(msoLanguageIDUI)) stands for: Simplified Chinese
// for China and Singapore, Traditional Chinese for Taiwan, Hong Kong and Macao,
// English for every other language. Only the LCID's language part counts.
Language languageOfOfficeUi(long lcid) noexcept;

// The language a choice gives. Following Office, `office` is the language
// Office stands for, none when Office could not say: then Simplified Chinese.
Language languageOf(LanguageChoice choice, std::optional<Language> office) noexcept;

}  // namespace settings
