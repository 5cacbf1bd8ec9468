// What stored registry values read as.
#include <gtest/gtest.h>

#include "settings/stored_value.h"

using settings::StoredKind;
using settings::storedValueText;

TEST(StoredValue, TextIsCutAtTheFirstNulOrTakenWholeWithoutOne) {
    EXPECT_EQ("1", storedValueText(StoredKind::Text, std::string("1\0", 2)));
    EXPECT_EQ("0", storedValueText(StoredKind::Text, std::string("0", 1)));
    EXPECT_EQ("ab", storedValueText(StoredKind::Text, std::string("ab\0cd\0", 6)));
    EXPECT_EQ("", storedValueText(StoredKind::Text, std::string("\0" "0", 2)));
    EXPECT_EQ("", storedValueText(StoredKind::Text, ""));
    EXPECT_EQ("00", storedValueText(StoredKind::Text, "00"));
}

TEST(StoredValue, BinaryIsASigned16BitLittleEndianNumber) {
    EXPECT_EQ("1", storedValueText(StoredKind::Binary, std::string("\x01\x00", 2)));
    EXPECT_EQ("1", storedValueText(StoredKind::Binary, std::string("\x01\x00\x00\x00", 4)));
    EXPECT_EQ("0", storedValueText(StoredKind::Binary, std::string("\x00\x00", 2)));
    EXPECT_EQ("-1", storedValueText(StoredKind::Binary, "\xFF\xFF"));
    EXPECT_EQ("-32768", storedValueText(StoredKind::Binary, std::string("\x00\x80", 2)));
    EXPECT_EQ("256", storedValueText(StoredKind::Binary, std::string("\x00\x01\x07", 3)));
    // Missing bytes count as 0.
    EXPECT_EQ("0", storedValueText(StoredKind::Binary, ""));
    EXPECT_EQ("7", storedValueText(StoredKind::Binary, "\x07"));
}

TEST(StoredValue, ADwordIsASigned32BitNumberOnlyWhenItHasFourBytes) {
    EXPECT_EQ("0", storedValueText(StoredKind::Dword, std::string(4, '\0')));
    EXPECT_EQ("1", storedValueText(StoredKind::Dword, std::string("\x01\x00\x00\x00", 4)));
    EXPECT_EQ("16777216", storedValueText(StoredKind::Dword, std::string("\x00\x00\x00\x01", 4)));
    EXPECT_EQ("-1", storedValueText(StoredKind::Dword, "\xFF\xFF\xFF\xFF"));
    for (std::size_t size : {0, 1, 3, 5, 8}) EXPECT_EQ("", storedValueText(StoredKind::Dword, std::string(size, '\0'))) << size;
}

TEST(StoredValue, OtherKindsReadAsEmpty) {
    EXPECT_EQ("", storedValueText(StoredKind::Other, std::string("\x00\x00\x00\x00", 4)));
}

TEST(StoredValue, APolicyCountsOnlyAsAnAcceptedTextOrNumber) {
    using settings::kFlagPolicyTexts;
    using settings::policyChoice;
    const int zero = 0, one = 1, nothing = settings::kNoPolicy;
    EXPECT_EQ(one, policyChoice(StoredKind::Text, std::string("1\0", 2), kFlagPolicyTexts));
    EXPECT_EQ(zero, policyChoice(StoredKind::Text, "0", kFlagPolicyTexts));
    EXPECT_EQ(one, policyChoice(StoredKind::Dword, std::string("\x01\0\0\0", 4), kFlagPolicyTexts));
    EXPECT_EQ(zero, policyChoice(StoredKind::Dword, std::string(4, '\0'), kFlagPolicyTexts));
    for (const char* text : {"", "00", "1 ", " 1", "true", "-1", "2"}) {
        EXPECT_EQ(nothing, policyChoice(StoredKind::Text, text, kFlagPolicyTexts)) << text;
    }
    EXPECT_EQ(nothing, policyChoice(StoredKind::Dword, std::string("\x02\0\0\0", 4), kFlagPolicyTexts));
    EXPECT_EQ(nothing, policyChoice(StoredKind::Dword, std::string(2, '\0'), kFlagPolicyTexts));
    // Binary data reads as a number too, but a policy is a text or a DWORD.
    EXPECT_EQ(nothing, policyChoice(StoredKind::Binary, std::string("\x01\0", 2), kFlagPolicyTexts));
    EXPECT_EQ(nothing, policyChoice(StoredKind::Other, "1", kFlagPolicyTexts));
    // Other lists of texts work the same way.
    const char* const languages[] = {"zh-CN", "en"};
    EXPECT_EQ(1, policyChoice(StoredKind::Text, "en", {languages, 2}));
    EXPECT_EQ(nothing, policyChoice(StoredKind::Text, "EN", {languages, 2}));
}

TEST(StoredValue, OnlyTheExactTextZeroHides) {
    EXPECT_FALSE(settings::shownByText(L"0"));
    for (const wchar_t* shown : {L"1", L"", L"00", L"0 ", L" 0", L"-1", L"false"}) {
        EXPECT_TRUE(settings::shownByText(shown)) << "text: " << testing::PrintToString(std::wstring(shown));
    }
}
