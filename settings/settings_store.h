// The user's ten display choices: their registry home, the in-memory tables the
// ribbon answers from, and the read, write and load operations.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <array>
#include <cstddef>
#include <string>

#include "settings/language_setting.h"
#include "settings/settings_table.h"

namespace settings {

// SettingsKey: below HKEY_CURRENT_USER.
inline constexpr wchar_t kSettingsSubKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\Korvanta\\Excel";

// Both tables are indexed as kSettings.
// The text each value held at the last LoadSettings (empty when it was missing).
extern std::array<std::wstring, kSettingCount> SettingTexts;
// The visibility of each setting: VARIANT_TRUE (-1) shown, VARIANT_FALSE hidden.
extern std::array<VARIANT_BOOL, kSettingCount> SettingFlags;

// The text of a value of an open key; the empty text when it cannot be read.
std::wstring ReadValueText(HKEY key, const wchar_t* valueName);
// Opens subKey below root, reads the value, closes the key. Never fails.
std::wstring ReadSetting(HKEY root, const wchar_t* subKey, const wchar_t* valueName);
// Creates or opens subKey below root and stores text as REG_SZ. Reports nothing.
void WriteSetting(HKEY root, const wchar_t* subKey, const wchar_t* valueName, const std::wstring& text);
// Rebuilds both tables from the registry and stores "1" for every missing value.
void LoadSettings();

// The Language value as the user left it (a missing value chooses Simplified
// Chinese and is not written), and storing a choice.
LanguageChoice ReadLanguageChoice();
void WriteLanguageChoice(LanguageChoice choice);

}  // namespace settings
