// The user's ten display choices: their registry home, the policies that
// override them, the in-memory tables the ribbon answers from, and the read,
// write and load operations.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <array>
#include <cstddef>
#include <string>

#include "settings/language_setting.h"
#include "settings/settings_table.h"
#include "settings/stored_value.h"

namespace settings {

// SettingsKey: below HKEY_CURRENT_USER.
inline constexpr wchar_t kSettingsSubKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\Korvanta\\Excel";

// The three tables are indexed as kSettings.
// The text in force at the last LoadSettings: the policy's when a policy set
// the value, otherwise what the user's own value read as (empty when it was
// missing or could not be read).
extern std::array<std::wstring, kSettingCount> SettingTexts;
// The visibility of each setting: VARIANT_TRUE (-1) shown, VARIANT_FALSE hidden.
extern std::array<VARIANT_BOOL, kSettingCount> SettingFlags;
// Whether a policy set the value at the last LoadSettings; the user cannot
// change such a setting.
extern std::array<bool, kSettingCount> SettingEnforced;

// The text of a value of an open key; the empty text when it cannot be read.
// `status`, when given, receives the registry's answer: ERROR_FILE_NOT_FOUND
// for a value that does not exist.
std::wstring ReadValueText(HKEY key, const wchar_t* valueName, LONG* status = nullptr);
// Opens subKey below root, reads the value, closes the key. Never fails;
// `status` as for ReadValueText, or the failure to open the key.
std::wstring ReadSetting(HKEY root, const wchar_t* subKey, const wchar_t* valueName, LONG* status = nullptr);
// Creates or opens subKey below root and stores text as REG_SZ. Reports nothing.
void WriteSetting(HKEY root, const wchar_t* subKey, const wchar_t* valueName, const std::wstring& text);
// Whether a policy sets any of the ten settings, or the language, now.
bool AnySettingEnforced();
// Rebuilds the tables from the policies (below kPolicySubKey, the machine's
// first, then the user's) and the user's values, and stores "1" for every
// user's value that does not exist. A value that exists is never rewritten,
// whatever it holds, and nothing is written below kPolicySubKey.
void LoadSettings();

// The language chosen now: the machine's Language policy, then the user's,
// then the user's own value (one that is missing chooses Simplified Chinese
// and is not written); `enforced` when a policy chose it.
struct LanguageInForce {
    LanguageChoice choice;
    bool enforced;
};
LanguageInForce ReadLanguageChoice();
// Stores the user's own choice.
void WriteLanguageChoice(LanguageChoice choice);

}  // namespace settings
