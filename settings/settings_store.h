// The user's ten display choices: their registry home, the in-memory tables the
// ribbon answers from, and the read, write and load operations.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <array>
#include <cstddef>
#include <string>

namespace settings {

inline constexpr std::size_t kSettingCount = 10;

// Registry value names in table order; the index is shared by both tables.
// The eight tab names are also the tabs' idMso values.
inline constexpr const wchar_t* kSettingNames[kSettingCount] = {
    L"ShowAllMenu", L"ShowRecentFiles", L"TabHome", L"TabInsert", L"TabPageLayoutExcel",
    L"TabFormulas", L"TabData", L"TabReview", L"TabView", L"TabDeveloper",
};
inline constexpr std::size_t kShowAllMenu = 0;
inline constexpr std::size_t kShowRecentFiles = 1;
inline constexpr std::size_t kFirstTab = 2;

// SettingsKey: below HKEY_CURRENT_USER.
inline constexpr wchar_t kSettingsSubKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\Korvanta\\Excel";

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

}  // namespace settings
