// The expected texts of the ribbon tests: files under expected/, compared as
// UTF-8 bytes so that a difference prints readably and wchar_t's width on the
// building platform does not matter.
#pragma once
#include <string>
#include <string_view>

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

// How often `what` occurs in `text`.
inline std::size_t occurrences(std::wstring_view text, std::wstring_view what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::wstring_view::npos; at = text.find(what, at + what.size())) ++count;
    return count;
}

}  // namespace ribbon_test
