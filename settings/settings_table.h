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
    // The customisation dialog's list entry for a tab; null for the two
    // settings that have check boxes of their own.
    const wchar_t* dialogEntry;
};

inline constexpr Setting kSettings[] = {
    {L"ShowAllMenu", L"一", nullptr},      // the combined menu and its spacer
    {L"ShowRecentFiles", L"二", nullptr},  // the File menu's recent-file buttons
    {L"TabHome", nullptr, L"显示开始选项卡"},
    {L"TabInsert", nullptr, L"显示插入选项卡"},
    {L"TabPageLayoutExcel", nullptr, L"显示页面布局选项卡"},
    {L"TabFormulas", nullptr, L"显示公式选项卡"},
    {L"TabData", nullptr, L"显示数据选项卡"},
    {L"TabReview", nullptr, L"显示审阅选项卡"},
    {L"TabView", nullptr, L"显示视图选项卡"},
    {L"TabDeveloper", nullptr, L"显示开发工具选项卡"},
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
