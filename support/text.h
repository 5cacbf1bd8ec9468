// Conversions between the add-in's UTF-16 text and the system's code pages.
#pragma once
#include <string>
#include <string_view>

// To and from the system ANSI code page, as the registry and window functions take it.
std::string toAnsi(std::wstring_view text);
std::wstring fromAnsi(std::string_view text);
// To UTF-8, for console output and files.
std::string toUtf8(std::wstring_view text);
