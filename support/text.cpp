// Code-page conversions through the system's own tables.
#include "support/text.h"

#include <windows.h>

namespace {

std::string narrow(UINT codePage, std::wstring_view text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), converted.data(), size, nullptr, nullptr);
    return converted;
}

}  // namespace

std::string toAnsi(std::wstring_view text) { return narrow(CP_ACP, text); }
std::string toUtf8(std::wstring_view text) { return narrow(CP_UTF8, text); }

std::wstring fromAnsi(std::string_view text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring converted(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), converted.data(), size);
    return converted;
}
