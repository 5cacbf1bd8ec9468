// Tests run once per language: their names as gtest shows them, and a fixture
// of the dialogs' tests run in each.
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

// `Fixture`, whose m_language is the language its dialogs open in, once in
// each language: write its tests with TEST_P.
template <class Fixture>
class InEachLanguage : public Fixture, public testing::WithParamInterface<Language> {
protected:
    void SetUp() override {
        Fixture::SetUp();
        this->m_language = this->GetParam();
    }
};

}  // namespace korvanta_test

inline void PrintTo(Language language, std::ostream* out) { *out << korvanta_test::nameOf(language); }
