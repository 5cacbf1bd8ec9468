// The registration table, as data.
#include <gtest/gtest.h>

#include "dll/registration_table.h"

namespace {

TEST(RegistrationTable, WritesInOrderTypeLibraryClassThenAddin) {
    registration::ServerIdentity identity;
    identity.classId = L"{C}";
    identity.libraryId = L"{L}";
    identity.interfaceId = L"{I}";
    identity.dllPath = L"C:\\Korvanta\\Korvanta.dll";
    const auto values = registration::registrationValues(identity);
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(L"TypeLib\\{L}\\1.0", values.front().key);
    EXPECT_EQ(L"Software\\Microsoft\\Office\\Excel\\Addins\\Korvanta.Connect", values.back().key);
    EXPECT_TRUE(values.back().isNumber);
    EXPECT_EQ(3u, values.back().number);
    // Every key that registration writes lies below a key that unregistration removes.
    const auto removed = registration::registrationKeys(identity);
    for (const auto& value : values) {
        bool covered = false;
        for (const auto& key : removed) {
            covered = covered || (key.root == value.root && value.key.compare(0, key.key.size(), key.key) == 0);
        }
        EXPECT_TRUE(covered) << testing::PrintToString(value.key);
    }
    for (const auto& key : removed) EXPECT_EQ(std::wstring::npos, key.key.find(L"000C0396")) << "an Office key";
}

TEST(RegistrationTable, TheTypeLibraryIsRegisteredForThePlatformOfTheDll) {
    registration::ServerIdentity identity;
    identity.libraryId = L"{L}";
    identity.dllPath = L"C:\\Korvanta.dll";
    const auto has = [](const std::vector<registration::RegistryValue>& values, const std::wstring& key) {
        for (const auto& value : values) {
            if (value.key == key) return value.text == L"C:\\Korvanta.dll";
        }
        return false;
    };
    EXPECT_TRUE(has(registration::registrationValues(identity), L"TypeLib\\{L}\\1.0\\0\\win32"));
    identity.win64 = true;
    EXPECT_TRUE(has(registration::registrationValues(identity), L"TypeLib\\{L}\\1.0\\0\\win64"));
}

}  // namespace
