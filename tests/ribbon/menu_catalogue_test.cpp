// Tag selection and the eight fixed menu documents in every language.
#include "ribbon/menu_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ribbon/expected_text.h"

namespace {

using ribbon::LegacyMenu;
using ribbon::menuForTag;

struct FixedMenu {
    LegacyMenu menu;
    const char* file;
    std::size_t contentLines;
};

constexpr FixedMenu kFixedMenus[] = {
    {LegacyMenu::Edit, "menu_edit.xml", 11},     {LegacyMenu::View, "menu_view.xml", 7},
    {LegacyMenu::Insert, "menu_insert.xml", 9},  {LegacyMenu::Format, "menu_format.xml", 9},
    {LegacyMenu::Tools, "menu_tools.xml", 10},   {LegacyMenu::Data, "menu_data.xml", 11},
    {LegacyMenu::Window, "menu_window.xml", 7},  {LegacyMenu::Help, "menu_help.xml", 7},
};

std::vector<std::wstring_view> linesOf(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    std::size_t start = 0;
    for (std::size_t at = text.find(L"\r\n"); at != std::wstring_view::npos; at = text.find(L"\r\n", start)) {
        lines.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

// Opening tags of menus with children, less closing tags, on one line.
int openMenusLeft(std::wstring_view line) {
    int open = 0;
    for (std::size_t at = line.find(L"<menu "); at != std::wstring_view::npos; at = line.find(L"<menu ", at + 1)) {
        const std::size_t end = line.find(L'>', at);
        if (end != std::wstring_view::npos && line[end - 1] != L'/') ++open;
    }
    return open - static_cast<int>(ribbon_test::occurrences(line, L"</menu>"));
}

TEST(MenuForTag, SelectsByExactTag) {
    EXPECT_EQ(LegacyMenu::File, menuForTag(L"File"));
    EXPECT_EQ(LegacyMenu::Edit, menuForTag(L"Edit"));
    EXPECT_EQ(LegacyMenu::View, menuForTag(L"View"));
    EXPECT_EQ(LegacyMenu::Insert, menuForTag(L"Insert"));
    EXPECT_EQ(LegacyMenu::Format, menuForTag(L"Format"));
    EXPECT_EQ(LegacyMenu::Tools, menuForTag(L"Tools"));
    EXPECT_EQ(LegacyMenu::Data, menuForTag(L"Date"));
    EXPECT_EQ(LegacyMenu::Window, menuForTag(L"Windows"));
    EXPECT_EQ(LegacyMenu::Help, menuForTag(L"Help"));
}

TEST(MenuForTag, RejectsEverythingElse) {
    for (const wchar_t* tag : {L"", L"file", L"FILE", L"Data", L"Window", L"date", L"File ", L" File",
                               L"Edits", L"一", L"二", L"rxMenu_wenjian"}) {
        EXPECT_FALSE(menuForTag(tag).has_value()) << ribbon_test::toUtf8(tag);
    }
    EXPECT_FALSE(menuForTag(std::wstring_view(L"Help\0", 5)).has_value());
}

class FixedMenuDocument : public testing::TestWithParam<Language> {
protected:
    std::wstring_view fixedMenuDocument(LegacyMenu menu) const { return ribbon::fixedMenuDocument(menu, GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(Languages, FixedMenuDocument, testing::ValuesIn(kLanguages), korvanta_test::languageName);

TEST_P(FixedMenuDocument, AreTheExpectedTextsKeptForEveryCall) {
    for (const FixedMenu& m : kFixedMenus) {
        EXPECT_EQ(ribbon_test::expectedText(m.file, GetParam()), ribbon_test::toUtf8(fixedMenuDocument(m.menu))) << m.file;
        EXPECT_EQ(fixedMenuDocument(m.menu).data(), fixedMenuDocument(m.menu).data()) << m.file;
    }
    EXPECT_TRUE(fixedMenuDocument(LegacyMenu::File).empty());
}

TEST_P(FixedMenuDocument, FrameLinesAndSubmenus) {
    for (const FixedMenu& m : kFixedMenus) {
        const std::vector<std::wstring_view> lines = linesOf(fixedMenuDocument(m.menu));
        ASSERT_EQ(lines.size(), m.contentLines + 2) << m.file;
        EXPECT_EQ(L"<menu xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\">", lines.front()) << m.file;
        EXPECT_EQ(L"</menu>", lines.back()) << m.file;
        for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
            EXPECT_FALSE(lines[i].empty()) << m.file << " line " << i;
            EXPECT_EQ(lines[i].find_first_of(L"\r\n"), std::wstring_view::npos) << m.file << " line " << i;
            EXPECT_EQ(0, openMenusLeft(lines[i])) << m.file << " line " << i;
        }
    }
}

TEST_P(FixedMenuDocument, RepeatedControlsAreSentEachTime) {
    const std::wstring_view edit = fixedMenuDocument(LegacyMenu::Edit);
    EXPECT_EQ(2u, ribbon_test::occurrences(edit, L"<button idMso=\"PasteSpecialDialog\" />"));
    EXPECT_EQ(3u, ribbon_test::occurrences(edit, L"<button idMso=\"PasteAsHyperlink\" />"));
    EXPECT_EQ(2u, ribbon_test::occurrences(fixedMenuDocument(LegacyMenu::Data), L"<button idMso=\"TableOpenInBrowser\" />"));
}

}  // namespace
