// Filling document templates with the ribbon's texts.
#include "ribbon/ribbon_texts.h"

namespace ribbon {
namespace {

std::size_t textIndexOf(std::string_view name) noexcept {
    std::size_t index = 0;
    while (index < kRibbonTextCount && kRibbonTextNames[index] != name) ++index;
    return index;
}

// One character of UTF-8 at `at` (valid: the compiler wrote it), appended as
// UTF-16, or as one unit where wchar_t holds every character.
std::size_t appendCharacter(std::string_view text, std::size_t at, std::wstring& out) {
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(text[i])); };
    const char32_t lead = byte(at);
    std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (byte(at + i) & 0x3F);
    if (c > 0xFFFF && sizeof(wchar_t) == 2) {
        out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
        out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        out += static_cast<wchar_t>(c);
    }
    return length;
}

}  // namespace

std::wstring fillTemplate(std::string_view documentTemplate, Language language) {
    std::wstring filled;
    // Most of a template is ASCII, one unit a byte; CJK takes three bytes a unit.
    filled.reserve(documentTemplate.size());
    for (std::size_t at = 0; at < documentTemplate.size();) {
        if (documentTemplate[at] != texts_detail::kSlotStart) {
            at += appendCharacter(documentTemplate, at, filled);
            continue;
        }
        const std::size_t end = documentTemplate.find(texts_detail::kSlotEnd, at);
        if (end == std::string_view::npos) break;
        const std::size_t index = textIndexOf(documentTemplate.substr(at + 1, end - at - 1));
        // Every slot names a text (slotsNameTexts, asserted with each template).
        if (index < kRibbonTextCount) filled += kRibbonTexts[index].in(language);
        at = end + 1;
    }
    return filled;
}

std::wstring_view FilledTemplate::in(Language language) {
    std::wstring& filled = m_filled[static_cast<std::size_t>(language)];
    if (filled.empty()) filled = fillTemplate(m_template, language);
    return filled;
}

}  // namespace ribbon
