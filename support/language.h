// The three languages of Korvanta's own texts, and a text given in all three.
// Pure: no Windows types, so that the tables built from it also build natively.
#pragma once
#include <cstddef>

enum class Language : unsigned char { SimplifiedChinese, TraditionalChinese, English };

inline constexpr std::size_t kLanguageCount = 3;
inline constexpr Language kLanguages[kLanguageCount] = {Language::SimplifiedChinese, Language::TraditionalChinese,
                                                        Language::English};

// One of Korvanta's own texts in every language, as constant data. The
// constructor takes exactly the three texts, and a table of them is constant:
// a text left out, null or empty does not compile.
class Translation {
public:
    constexpr Translation(const wchar_t* simplifiedChinese, const wchar_t* traditionalChinese, const wchar_t* english)
        : m_text{given(simplifiedChinese), given(traditionalChinese), given(english)} {}

    // A text that reads the same in every language: a name, a number, an address.
    static constexpr Translation same(const wchar_t* text) { return Translation(text, text, text); }
    // No text at all, for what shows none (a picture, a list): null in every language.
    static constexpr Translation none() noexcept { return Translation(); }

    constexpr const wchar_t* in(Language language) const noexcept { return m_text[static_cast<std::size_t>(language)]; }

private:
    constexpr Translation() noexcept : m_text{nullptr, nullptr, nullptr} {}

    // Reached only while a constant table is built, where throwing stops the build.
    static constexpr const wchar_t* given(const wchar_t* text) {
        return text && *text ? text : throw "every text needs all three languages";
    }

    const wchar_t* m_text[kLanguageCount];
};
