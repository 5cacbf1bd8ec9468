// Text for the packaging tools' generated XML files: UTF-8, escaped.
#pragma once
#include <string>
#include <string_view>

namespace packaging {

inline std::string utf8(std::wstring_view text) {
    std::string bytes;
    for (wchar_t c : text) {
        const auto code = static_cast<unsigned long>(c);
        if (code < 0x80) {
            bytes += static_cast<char>(code);
        } else if (code < 0x800) {
            bytes += static_cast<char>(0xC0 | (code >> 6));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            bytes += static_cast<char>(0xE0 | (code >> 12));
            bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return bytes;
}

// UTF-8 text as an XML attribute's value or an element's content.
inline std::string escaped(std::string_view text) {
    std::string result;
    for (char c : text) {
        switch (c) {
        case '&': result += "&amp;"; break;
        case '<': result += "&lt;"; break;
        case '>': result += "&gt;"; break;
        case '"': result += "&quot;"; break;
        default: result += c;
        }
    }
    return result;
}

inline std::string escaped(std::wstring_view text) { return escaped(utf8(text)); }

}  // namespace packaging
