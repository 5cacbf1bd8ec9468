// Names for tests run once per language, as gtest shows them.
#pragma once
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "support/language.h"

namespace korvanta_test {

inline const char* nameOf(Language language) {
    const char* const names[kLanguageCount] = {"SimplifiedChinese", "TraditionalChinese", "English"};
    return names[static_cast<std::size_t>(language)];
}

inline std::string languageName(const testing::TestParamInfo<Language>& info) { return nameOf(info.param); }

}  // namespace korvanta_test

inline void PrintTo(Language language, std::ostream* out) { *out << korvanta_test::nameOf(language); }
