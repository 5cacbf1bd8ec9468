// The customUI document against its expected text and its counted features.
#include "ribbon/customui_document.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/ribbon/expected_text.h"

namespace {

using ribbon::customUiDocument;
using ribbon_test::occurrences;

TEST(CustomUiDocument, IsTheExpectedTextAndTheSameOnEveryCall) {
    EXPECT_EQ(ribbon_test::toUtf8(customUiDocument()), ribbon_test::expectedText("customui.xml"));
    EXPECT_EQ(customUiDocument(), customUiDocument());
}

TEST(CustomUiDocument, HasNoDeclarationLineBreakOrStrayNul) {
    const std::wstring_view doc = customUiDocument();
    EXPECT_EQ(doc.substr(0, 9), L"<customUI");
    EXPECT_EQ(doc.find_first_of(std::wstring_view(L"\r\n\t\0", 4)), std::wstring_view::npos);
    const std::wstring_view end = L"</box></group ></tab></tabs></ribbon></customUI>";
    ASSERT_GE(doc.size(), end.size());
    EXPECT_EQ(doc.substr(doc.size() - end.size()), end);
}

TEST(CustomUiDocument, CountsOfElements) {
    const std::wstring_view doc = customUiDocument();
    EXPECT_EQ(occurrences(doc, L"<dynamicMenu "), 18u);
    EXPECT_EQ(occurrences(doc, L"<labelControl "), 17u);
    EXPECT_EQ(occurrences(doc, L"<labelControl id=\"rxlable"), 17u);
    EXPECT_EQ(occurrences(doc, L" label=\"   \""), 9u);  // the menu bar's spacers
    EXPECT_EQ(occurrences(doc, L"<buttonGroup "), 16u);
    EXPECT_EQ(occurrences(doc, L"<tab "), 9u);
    EXPECT_EQ(occurrences(doc, L"getVisible=\"GetVisibleII\"/>"), 8u);
    EXPECT_EQ(occurrences(doc, L"<box "), 3u);
    EXPECT_EQ(occurrences(doc, L"getContent=\"rxKorvanta_get\"/>"), 18u);
    EXPECT_EQ(occurrences(doc, L"idMso=\"AutoSumMenu\""), 2u);
    for (const wchar_t* tag : {L"File", L"Edit", L"View", L"Insert", L"Format", L"Tools", L"Date", L"Windows", L"Help"}) {
        EXPECT_EQ(occurrences(doc, std::wstring(L"tag=\"") + tag + L"\" getContent="), 2u) << tag;
    }
}

TEST(CustomUiDocument, IdsAreDistinct) {
    const std::wstring_view doc = customUiDocument();
    std::set<std::wstring_view> ids;
    std::size_t count = 0;
    const std::wstring_view marker = L" id=\"";
    for (std::size_t at = doc.find(marker); at != std::wstring_view::npos; at = doc.find(marker, at + 1)) {
        const std::size_t start = at + marker.size();
        ids.insert(doc.substr(start, doc.find(L'"', start) - start));
        ++count;
    }
    EXPECT_EQ(count, 66u);
    EXPECT_EQ(ids.size(), 66u);
}

TEST(CustomUiDocument, KeepsItsOddBlanks) {
    const std::wstring_view doc = customUiDocument();
    EXPECT_EQ(occurrences(doc, L" />"), 6u);
    for (const wchar_t* element : {L"<comboBox idMso=\"Font\" />", L"<control idMso=\"FileSendAsAttachment\" showLabel=\"false\" />",
                                   L"<control idMso=\"FilePrintQuick\" showLabel=\"false\" />",
                                   L"<control idMso=\"PasteMenu\" showLabel=\"false\" />",
                                   L"<control idMso=\"BordersGallery\" showLabel=\"false\" />",
                                   L"<control idMso=\"VisualBasic\" showLabel=\"false\" />"}) {
        EXPECT_EQ(occurrences(doc, element), 1u) << ribbon_test::toUtf8(element);
    }
    EXPECT_EQ(occurrences(doc, L"<control idMso=\"SortDescendingExcel\" showLabel=\"false\"/> <control idMso=\"Filter\""), 1u);
    EXPECT_EQ(occurrences(doc, L"</group >"), 1u);
    EXPECT_EQ(occurrences(doc, L"<group id=\"rxDemo\" label=\" \">"), 1u);
}

}  // namespace
