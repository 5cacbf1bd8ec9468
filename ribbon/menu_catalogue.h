// The legacy menus: which menu a dynamicMenu's tag selects, and the fixed
// documents of the eight menus whose content never changes.
#pragma once
#include <optional>
#include <string_view>

namespace ribbon {

enum class LegacyMenu { File, Edit, View, Insert, Format, Tools, Data, Window, Help };

// The menu that a MenuTag selects; the tags are compared whole and
// case-sensitively. The Data menu's tag is "Date" and the Window menu's
// "Windows", as the ribbon document carries them.
std::optional<LegacyMenu> menuForTag(std::wstring_view tag) noexcept;

// The complete MenuDocument of a fixed menu. The File menu lists the host's
// recent files, so it has no fixed document: empty for File.
std::wstring_view fixedMenuDocument(LegacyMenu menu) noexcept;

}  // namespace ribbon
