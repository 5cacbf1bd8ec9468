// The settings store on the ANSI registry functions.
#include "settings/settings_store.h"

#include <vector>

#include "support/reg_key.h"
#include "support/text.h"

namespace settings {

std::array<std::wstring, kSettingCount> SettingTexts;
std::array<VARIANT_BOOL, kSettingCount> SettingFlags{};
std::array<bool, kSettingCount> SettingEnforced{};

namespace {

StoredKind kindOf(DWORD type) noexcept {
    if (type == REG_SZ) return StoredKind::Text;
    if (type == REG_BINARY) return StoredKind::Binary;
    if (type == REG_DWORD) return StoredKind::Dword;
    return StoredKind::Other;
}

// A value of an open key as the registry holds it.
struct Stored {
    StoredKind kind = StoredKind::Other;
    std::vector<char> bytes;
    DWORD size = 0;
    std::string_view data() const noexcept { return {bytes.data(), size}; }
};

// Reads the value `name` of an open key. ERROR_FILE_NOT_FOUND when the key has
// no such value; any other failure leaves open whether it has.
LONG query(HKEY key, const char* name, Stored& value) {
    DWORD type = REG_NONE;
    // A zero or invalid key handle makes this first query fail.
    LONG status = RegQueryValueExA(key, name, nullptr, &type, nullptr, &value.size);
    if (status != ERROR_SUCCESS) return status;
    // The whole value is read even for binary data, of which only two bytes
    // count: a smaller buffer would make the query fail with ERROR_MORE_DATA.
    // The first size is where to start, not a promise: converting a stored
    // string to the ANSI code page, or a writer in between, may need more,
    // which the failing query then reports.
    status = ERROR_MORE_DATA;
    for (int attempt = 0; attempt < 3 && status == ERROR_MORE_DATA; ++attempt) {
        value.bytes.assign(value.size, '\0');
        status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value.bytes.data()), &value.size);
    }
    value.kind = kindOf(type);
    return status;
}

// Both policy keys, open for as long as their values are read.
class PolicyKeys {
public:
    PolicyKeys() {
        // The machine's policy outranks the user's, as in Windows' own policies.
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPolicySubKey, 0, KEY_QUERY_VALUE, m_keys[0].put());
        RegOpenKeyExA(HKEY_CURRENT_USER, kPolicySubKey, 0, KEY_QUERY_VALUE, m_keys[1].put());
    }
    // A key or value that cannot be read sets nothing, as a missing one.
    int choice(const wchar_t* valueName, PolicyTexts accepted) {
        const std::string name = toAnsi(valueName);
        Stored value;
        for (const RegKey& key : m_keys) {
            if (!key || query(key.get(), name.c_str(), value) != ERROR_SUCCESS) continue;
            const int choice = policyChoice(value.kind, value.data(), accepted);
            if (choice != kNoPolicy) return choice;
        }
        return kNoPolicy;
    }

private:
    RegKey m_keys[2];
};

}  // namespace

std::wstring ReadValueText(HKEY key, const wchar_t* valueName, LONG* status) {
    Stored value;
    const LONG read = query(key, toAnsi(valueName).c_str(), value);
    if (status) *status = read;
    return read == ERROR_SUCCESS ? fromAnsi(storedValueText(value.kind, value.data())) : std::wstring();
}

std::wstring ReadSetting(HKEY root, const wchar_t* subKey, const wchar_t* valueName, LONG* status) {
    RegKey key;
    // A key that cannot be opened reads as the empty text.
    const LONG opened = RegOpenKeyExA(root, toAnsi(subKey).c_str(), 0, KEY_QUERY_VALUE, key.put());
    if (opened != ERROR_SUCCESS) {
        if (status) *status = opened;
        return {};
    }
    return ReadValueText(key.get(), valueName, status);
}

void WriteSetting(HKEY root, const wchar_t* subKey, const wchar_t* valueName, const std::wstring& text) {
    RegKey key;
    if (RegCreateKeyExA(root, toAnsi(subKey).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                        key.put(), nullptr) != ERROR_SUCCESS) {
        return;
    }
    // REG_SZ data includes its terminating NUL, as the registry functions require.
    const std::string data = toAnsi(text);
    RegSetValueExA(key.get(), toAnsi(valueName).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
}

bool AnySettingEnforced() {
    PolicyKeys policies;
    for (const Setting& setting : kSettings) {
        if (policies.choice(setting.name, kFlagPolicyTexts) != kNoPolicy) return true;
    }
    return policies.choice(kLanguageValueName, kLanguagePolicyTexts) != kNoPolicy;
}

void LoadSettings() {
    PolicyKeys policies;
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        LONG status = ERROR_SUCCESS;
        SettingTexts[i] = ReadSetting(HKEY_CURRENT_USER, kSettingsSubKey, kSettings[i].name, &status);
        // Only a value that the registry says is missing (or whose key is)
        // gets its default: one that cannot be read may be an administrator's
        // preset. The default is stored under a policy too, so that lifting
        // the policy leaves the setting as a new user would have it.
        if (status == ERROR_FILE_NOT_FOUND) WriteSetting(HKEY_CURRENT_USER, kSettingsSubKey, kSettings[i].name, L"1");
        const int enforced = policies.choice(kSettings[i].name, kFlagPolicyTexts);
        SettingEnforced[i] = enforced != kNoPolicy;
        if (SettingEnforced[i]) SettingTexts[i] = fromAnsi(kFlagPolicyTexts.texts[enforced]);
        SettingFlags[i] = shownByText(SettingTexts[i]) ? VARIANT_TRUE : VARIANT_FALSE;
    }
}

LanguageInForce ReadLanguageChoice() {
    const int enforced = PolicyKeys().choice(kLanguageValueName, kLanguagePolicyTexts);
    if (enforced != kNoPolicy) return {static_cast<LanguageChoice>(enforced), true};
    return {languageChoiceOf(ReadSetting(HKEY_CURRENT_USER, kSettingsSubKey, kLanguageValueName)), false};
}

void WriteLanguageChoice(LanguageChoice choice) {
    WriteSetting(HKEY_CURRENT_USER, kSettingsSubKey, kLanguageValueName, storedTextOf(choice));
}

}  // namespace settings
