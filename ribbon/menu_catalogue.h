// The legacy menus: one row per menu, from which the ribbon document's two
// copies of each menu, the tag lookup and the fixed documents all come.
#pragma once
#include <optional>
#include <string_view>

// KORVANTA_LEGACY_MENUS(ROW) expands ROW once per menu, in menu-bar order:
//   ROW(menu, tag, id, label, screentip, supertip, spacer, document)
// - menu: the LegacyMenu enumerator;
// - tag: the dynamicMenu's tag, which selects its content. The Data menu's is
//   "Date" and the Window menu's "Windows", as shipped;
// - id: the menu's id stem; the menu bar's copy is rxMenu_<id>, the combined
//   menu's rxMenu_<id>1;
// - label, screentip, supertip: as Office shows them;
// - spacer: the element after the menu on the menu bar (empty after the last);
// - document: the constant in menu_catalogue.cpp holding its fixed document
//   (kNoFixedDocument for File, which lists the host's recent files).
// Kept as literals so that the ribbon document stays one compile-time constant.
#define KORVANTA_LEGACY_MENUS(ROW)                                                                              \
    ROW(File, L"File", L"wenjian", L"文件", L"文件菜单", L"获取Excel2007打开关闭等和文件相关操作。",                    \
        KORVANTA_MENU_SPACER(L"rxlable1"), kNoFixedDocument)                                                    \
    ROW(Edit, L"Edit", L"bianji", L"编辑", L"编辑菜单", L"获取和Excel2007复制剪切等和文件编辑有关的操作。",               \
        KORVANTA_MENU_SPACER(L"rxlable2"), kEdit)                                                               \
    ROW(View, L"View", L"shitu", L"视图", L"视图菜单", L"获取和Excel2007页面布局，外观等的有关操作。",                    \
        KORVANTA_MENU_SPACER(L"rxlable3"), kView)                                                               \
    ROW(Insert, L"Insert", L"charu", L"插入", L"插入菜单", L"获取和Excel2007各种对象插入的有关操作。",                   \
        KORVANTA_MENU_SPACER(L"rxlable4"), kInsert)                                                             \
    ROW(Format, L"Format", L"geshi", L"格式", L"格式菜单", L"获取和Excel2007各种对象格式有关的操作。",                   \
        KORVANTA_MENU_SPACER(L"rxlable5"), kFormat)                                                             \
    ROW(Tools, L"Tools", L"gongju", L"工具", L"工具菜单", L"获取和Excel2007检查，保护，宏及方案管理等有关的操作。",          \
        KORVANTA_MENU_SPACER(L"rxlable6"), kTools)                                                              \
    ROW(Data, L"Date", L"shuju", L"数据", L"数据菜单", L"获取和Excel2007数据操作有关的操作。",                        \
        KORVANTA_MENU_SPACER(L"rxlable7"), kData)                                                               \
    ROW(Window, L"Windows", L"chuangkou", L"窗口", L"窗口菜单", L"获取和Excel2007窗口布局有关的操作。",                 \
        KORVANTA_MENU_SPACER(L"rxlable8"), kWindow)                                                             \
    ROW(Help, L"Help", L"bangzhu", L"帮助", L"帮助菜单", L"获取和Excel2007有关的信息。", L"", kHelp)

// The blank label that separates two menus on the menu bar.
#define KORVANTA_MENU_SPACER(id) L"<labelControl id=\"" id L"\" label=\"   \"/>"

namespace ribbon {

#define KORVANTA_MENU_ENUMERATOR(menu, tag, id, label, screentip, supertip, spacer, document) menu,
enum class LegacyMenu { KORVANTA_LEGACY_MENUS(KORVANTA_MENU_ENUMERATOR) };
#undef KORVANTA_MENU_ENUMERATOR

// The menu that a MenuTag selects; the tags are compared whole and
// case-sensitively. The Data menu's tag is "Date" and the Window menu's
// "Windows", as the ribbon document carries them.
std::optional<LegacyMenu> menuForTag(std::wstring_view tag) noexcept;

// The complete MenuDocument of a fixed menu. The File menu lists the host's
// recent files, so it has no fixed document: empty for File.
std::wstring_view fixedMenuDocument(LegacyMenu menu) noexcept;

}  // namespace ribbon
