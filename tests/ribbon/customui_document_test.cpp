// The customUI document in every language against its expected text and its
// counted features.
#include "ribbon/customui_document.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/ribbon/expected_text.h"

namespace {

using ribbon_test::occurrences;

class CustomUiDocument : public testing::TestWithParam<Language> {
protected:
    std::wstring_view customUiDocument() const { return ribbon::customUiDocument(GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(Languages, CustomUiDocument, testing::ValuesIn(kLanguages), korvanta_test::languageName);

TEST_P(CustomUiDocument, IsTheExpectedTextKeptForEveryCall) {
    EXPECT_EQ(ribbon_test::expectedText("customui.xml", GetParam()), ribbon_test::toUtf8(customUiDocument()));
    EXPECT_EQ(customUiDocument().data(), customUiDocument().data());
}

TEST_P(CustomUiDocument, HasNoDeclarationLineBreakOrStrayNul) {
    const std::wstring_view doc = customUiDocument();
    EXPECT_EQ(L"<customUI", doc.substr(0, 9));
    EXPECT_EQ(doc.find_first_of(std::wstring_view(L"\r\n\t\0", 4)), std::wstring_view::npos);
    const std::wstring_view end = L"</box></group ></tab></tabs></ribbon></customUI>";
    ASSERT_GE(doc.size(), end.size());
    EXPECT_EQ(doc.substr(doc.size() - end.size()), end);
}

TEST_P(CustomUiDocument, CountsOfElements) {
    const std::wstring_view doc = customUiDocument();
    EXPECT_EQ(18u, occurrences(doc, L"<dynamicMenu "));
    EXPECT_EQ(17u, occurrences(doc, L"<labelControl "));
    EXPECT_EQ(17u, occurrences(doc, L"<labelControl id=\"rxlable"));
    EXPECT_EQ(9u, occurrences(doc, L" label=\"   \""));  // the menu bar's spacers
    EXPECT_EQ(16u, occurrences(doc, L"<buttonGroup "));
    EXPECT_EQ(9u, occurrences(doc, L"<tab "));
    EXPECT_EQ(8u, occurrences(doc, L"getVisible=\"GetVisibleII\"/>"));
    EXPECT_EQ(3u, occurrences(doc, L"<box "));
    EXPECT_EQ(18u, occurrences(doc, L"getContent=\"rxKorvanta_get\"/>"));
    EXPECT_EQ(2u, occurrences(doc, L"idMso=\"AutoSumMenu\""));
    for (const wchar_t* tag : {L"File", L"Edit", L"View", L"Insert", L"Format", L"Tools", L"Date", L"Windows", L"Help"}) {
        EXPECT_EQ(2u, occurrences(doc, std::wstring(L"tag=\"") + tag + L"\" getContent=")) << tag;
    }
}

TEST_P(CustomUiDocument, IdsAreDistinct) {
    const std::wstring_view doc = customUiDocument();
    std::set<std::wstring_view> ids;
    std::size_t count = 0;
    const std::wstring_view marker = L" id=\"";
    for (std::size_t at = doc.find(marker); at != std::wstring_view::npos; at = doc.find(marker, at + 1)) {
        const std::size_t start = at + marker.size();
        ids.insert(doc.substr(start, doc.find(L'"', start) - start));
        ++count;
    }
    EXPECT_EQ(66u, count);
    EXPECT_EQ(66u, ids.size());
}

TEST_P(CustomUiDocument, KeepsItsOddBlanks) {
    const std::wstring_view doc = customUiDocument();
    EXPECT_EQ(6u, occurrences(doc, L" />"));
    for (const wchar_t* element : {L"<comboBox idMso=\"Font\" />", L"<control idMso=\"FileSendAsAttachment\" showLabel=\"false\" />",
                                   L"<control idMso=\"FilePrintQuick\" showLabel=\"false\" />",
                                   L"<control idMso=\"PasteMenu\" showLabel=\"false\" />",
                                   L"<control idMso=\"BordersGallery\" showLabel=\"false\" />",
                                   L"<control idMso=\"VisualBasic\" showLabel=\"false\" />"}) {
        EXPECT_EQ(1u, occurrences(doc, element)) << ribbon_test::toUtf8(element);
    }
    EXPECT_EQ(1u, occurrences(doc, L"<control idMso=\"SortDescendingExcel\" showLabel=\"false\"/> <control idMso=\"Filter\""));
    EXPECT_EQ(1u, occurrences(doc, L"</group >"));
    EXPECT_EQ(1u, occurrences(doc, L"<group id=\"rxDemo\" label=\" \">"));
}

}  // namespace
