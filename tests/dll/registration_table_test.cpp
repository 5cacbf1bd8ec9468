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

namespace {

using registration::InstallScope;
using registration::RegistryValue;
using registration::Root;

registration::ServerIdentity packagedIdentity() {
    registration::ServerIdentity identity;
    identity.classId = L"{C}";
    identity.libraryId = L"{L}";
    identity.interfaceId = L"{I}";
    identity.marshalerClassId = L"{M}";
    identity.dllPath = L"[#KorvantaDll]";
    identity.dllFolder = L"[INSTALLFOLDER]";
    identity.typeLibraryHelp = L"help";
    identity.addinDescription = L"description";
    return identity;
}

std::wstring where(const RegistryValue& value) {
    return std::to_wstring(static_cast<int>(value.root)) + L":" + value.key + L"[" + value.name + L"]";
}

TEST(InstalledRegistration, APackageWritesTheSameValuesBelowItsScopesHive) {
    const auto identity = packagedIdentity();
    const auto registered = registration::registrationValues(identity);
    for (const auto& [scope, hive] : {std::pair{InstallScope::PerUser, Root::CurrentUser},
                                      std::pair{InstallScope::PerMachine, Root::LocalMachine}}) {
        const auto installed = registration::installedValues(identity, scope);
        ASSERT_EQ(registered.size(), installed.size());
        for (std::size_t i = 0; i < installed.size(); ++i) {
            SCOPED_TRACE(testing::PrintToString(where(registered[i])));
            EXPECT_EQ(hive, installed[i].root);
            // HKCR is the merged view of the hive's Software\Classes; the add-in
            // key keeps its path, which 32-bit and 64-bit Excel share.
            const std::wstring expectedKey =
                registered[i].root == Root::ClassesRoot ? L"Software\\Classes\\" + registered[i].key : registered[i].key;
            EXPECT_EQ(expectedKey, installed[i].key);
            EXPECT_EQ(registered[i].name, installed[i].name);
            EXPECT_EQ(registered[i].isNumber, installed[i].isNumber);
            EXPECT_EQ(registered[i].text, installed[i].text);
            EXPECT_EQ(registered[i].number, installed[i].number);
        }
        const auto keys = registration::installedKeys(identity, scope);
        const auto registeredKeys = registration::registrationKeys(identity);
        ASSERT_EQ(registeredKeys.size(), keys.size());
        for (std::size_t i = 0; i < keys.size(); ++i) {
            EXPECT_EQ(hive, keys[i].root);
            EXPECT_NE(std::wstring::npos, keys[i].key.find(registeredKeys[i].key));
        }
    }
}

TEST(InstalledRegistration, WhichKeysSixtyFourBitWindowsSharesBetweenPlatforms) {
    EXPECT_TRUE(registration::inViewSharedByPlatforms(Root::LocalMachine, L"Software\\Classes\\Korvanta.Connect\\Clsid"));
    EXPECT_TRUE(registration::inViewSharedByPlatforms(Root::LocalMachine, L"Software\\Classes\\TypeLib\\{L}\\1.0"));
    EXPECT_TRUE(registration::inViewSharedByPlatforms(Root::ClassesRoot, L"TypeLib\\{L}\\1.0"));
    EXPECT_FALSE(registration::inViewSharedByPlatforms(Root::LocalMachine, L"Software\\Classes\\CLSID\\{C}"));
    EXPECT_FALSE(registration::inViewSharedByPlatforms(Root::CurrentUser, L"Software\\Classes\\CLSID\\{C}\\InprocServer32"));
    EXPECT_FALSE(registration::inViewSharedByPlatforms(Root::CurrentUser, L"Software\\Classes\\Interface\\{I}"));
    EXPECT_FALSE(registration::inViewSharedByPlatforms(Root::ClassesRoot, L"Interface\\{I}\\TypeLib"));
    // HKLM\Software is redirected for 32-bit programs (Wow6432Node), HKCU\Software is not.
    EXPECT_FALSE(registration::inViewSharedByPlatforms(Root::LocalMachine, L"Software\\Microsoft\\Office\\Excel\\Addins\\K"));
    EXPECT_TRUE(registration::inViewSharedByPlatforms(Root::CurrentUser, L"Software\\Microsoft\\Office\\Excel\\Addins\\K"));
}

// What the 32-bit and 64-bit packages of one scope share, by key and name.
std::vector<std::wstring> sharedParts(InstallScope scope, bool contested) {
    const auto identity = packagedIdentity();
    std::vector<std::wstring> parts;
    for (const auto& value : registration::installedValues(identity, scope)) {
        const bool selected = contested ? registration::contestedByPlatforms(value, identity)
                                        : registration::sameForBothPlatforms(value, identity);
        if (selected) parts.push_back(value.key + L"[" + value.name + L"]");
        EXPECT_FALSE(registration::contestedByPlatforms(value, identity) && registration::sameForBothPlatforms(value, identity));
    }
    return parts;
}

TEST(InstalledRegistration, BothPlatformsPackagesShareTheProgIdTheTypeLibraryAndTheUsersAddinEntry) {
    const std::vector<std::wstring> machine = {L"Software\\Classes\\TypeLib\\{L}\\1.0[]",
                                               L"Software\\Classes\\TypeLib\\{L}\\1.0\\FLAGS[]",
                                               L"Software\\Classes\\Korvanta.Connect\\Clsid[]"};
    EXPECT_EQ(machine, sharedParts(InstallScope::PerMachine, false));
    std::vector<std::wstring> user = machine;
    for (const wchar_t* name : {L"FriendlyName", L"Description", L"LoadBehavior"}) {
        user.push_back(std::wstring(L"Software\\Microsoft\\Office\\Excel\\Addins\\Korvanta.Connect[") + name + L"]");
    }
    EXPECT_EQ(user, sharedParts(InstallScope::PerUser, false));
    // The help folder is each package's own folder, written to the one shared key.
    const std::vector<std::wstring> contested = {L"Software\\Classes\\TypeLib\\{L}\\1.0\\HELPDIR[]"};
    EXPECT_EQ(contested, sharedParts(InstallScope::PerMachine, true));
    EXPECT_EQ(contested, sharedParts(InstallScope::PerUser, true));
}

}  // namespace
