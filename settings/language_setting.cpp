// The Language value's texts and Office's languages.
#include "settings/language_setting.h"

namespace settings {
namespace {

struct StoredChoice {
    std::wstring_view text;
    LanguageChoice choice;
};

constexpr StoredChoice kStoredChoices[] = {
    {L"zh-CN", LanguageChoice::SimplifiedChinese},
    {L"zh-TW", LanguageChoice::TraditionalChinese},
    {L"en", LanguageChoice::English},
    {L"Office", LanguageChoice::FollowOffice},
};

constexpr wchar_t lowerAscii(wchar_t c) noexcept { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; }

bool sameIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

const StoredChoice* storedChoiceOf(std::wstring_view stored) noexcept {
    for (const StoredChoice& row : kStoredChoices) {
        if (sameIgnoringAsciiCase(row.text, stored)) return &row;
    }
    return nullptr;
}

// The primary language and sublanguage of Office's Chinese user interfaces.
constexpr long kChinaLangId = 0x0804;      // 2052
constexpr long kSingaporeLangId = 0x1004;  // 4100
constexpr long kTaiwanLangId = 0x0404;     // 1028
constexpr long kHongKongLangId = 0x0C04;   // 3076
constexpr long kMacaoLangId = 0x1404;      // 5124

}  // namespace

LanguageChoice languageChoiceOf(std::wstring_view stored) noexcept {
    const StoredChoice* row = storedChoiceOf(stored);
    return row ? row->choice : LanguageChoice::SimplifiedChinese;
}

bool choosesLanguage(std::wstring_view stored) noexcept { return storedChoiceOf(stored) != nullptr; }

const wchar_t* storedTextOf(LanguageChoice choice) noexcept {
    for (const StoredChoice& row : kStoredChoices) {
        if (row.choice == choice) return row.text.data();
    }
    return kStoredChoices[0].text.data();
}

Language languageOfOfficeUi(long lcid) noexcept {
    // An LCID's low 16 bits are its language; the bits above name a sort order.
    switch (lcid & 0xFFFF) {
    case kChinaLangId:
    case kSingaporeLangId:
        return Language::SimplifiedChinese;
    case kTaiwanLangId:
    case kHongKongLangId:
    case kMacaoLangId:
        return Language::TraditionalChinese;
    default:
        return Language::English;
    }
}

Language languageOf(LanguageChoice choice, std::optional<Language> office) noexcept {
    switch (choice) {
    case LanguageChoice::TraditionalChinese: return Language::TraditionalChinese;
    case LanguageChoice::English: return Language::English;
    case LanguageChoice::FollowOffice: return office.value_or(Language::SimplifiedChinese);
    case LanguageChoice::SimplifiedChinese: break;
    }
    return Language::SimplifiedChinese;
}

}  // namespace settings
