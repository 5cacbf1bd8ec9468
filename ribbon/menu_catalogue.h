// The legacy menus: one row per menu, from which the ribbon document's two
// copies of each menu, the tag lookup and the fixed documents all come.
#pragma once
#include <optional>
#include <string_view>

#include "support/language.h"

// KORVANTA_LEGACY_MENUS(ROW) expands ROW once per menu, in menu-bar order:
//   ROW(menu, tag, id, label, screentip, supertip, spacer, document)
// - menu: the LegacyMenu enumerator;
// - tag: the dynamicMenu's tag, which selects its content. The Data menu's is
//   "Date" and the Window menu's "Windows", as shipped;
// - id: the menu's id stem; the menu bar's copy is rxMenu_<id>, the combined
//   menu's rxMenu_<id>1;
// - label, screentip, supertip: the names of its texts (ribbon/ribbon_texts.h);
// - spacer: the element after the menu on the menu bar (empty after the last);
// - document: the template in menu_catalogue.cpp of its fixed document
//   (kNoFixedDocument for File, which lists the host's recent files).
// Tags, ids and spacers are narrow literals, parts of the document templates;
// the tags are the same in every language.
#define KORVANTA_LEGACY_MENUS(ROW)                                                                               \
    ROW(File, "File", "wenjian", FileMenu, FileMenuTip, FileMenuNote, KORVANTA_MENU_SPACER("rxlable1"), kNoFixedDocument) \
    ROW(Edit, "Edit", "bianji", EditMenu, EditMenuTip, EditMenuNote, KORVANTA_MENU_SPACER("rxlable2"), kEdit)     \
    ROW(View, "View", "shitu", ViewMenu, ViewMenuTip, ViewMenuNote, KORVANTA_MENU_SPACER("rxlable3"), kView)      \
    ROW(Insert, "Insert", "charu", InsertMenu, InsertMenuTip, InsertMenuNote, KORVANTA_MENU_SPACER("rxlable4"), kInsert) \
    ROW(Format, "Format", "geshi", FormatMenu, FormatMenuTip, FormatMenuNote, KORVANTA_MENU_SPACER("rxlable5"), kFormat) \
    ROW(Tools, "Tools", "gongju", ToolsMenu, ToolsMenuTip, ToolsMenuNote, KORVANTA_MENU_SPACER("rxlable6"), kTools) \
    ROW(Data, "Date", "shuju", DataMenu, DataMenuTip, DataMenuNote, KORVANTA_MENU_SPACER("rxlable7"), kData)      \
    ROW(Window, "Windows", "chuangkou", WindowMenu, WindowMenuTip, WindowMenuNote, KORVANTA_MENU_SPACER("rxlable8"), kWindow) \
    ROW(Help, "Help", "bangzhu", HelpMenu, HelpMenuTip, HelpMenuNote, "", kHelp)

// The blank label that separates two menus on the menu bar.
#define KORVANTA_MENU_SPACER(id) "<labelControl id=\"" id "\" label=\"   \"/>"

namespace ribbon {

#define KORVANTA_MENU_ENUMERATOR(menu, tag, id, label, screentip, supertip, spacer, document) menu,
enum class LegacyMenu { KORVANTA_LEGACY_MENUS(KORVANTA_MENU_ENUMERATOR) };
#undef KORVANTA_MENU_ENUMERATOR

// The menu that a MenuTag selects; the tags are compared whole and
// case-sensitively. The Data menu's tag is "Date" and the Window menu's
// "Windows", as the ribbon document carries them.
std::optional<LegacyMenu> menuForTag(std::wstring_view tag) noexcept;

// The complete MenuDocument of a fixed menu in `language`, filled on first use
// (std::bad_alloc when that runs out of memory) and the same text afterwards.
// The File menu lists the host's recent files, so it has no fixed document:
// empty for File.
std::wstring_view fixedMenuDocument(LegacyMenu menu, Language language);

// The File menu's fixed lines before its recent files, in `language`, kept
// as the fixed documents are.
std::wstring_view fileMenuHead(Language language);

}  // namespace ribbon
