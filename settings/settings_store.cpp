// The settings store on the ANSI registry functions.
#include "settings/settings_store.h"

#include <vector>

#include "settings/stored_value.h"
#include "support/reg_key.h"
#include "support/text.h"

namespace settings {

std::array<std::wstring, kSettingCount> SettingTexts;
std::array<VARIANT_BOOL, kSettingCount> SettingFlags{};

namespace {

StoredKind kindOf(DWORD type) noexcept {
    if (type == REG_SZ) return StoredKind::Text;
    if (type == REG_BINARY) return StoredKind::Binary;
    return StoredKind::Other;
}

}  // namespace

std::wstring ReadValueText(HKEY key, const wchar_t* valueName) {
    const std::string name = toAnsi(valueName);
    DWORD type = REG_NONE;
    DWORD size = 0;
    // A zero or invalid key handle makes this first query fail: the empty text.
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
    if (kindOf(type) == StoredKind::Other) return {};

    // The whole value is read even for binary data, of which only two bytes
    // count: a smaller buffer would make the query fail with ERROR_MORE_DATA.
    // The first size is where to start, not a promise: converting a stored
    // string to the ANSI code page, or a writer in between, may need more,
    // which the failing query then reports.
    std::vector<char> data;
    LONG status = ERROR_MORE_DATA;
    for (int attempt = 0; attempt < 3 && status == ERROR_MORE_DATA; ++attempt) {
        data.assign(size, '\0');
        status = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    }
    if (status != ERROR_SUCCESS) return {};
    const std::size_t length = size < data.size() ? size : data.size();
    return fromAnsi(storedValueText(kindOf(type), std::string_view(data.data(), length)));
}

std::wstring ReadSetting(HKEY root, const wchar_t* subKey, const wchar_t* valueName) {
    RegKey key;
    // A key that cannot be opened reads as the empty text.
    if (RegOpenKeyExA(root, toAnsi(subKey).c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return {};
    return ReadValueText(key.get(), valueName);
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

void LoadSettings() {
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        SettingTexts[i] = ReadSetting(HKEY_CURRENT_USER, kSettingsSubKey, kSettings[i].name);
    }
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        if (SettingTexts[i].empty()) WriteSetting(HKEY_CURRENT_USER, kSettingsSubKey, kSettings[i].name, L"1");
    }
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        SettingFlags[i] = shownByText(SettingTexts[i]) ? VARIANT_TRUE : VARIANT_FALSE;
    }
}

LanguageChoice ReadLanguageChoice() {
    return languageChoiceOf(ReadSetting(HKEY_CURRENT_USER, kSettingsSubKey, kLanguageValueName));
}

void WriteLanguageChoice(LanguageChoice choice) {
    WriteSetting(HKEY_CURRENT_USER, kSettingsSubKey, kLanguageValueName, storedTextOf(choice));
}

}  // namespace settings
