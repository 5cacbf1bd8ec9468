// The frame that every legacy menu's document shares. Kept as literals, not
// objects, so that each fixed document can be one compile-time constant built
// by concatenating adjacent literals. They are narrow, as the templates are
// (ribbon/ribbon_texts.h); beside a wide literal they become wide.
#pragma once

// The customUI namespace, also the root namespace of the ribbon document.
#define KORVANTA_CUSTOMUI_NAMESPACE "http://schemas.microsoft.com/office/2006/01/customui"
// Office accepts a dynamic menu's content only as one namespaced menu element.
#define KORVANTA_MENU_HEADER "<menu xmlns=\"" KORVANTA_CUSTOMUI_NAMESPACE "\">"
#define KORVANTA_MENU_CLOSE "</menu>"
// Lines of a menu document are joined by CR LF, never ended by one.
#define KORVANTA_CRLF "\r\n"

#include <cstddef>
#include <string_view>

namespace ribbon {

// A literal's text without its terminating NUL.
template <std::size_t N>
constexpr std::wstring_view viewOf(const wchar_t (&text)[N]) noexcept {
    return std::wstring_view(text, N - 1);
}

}  // namespace ribbon
