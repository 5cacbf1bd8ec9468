// The expected texts of the ribbon tests: files under expected/, compared as
// UTF-8 bytes so that a difference prints readably and wchar_t's width on the
// building platform does not matter. The files hold the Simplified Chinese
// documents; another language's is the same with its own texts in their place.
#pragma once
#include <string>
#include <string_view>

#include "ribbon/ribbon_texts.h"
#include "support/language.h"
#include "tests/support/language_names.h"
#include "tests/ribbon/test_files.h"
#include "tests/ribbon/utf8.h"

#ifndef KORVANTA_RIBBON_EXPECTED_DIR
#error "KORVANTA_RIBBON_EXPECTED_DIR must name the folder of the expected texts"
#endif

namespace ribbon_test {

// The bytes of expected/<name>.
inline std::string expectedText(const char* name) {
    return readFile(std::string(KORVANTA_RIBBON_EXPECTED_DIR) + "/" + name);
}

// expected/<name> in `language`: every attribute value that is one of the
// ribbon's own texts in Simplified Chinese, and the recent files' supertip
// prefix, in `language` instead; everything else as it stands.
inline std::string expectedText(const char* name, Language language) {
    const std::string simplified = expectedText(name);
    if (language == Language::SimplifiedChinese) return simplified;
    const auto utf8 = [](ribbon::RibbonText text, Language in) { return toUtf8(ribbon::ribbonText(text, in)); };
    const std::string prefix = utf8(ribbon::RibbonText::OpenPrefix, Language::SimplifiedChinese);
    std::string translated;
    std::size_t copied = 0;
    for (std::size_t at = simplified.find("=\""); at != std::string::npos; at = simplified.find("=\"", at + 1)) {
        const std::size_t start = at + 2;
        const std::size_t end = simplified.find('"', start);
        const std::string value = simplified.substr(start, end - start);
        std::string replaced = value;
        for (std::size_t t = 0; t < ribbon::kRibbonTextCount; ++t) {
            const auto text = static_cast<ribbon::RibbonText>(t);
            if (text != ribbon::RibbonText::OpenPrefix && value == utf8(text, Language::SimplifiedChinese)) {
                replaced = utf8(text, language);
            }
        }
        if (value.compare(0, prefix.size(), prefix) == 0) {
            replaced = utf8(ribbon::RibbonText::OpenPrefix, language) + value.substr(prefix.size());
        }
        translated += simplified.substr(copied, start - copied) + replaced;
        copied = end;
    }
    return translated + simplified.substr(copied);
}

// How often `what` occurs in `text`.
inline std::size_t occurrences(std::wstring_view text, std::wstring_view what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::wstring_view::npos; at = text.find(what, at + what.size())) ++count;
    return count;
}

}  // namespace ribbon_test
