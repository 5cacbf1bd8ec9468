// Names for tests run once per language, as gtest shows them.
#pragma once
#include <string>

#include <gtest/gtest.h>

#include "support/language.h"

namespace korvanta_test {

inline std::string languageName(const testing::TestParamInfo<Language>& info) {
    const char* const names[kLanguageCount] = {"SimplifiedChinese", "TraditionalChinese", "English"};
    return names[static_cast<std::size_t>(info.param)];
}

}  // namespace korvanta_test
