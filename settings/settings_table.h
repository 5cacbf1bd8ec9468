// The ten display settings, one row each, in the order the store keeps them.
// The store, the ribbon's visibility callbacks, the customisation dialog and
// the Group Policy templates all read this one table. Pure: no Windows types.
#pragma once
#include <cstddef>
#include <iterator>

namespace settings {

struct Setting {
    // The registry value's name; a tab's is also the tab's idMso.
    const wchar_t* name;
    // The control tag through which GetVisibleI follows it; null for a tab.
    const wchar_t* ribbonTag;
};

// The customisation dialog's texts for them are in dialogs/choices.h.
inline constexpr Setting kSettings[] = {
    {L"ShowAllMenu", L"一"},      // the combined menu and its spacer
    {L"ShowRecentFiles", L"二"},  // the File menu's recent-file buttons
    {L"TabHome", nullptr},
    {L"TabInsert", nullptr},
    {L"TabPageLayoutExcel", nullptr},
    {L"TabFormulas", nullptr},
    {L"TabData", nullptr},
    {L"TabReview", nullptr},
    {L"TabView", nullptr},
    {L"TabDeveloper", nullptr},
};

inline constexpr std::size_t kSettingCount = std::size(kSettings);
inline constexpr std::size_t kShowAllMenu = 0;
inline constexpr std::size_t kShowRecentFiles = 1;
// The built-in tabs follow the two settings of the add-in's own controls.
inline constexpr std::size_t kFirstTab = 2;
inline constexpr std::size_t kTabCount = kSettingCount - kFirstTab;

// Where Group Policy sets values of the same names, below HKEY_LOCAL_MACHINE
// (for every user of the machine) and HKEY_CURRENT_USER (for one user). A
// value set there overrides the user's own, and Korvanta never writes there.
inline constexpr char kPolicySubKey[] = "Software\\Policies\\Korvanta\\Excel";

}  // namespace settings
