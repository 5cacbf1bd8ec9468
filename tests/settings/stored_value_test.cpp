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

TEST(StoredValue, OtherKindsReadAsEmpty) {
    EXPECT_EQ("", storedValueText(StoredKind::Other, std::string("\x00\x00\x00\x00", 4)));
}

TEST(StoredValue, OnlyTheExactTextZeroHides) {
    EXPECT_FALSE(settings::shownByText(L"0"));
    for (const wchar_t* shown : {L"1", L"", L"00", L"0 ", L" 0", L"-1", L"false"}) {
        EXPECT_TRUE(settings::shownByText(shown)) << "text: " << testing::PrintToString(std::wstring(shown));
    }
}
