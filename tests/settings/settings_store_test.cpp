// The settings store on the real registry.
#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "support/reg_key.h"
#include "tests/support/korvanta_test.h"

using namespace korvanta_test;
using settings::kSettingCount;
using settings::kSettings;
using settings::SettingFlags;
using settings::SettingTexts;

namespace {

// "1" as the store writes it.
const std::string kStoredOne = utf16Bytes(L"1", true);
std::string text(const std::wstring& value) { return utf16Bytes(value, true); }

// When the settings key was last written to.
ULONGLONG lastWritten() {
    RegKey key;
    FILETIME written{};
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey.c_str(), 0, KEY_QUERY_VALUE, key.put()) == ERROR_SUCCESS) {
        RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, &written);
    }
    return (static_cast<ULONGLONG>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
}

class SettingsStore : public KorvantaTest {
protected:
    void store(const wchar_t* name, DWORD type, const std::string& bytes) {
        writeRaw(HKEY_CURRENT_USER, kSettingsKey, name, type, bytes);
    }
    void storeAll(const std::string& text) {
        for (const settings::Setting& setting : kSettings) store(setting.name, REG_SZ, text);
    }
    std::optional<std::pair<DWORD, std::string>> stored(const wchar_t* name) {
        return readRaw(HKEY_CURRENT_USER, kSettingsKey, name);
    }
    // Stored values as the ANSI functions wrote them, compared byte for byte.
    void expectStored(const wchar_t* name, DWORD type, const std::string& bytes) {
        const auto value = stored(name);
        ASSERT_TRUE(value.has_value()) << "missing value";
        EXPECT_EQ(type, value->first);
        EXPECT_EQ(bytes, value->second);
    }
};

TEST_F(SettingsStore, FirstLoadCreatesTheKeyWithEveryValueShownAndNoneEnforced) {
    settings::LoadSettings();
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        SCOPED_TRACE(i);
        expectStored(kSettings[i].name, REG_SZ, kStoredOne);
        EXPECT_EQ(VARIANT_TRUE, SettingFlags[i]);
        EXPECT_FALSE(settings::SettingEnforced[i]);
        // The text records what was read, which was nothing.
        EXPECT_EQ(L"", SettingTexts[i]);
    }
}

TEST_F(SettingsStore, OnlyTheExactTextZeroHidesAndNothingPresentIsRewritten) {
    storeAll(kStoredOne);
    store(L"TabData", REG_SZ, text(L"0"));
    store(L"TabReview", REG_SZ, text(L"00"));
    store(L"TabView", REG_SZ, text(L"0 "));
    const ULONGLONG before = lastWritten();
    Sleep(20);
    settings::LoadSettings();
    EXPECT_EQ(before, lastWritten()) << "a value was rewritten";
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(i == 6 ? VARIANT_FALSE : VARIANT_TRUE, SettingFlags[i]);
    }
    EXPECT_EQ(L"0", SettingTexts[6]);
    EXPECT_EQ(L"00", SettingTexts[7]);
    EXPECT_EQ(L"0 ", SettingTexts[8]);
}

TEST_F(SettingsStore, EachStoredTypeReadsAsItsTextAndIsNeverRewritten) {
    const std::string zeroes(8, '\0');
    const struct {
        const char* what;
        DWORD type;
        std::string bytes;
        const wchar_t* reads;  // only "0" hides
    } kStored[] = {
        // An administrator's preset of any type is never replaced; what the
        // store cannot read shows.
        {"empty text", REG_SZ, utf16Bytes(L"", true), L""},
        {"expandable text 0", REG_EXPAND_SZ, text(L"0"), L""},
        {"text list 0", REG_MULTI_SZ, utf16Bytes(std::wstring(L"0\0", 2), true), L""},
        {"big-endian dword 0", REG_DWORD_BIG_ENDIAN, zeroes.substr(0, 4), L""},
        {"qword 0", REG_QWORD, zeroes, L""},
        {"untyped text 0", REG_NONE, text(L"0"), L""},
        // A number: 0 hides, any other shows.
        {"dword 0", REG_DWORD, dwordBytes(0), L"0"},
        {"dword 1", REG_DWORD, dwordBytes(1), L"1"},
        {"dword 0xFFFFFFFF", REG_DWORD, dwordBytes(0xFFFFFFFF), L"-1"},
        {"dword of two bytes", REG_DWORD, zeroes.substr(0, 2), L""},
        // Binary data: its first two bytes as a signed little-endian number,
        // a missing byte counting as 0.
        {"binary, no bytes", REG_BINARY, "", L"0"},
        {"binary 00", REG_BINARY, zeroes.substr(0, 1), L"0"},
        {"binary 01", REG_BINARY, "\x01", L"1"},
        {"binary 00 00", REG_BINARY, zeroes.substr(0, 2), L"0"},
        {"binary FF FF", REG_BINARY, "\xFF\xFF", L"-1"},
        {"binary 01 00 07", REG_BINARY, std::string("\x01\0\x07", 3), L"1"},
        {"binary 01 00 00 00", REG_BINARY, std::string("\x01\0\0\0", 4), L"1"},
        {"binary, eight bytes ending in 01", REG_BINARY, zeroes.substr(0, 7) + "\x01", L"0"},
        {"binary, 4000 bytes", REG_BINARY, std::string("\0\x01", 2) + std::string(3998, 'x'), L"256"},
    };
    for (const auto& stored : kStored) {
        SCOPED_TRACE(stored.what);
        storeAll(kStoredOne);
        store(L"TabHome", stored.type, stored.bytes);
        settings::LoadSettings();
        EXPECT_EQ(stored.reads, SettingTexts[2]);
        EXPECT_EQ(std::wstring(stored.reads) == L"0" ? VARIANT_FALSE : VARIANT_TRUE, SettingFlags[2]);
        expectStored(L"TabHome", stored.type, stored.bytes);
    }
}

// A display setting's value in force: the machine's policy, then the user's
// policy, then the user's own value, then the default (shown). A policy value
// counts only as REG_SZ "0" or "1", or as REG_DWORD 0 or 1.
TEST_F(SettingsStore, PoliciesOverrideTheUsersValueMachineFirst) {
    using Value = std::optional<std::pair<DWORD, std::string>>;
    const Value none;
    const Value sz0{{REG_SZ, text(L"0")}}, sz1{{REG_SZ, text(L"1")}};
    const Value dw0{{REG_DWORD, dwordBytes(0)}}, dw1{{REG_DWORD, dwordBytes(1)}};
    const struct {
        const char* what;
        Value machine, user, own;
        VARIANT_BOOL shown;
        bool enforced;
    } kCases[] = {
        {"nothing: the default", none, none, none, VARIANT_TRUE, false},
        {"the user's own value", none, none, sz0, VARIANT_FALSE, false},
        {"the user's policy over the user's value", none, dw1, sz0, VARIANT_TRUE, true},
        {"the user's text policy", none, sz0, sz1, VARIANT_FALSE, true},
        {"the machine's policy over the user's", dw0, dw1, sz1, VARIANT_FALSE, true},
        {"the machine's text policy over the user's", sz1, sz0, sz0, VARIANT_TRUE, true},
        {"the machine's policy over a missing value", sz0, none, none, VARIANT_FALSE, true},
        {"an unusable machine policy falls to the user's", Value{{REG_DWORD, dwordBytes(2)}}, dw0, sz1, VARIANT_FALSE, true},
        {"unusable policies fall to the user's value", Value{{REG_SZ, text(L"00")}}, Value{{REG_EXPAND_SZ, text(L"1")}},
         sz0, VARIANT_FALSE, false},
        {"binary policies set nothing", Value{{REG_BINARY, std::string(2, '\0')}}, Value{{REG_SZ, text(L"yes")}}, none,
         VARIANT_TRUE, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) deleteTree(root, kPolicyKey);
        deleteTree(HKEY_CURRENT_USER, kSettingsKey);
        if (c.machine) writeRaw(HKEY_LOCAL_MACHINE, kPolicyKey, L"TabData", c.machine->first, c.machine->second);
        if (c.user) writeRaw(HKEY_CURRENT_USER, kPolicyKey, L"TabData", c.user->first, c.user->second);
        if (c.own) store(L"TabData", c.own->first, c.own->second);
        const auto machineBefore = readRaw(HKEY_LOCAL_MACHINE, kPolicyKey, L"TabData");
        const auto userBefore = readRaw(HKEY_CURRENT_USER, kPolicyKey, L"TabData");

        settings::LoadSettings();
        EXPECT_EQ(c.shown, SettingFlags[6]);
        EXPECT_EQ(c.enforced, settings::SettingEnforced[6]);
        EXPECT_EQ(c.enforced, settings::AnySettingEnforced());
        for (std::size_t i = 0; i < kSettingCount; ++i) {
            if (i != 6) {
                EXPECT_FALSE(settings::SettingEnforced[i]) << i;
            }
        }
        // The user's own value is kept, or gets its default; the policies
        // are only read.
        expectStored(L"TabData", c.own ? c.own->first : REG_SZ, c.own ? c.own->second : kStoredOne);
        EXPECT_EQ(machineBefore, readRaw(HKEY_LOCAL_MACHINE, kPolicyKey, L"TabData"));
        EXPECT_EQ(userBefore, readRaw(HKEY_CURRENT_USER, kPolicyKey, L"TabData"));
        EXPECT_EQ(c.machine.has_value(), keyExists(HKEY_LOCAL_MACHINE, kPolicyKey));
        EXPECT_EQ(c.user.has_value(), keyExists(HKEY_CURRENT_USER, kPolicyKey));
    }
}

TEST_F(SettingsStore, ALoadDropsFlagsThatWereNotStored) {
    storeAll(kStoredOne);
    settings::LoadSettings();
    SettingFlags[4] = VARIANT_FALSE;
    settings::LoadSettings();
    EXPECT_EQ(VARIANT_TRUE, SettingFlags[4]);
}

TEST_F(SettingsStore, ReadsOfWhatCannotBeOpenedAreEmpty) {
    EXPECT_EQ(L"", settings::ReadSetting(HKEY_CURRENT_USER, L"SOFTWARE\\Korvanta Tests\\Missing", L"TabHome"));
    EXPECT_EQ(L"", settings::ReadValueText(nullptr, L"TabHome"));
    storeAll(kStoredOne);
    EXPECT_EQ(L"", settings::ReadSetting(HKEY_CURRENT_USER, kSettingsKey.c_str(), L"NoSuchValue"));
    EXPECT_EQ(L"1", settings::ReadSetting(HKEY_CURRENT_USER, kSettingsKey.c_str(), L"TabHome"));
}

TEST_F(SettingsStore, WriteCreatesMissingParentsAndStoresText) {
    settings::WriteSetting(HKEY_CURRENT_USER, kSettingsKey.c_str(), L"TabReview", L"0");
    expectStored(L"TabReview", REG_SZ, text(L"0"));
    settings::WriteSetting(HKEY_CURRENT_USER, kSettingsKey.c_str(), L"TabReview", L"1");
    expectStored(L"TabReview", REG_SZ, kStoredOne);
}

// A user whose registry cannot be written: HKEY_CURRENT_USER is replaced, for
// this process, by a volatile key, below which no lasting key can be created.
class UnwritableUserRegistry : public SettingsStore {
protected:
    void SetUp() override {
        SettingsStore::SetUp();
        deleteTree(HKEY_CURRENT_USER, kStandIn);
        RegKey created;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, kStandIn, 0, nullptr, REG_OPTION_VOLATILE,
                                                 KEY_ALL_ACCESS, nullptr, m_standIn.put(), nullptr));
        ASSERT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, m_standIn.get()));
    }
    void TearDown() override {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        m_standIn.reset();
        deleteTree(HKEY_CURRENT_USER, kStandIn);
        SettingsStore::TearDown();
    }
    static constexpr const wchar_t* kStandIn = L"SOFTWARE\\Korvanta Tests\\Unwritable user";
    RegKey m_standIn;
};

TEST_F(UnwritableUserRegistry, LoadCompletesAndEverythingCountsAsShown) {
    SettingFlags.fill(VARIANT_FALSE);
    settings::LoadSettings();
    for (std::size_t i = 0; i < kSettingCount; ++i) EXPECT_EQ(VARIANT_TRUE, SettingFlags[i]) << i;
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, std::wstring(kStandIn) + L"\\" + kSettingsKey));
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, kSettingsKey));
}

}  // namespace

// The language in force: the machine's Language policy, then the user's, then
// the user's own value (in any letter case), then Simplified Chinese. A policy
// counts only as one of the four texts the template writes; the user's value
// is never written by reading it.
TEST_F(SettingsStore, TheLanguagesPoliciesComeFirstMachineFirstThenTheUsersValue) {
    using settings::LanguageChoice;
    const struct {
        const wchar_t* machine;
        const wchar_t* user;
        const wchar_t* own;
        LanguageChoice choice;
        bool enforced;
    } kCases[] = {
        {nullptr, nullptr, nullptr, LanguageChoice::SimplifiedChinese, false},
        {nullptr, nullptr, L"EN", LanguageChoice::English, false},
        {nullptr, L"zh-TW", L"en", LanguageChoice::TraditionalChinese, true},
        {L"Office", L"zh-TW", L"en", LanguageChoice::FollowOffice, true},
        {L"en", nullptr, nullptr, LanguageChoice::English, true},
        {L"office", L"fr", L"zh-TW", LanguageChoice::TraditionalChinese, false},  // unusable policies
        {L"zh-cn", L"en", nullptr, LanguageChoice::English, true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << (c.machine ? "machine policy " : "") << (c.user ? "user policy " : "")
                                        << (c.own ? "own value" : ""));
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) deleteTree(root, kPolicyKey);
        deleteTree(HKEY_CURRENT_USER, kSettingsKey);
        if (c.machine) writeRaw(HKEY_LOCAL_MACHINE, kPolicyKey, L"Language", REG_SZ, text(c.machine));
        if (c.user) writeRaw(HKEY_CURRENT_USER, kPolicyKey, L"Language", REG_SZ, text(c.user));
        if (c.own) writeRaw(HKEY_CURRENT_USER, kSettingsKey, L"Language", REG_SZ, text(c.own));
        const settings::LanguageInForce inForce = settings::ReadLanguageChoice();
        EXPECT_EQ(c.choice, inForce.choice);
        EXPECT_EQ(c.enforced, inForce.enforced);
        EXPECT_EQ(c.enforced, settings::AnySettingEnforced());
        EXPECT_EQ(c.own ? std::optional<std::wstring>(c.own) : std::nullopt,
                  readString(HKEY_CURRENT_USER, kSettingsKey, L"Language"));
    }
}
