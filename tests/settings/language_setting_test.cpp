// What a stored Language value chooses, and the language each of Office's
// user-interface languages stands for.
#include <gtest/gtest.h>

#include "settings/language_setting.h"

using settings::LanguageChoice;

namespace {

constexpr Language kZhCn = Language::SimplifiedChinese;
constexpr Language kZhTw = Language::TraditionalChinese;
constexpr Language kEn = Language::English;

TEST(LanguageSetting, StoredTextsChooseAndEverythingElseIsSimplifiedChinese) {
    const struct {
        const wchar_t* stored;
        LanguageChoice choice;
        bool chooses;
    } kRows[] = {
        {L"zh-CN", LanguageChoice::SimplifiedChinese, true},
        {L"zh-TW", LanguageChoice::TraditionalChinese, true},
        {L"en", LanguageChoice::English, true},
        {L"Office", LanguageChoice::FollowOffice, true},
        // Language tags do not depend on letter case.
        {L"ZH-tw", LanguageChoice::TraditionalChinese, true},
        {L"EN", LanguageChoice::English, true},
        {L"office", LanguageChoice::FollowOffice, true},
        // A missing value reads as the empty text.
        {L"", LanguageChoice::SimplifiedChinese, false},
        {L"zh", LanguageChoice::SimplifiedChinese, false},
        {L"zh-HK", LanguageChoice::SimplifiedChinese, false},
        {L"zh_TW", LanguageChoice::SimplifiedChinese, false},
        {L"en-US", LanguageChoice::SimplifiedChinese, false},
        {L" en", LanguageChoice::SimplifiedChinese, false},
        {L"en\u0131", LanguageChoice::SimplifiedChinese, false},  // not ASCII: no case folding
        {L"1", LanguageChoice::SimplifiedChinese, false},
        {L"2052", LanguageChoice::SimplifiedChinese, false},
    };
    for (const auto& row : kRows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.stored)));
        EXPECT_EQ(row.choice, settings::languageChoiceOf(row.stored));
        EXPECT_EQ(row.chooses, settings::choosesLanguage(row.stored));
    }
    EXPECT_EQ(LanguageChoice::SimplifiedChinese, settings::languageChoiceOf(std::wstring_view(L"en\0", 3)));
    for (LanguageChoice choice : {LanguageChoice::SimplifiedChinese, LanguageChoice::TraditionalChinese,
                                  LanguageChoice::English, LanguageChoice::FollowOffice}) {
        EXPECT_EQ(choice, settings::languageChoiceOf(settings::storedTextOf(choice)));
    }
    EXPECT_STREQ(L"zh-CN", settings::storedTextOf(LanguageChoice::SimplifiedChinese));
    EXPECT_STREQ(L"Office", settings::storedTextOf(LanguageChoice::FollowOffice));
    // A policy holds the same four texts, in the order of the choices.
    for (std::size_t i = 0; i < settings::kLanguagePolicyTexts.count; ++i) {
        const std::string policy = settings::kLanguagePolicyTexts.texts[i];
        EXPECT_EQ(std::wstring(policy.begin(), policy.end()), settings::storedTextOf(static_cast<LanguageChoice>(i)));
    }
}

TEST(LanguageSetting, OfficesChineseInterfacesAndEveryOther) {
    const struct {
        long lcid;
        Language language;
    } kRows[] = {
        {2052, kZhCn},    {4100, kZhCn},  {1028, kZhTw},  {3076, kZhTw},  {5124, kZhTw},
        {0x20804, kZhCn},  // China with stroke-count sorting: the language part counts
        {0x30404, kZhTw},  // Taiwan with Bopomofo sorting
        {1033, kEn},      {2057, kEn},    {1041, kEn},    {1042, kEn},    {1031, kEn},
        {4, kEn},         {0x7C04, kEn},  {0, kEn},       {-1, kEn},      {0x10804, kZhCn},
    };
    for (const auto& row : kRows) EXPECT_EQ(row.language, settings::languageOfOfficeUi(row.lcid)) << row.lcid;
}

TEST(LanguageSetting, AChoiceGivesItsLanguageOrOfficesOrSimplifiedChinese) {
    using settings::languageOf;
    for (std::optional<Language> office : {std::optional<Language>(), std::optional(kZhTw), std::optional(kEn)}) {
        EXPECT_EQ(kZhCn, languageOf(LanguageChoice::SimplifiedChinese, office));
        EXPECT_EQ(kZhTw, languageOf(LanguageChoice::TraditionalChinese, office));
        EXPECT_EQ(kEn, languageOf(LanguageChoice::English, office));
    }
    EXPECT_EQ(kZhTw, languageOf(LanguageChoice::FollowOffice, kZhTw));
    EXPECT_EQ(kEn, languageOf(LanguageChoice::FollowOffice, kEn));
    // Office could not say.
    EXPECT_EQ(kZhCn, languageOf(LanguageChoice::FollowOffice, std::nullopt));
}

}  // namespace
