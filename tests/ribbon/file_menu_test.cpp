// The File menu's document, attribute escaping and the recent-file rules.
#include "ribbon/file_menu.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "tests/ribbon/expected_text.h"

namespace {

using ribbon::escapeAttribute;
using ribbon::fileMenuDocument;
using ribbon::fileNameOf;
using ribbon::RecentEntry;
using ribbon::recentButtonCount;
using ribbon::recentPositionOfId;
using ribbon_test::occurrences;

RecentEntry entryOf(const std::wstring& path) { return RecentEntry{path, fileNameOf(path)}; }

// Writes one UTF-16 unit into a wide string whatever wchar_t's width.
std::wstring unit(unsigned value) { return std::wstring(1, static_cast<wchar_t>(value)); }

const std::wstring kReplacement = unit(0xFFFD);

TEST(FileNameOf, TakesThePartAfterTheLastBackslashOrSlash) {
    EXPECT_EQ(L"Book1.xlsx", fileNameOf(L"C:\\Data\\Book1.xlsx"));
    EXPECT_EQ(L"R&D.xls", fileNameOf(L"\\\\server\\share\\dir\\R&D.xls"));
    EXPECT_EQ(L"Book1.xlsx", fileNameOf(L"Book1.xlsx"));
    EXPECT_EQ(L"Book1.xlsx", fileNameOf(L"C:/Data/Book1.xlsx"));
    EXPECT_EQ(L"预算 Q3.xlsx", fileNameOf(L"https://d.docs.live.net/5a1f0c2e9b7d4e31/文档/预算 Q3.xlsx"));
    EXPECT_EQ(L"b.xlsx", fileNameOf(L"C:\\a/b.xlsx"));
    EXPECT_EQ(L"b.xlsx", fileNameOf(L"C:/a\\b.xlsx"));
    EXPECT_EQ(L"", fileNameOf(L"C:\\Data\\"));
    EXPECT_EQ(L"", fileNameOf(L""));
}

TEST(EscapeAttribute, MarkupCharactersBecomeReferences) {
    EXPECT_EQ(L"R&amp;D &lt;1> &quot;a&quot; 'b'", escapeAttribute(L"R&D <1> \"a\" 'b'"));
    EXPECT_EQ(L"&amp;amp;", escapeAttribute(L"&amp;"));
    EXPECT_EQ(L"报表 Ω", escapeAttribute(L"报表 Ω"));
    EXPECT_EQ(L"", escapeAttribute(L""));
}

TEST(EscapeAttribute, WhitespaceControlsBecomeCharacterReferences) {
    EXPECT_EQ(L"a&#9;b&#10;c&#13;d", escapeAttribute(L"a\tb\nc\rd"));
}

TEST(EscapeAttribute, CharactersXmlCannotCarryBecomeReplacements) {
    EXPECT_EQ(escapeAttribute(std::wstring(L"a") + unit(0) + L"b"), L"a" + kReplacement + L"b");
    EXPECT_EQ(escapeAttribute(unit(0x01) + unit(0x1F) + unit(0x0B)), kReplacement + kReplacement + kReplacement);
    EXPECT_EQ(escapeAttribute(unit(0xFFFE) + unit(0xFFFF)), kReplacement + kReplacement);
    EXPECT_EQ(escapeAttribute(unit(0xD800) + L"x"), kReplacement + L"x");          // lone high surrogate
    EXPECT_EQ(escapeAttribute(L"x" + unit(0xDC00)), L"x" + kReplacement);          // lone low surrogate
    EXPECT_EQ(escapeAttribute(unit(0xDC00) + unit(0xD800)), kReplacement + kReplacement);  // reversed pair
    EXPECT_EQ(kReplacement, escapeAttribute(unit(0xD800)));                        // at the very end
    // A supplementary character (one unit or a surrogate pair) passes.
    EXPECT_EQ(L"\U0001F600.xlsx", escapeAttribute(L"\U0001F600.xlsx"));
    // Other controls are XML characters and pass.
    EXPECT_EQ(escapeAttribute(unit(0x7F) + unit(0x85)), unit(0x7F) + unit(0x85));
}

// Long names are escaped in blocks of units where the processor allows: each
// kind of character that is not written unchanged, at every offset of a name
// longer than two blocks.
TEST(EscapeAttribute, AtEveryOffsetOfALongName) {
    const std::wstring plain = L"Quarterly report 2024 (final) - 季度报表.xlsx";
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"&", L"&amp;"},           {L"<", L"&lt;"},           {L"\"", L"&quot;"},
        {L"\n", L"&#10;"},          {unit(0x01), kReplacement}, {unit(0xFFFE), kReplacement},
        {unit(0xDC00), kReplacement}, {unit(0xFF01), unit(0xFF01)}, {L"\U0001F600", L"\U0001F600"},
    };
    for (const auto& [character, written] : cases) {
        for (std::size_t i = 0; i <= plain.size(); ++i) {
            const std::wstring head = plain.substr(0, i), tail = plain.substr(i);
            EXPECT_EQ(head + written + tail, escapeAttribute(head + character + tail)) << "at " << i;
        }
    }
    EXPECT_EQ(plain + plain, escapeAttribute(plain + plain));
}

// The File menu in each language: its expected texts, and the recent files'
// supertip, whose prefix differs in length, fitted to the schema's limit.
class FileMenuInLanguage : public testing::TestWithParam<Language> {
protected:
    std::wstring document(const std::vector<RecentEntry>& entries) const { return fileMenuDocument(entries, GetParam()); }
    std::wstring prefix() const { return ribbon::ribbonText(ribbon::RibbonText::OpenPrefix, GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(Languages, FileMenuInLanguage, testing::ValuesIn(kLanguages), korvanta_test::languageName);

TEST_P(FileMenuInLanguage, AreTheExpectedTexts) {
    const Language language = GetParam();
    EXPECT_EQ(ribbon_test::expectedText("menu_file_none.xml", language), ribbon_test::toUtf8(document({})));
    EXPECT_EQ(ribbon_test::expectedText("menu_file_one.xml", language),
              ribbon_test::toUtf8(document({entryOf(L"C:\\Data\\Book1.xlsx")})));
    const std::vector<RecentEntry> three = {entryOf(L"D:\\报表\\R&D <草稿>.xlsx"),
                                            entryOf(L"\\\\fs01\\共享\\Tom's \"final\".xlsm"), entryOf(L"Book3.xls")};
    EXPECT_EQ(ribbon_test::expectedText("menu_file_three.xml", language), ribbon_test::toUtf8(document(three)));
}

TEST(FileMenuDocument, WithoutFilesTheSeparatorsMeetThePageSetupButton) {
    const std::wstring doc = fileMenuDocument({});
    EXPECT_EQ(1u,
              occurrences(doc, L"\r\n<menuSeparator id=\"rxAuditMiscSeparator_wenjian6\" /><button idMso=\"PageSetupPageDialog\" />"
                               L"<menuSeparator id=\"rxAuditMiscSeparator_wenjian7\" />\r\n"));
    EXPECT_EQ(13u, occurrences(doc, L"\r\n"));
    EXPECT_EQ(L"\r\n</menu>", doc.substr(doc.size() - 9));
}

TEST(FileMenuDocument, ListsAtMostThreeFilesOnLineTen) {
    std::vector<RecentEntry> five;
    for (int i = 1; i <= 5; ++i) five.push_back(entryOf(L"C:\\f" + std::to_wstring(i) + L".xlsx"));
    const std::wstring doc = fileMenuDocument(five);
    EXPECT_EQ(3u, occurrences(doc, L"<button id= \"RecentFile"));
    EXPECT_EQ(1u, occurrences(doc, L"label=\"3: f3.xlsx\" supertip=\"打开:  C:\\f3.xlsx\""));
    EXPECT_EQ(0u, occurrences(doc, L"f4.xlsx"));
    EXPECT_EQ(13u, occurrences(doc, L"\r\n"));
    EXPECT_EQ(doc, fileMenuDocument({five[0], five[1], five[2]}));
}

// The label's "&" is doubled, for Office to show it rather than take it for
// the access key; the supertip shows the path as it is.
TEST(FileMenuDocument, EscapesNameAndPath) {
    const std::wstring doc = fileMenuDocument({entryOf(L"C:\\A&B\\R&D\"y<z\t.xls")});
    EXPECT_EQ(1u,
              occurrences(doc, L"<button id= \"RecentFile1\" label=\"1: R&amp;&amp;D&quot;y&lt;z&#9;.xls\" "
                               L"supertip=\"打开:  C:\\A&amp;B\\R&amp;D&quot;y&lt;z&#9;.xls\" tag=\"二\" "
                               L"getVisible=\"GetVisibleI\" onAction=\"OpenFile\"/>"));
    // Replacements keep the length: they must not pass for plain text.
    const std::wstring mended = fileMenuDocument({entryOf(L"C:\\a" + unit(0x01) + L"b" + unit(0xDC00) + L".xls"), entryOf(L"C:\\ok.xls")});
    EXPECT_EQ(1u, occurrences(mended, L"label=\"1: a" + kReplacement + L"b" + kReplacement + L".xls\""));
    EXPECT_EQ(1u, occurrences(mended, L"label=\"2: ok.xls\" supertip=\"打开:  C:\\ok.xls\""));
    EXPECT_EQ(mended.find(wchar_t(0x01)), std::wstring::npos);
}

// The length of attribute `name` of recent-file button `button`, with each
// reference counted as the one character it stands for, as the schema counts.
std::size_t attributeLength(const std::wstring& doc, const std::wstring& name, int button = 1) {
    const std::wstring marker = L" " + name + L"=\"";
    const std::size_t start = doc.find(marker, doc.find(L"\"RecentFile" + std::to_wstring(button))) + marker.size();
    std::size_t length = 0;
    for (std::size_t i = start; doc[i] != L'"'; ++i, ++length) {
        if (doc[i] == L'&') i = doc.find(L';', i);
    }
    return length;
}

TEST_P(FileMenuInLanguage, PathsAndNamesUpToTheSchemaLimitAreWrittenWhole) {
    // With the prefix ("打开:  " five characters, "Open:  " seven) the supertip is 1024.
    const std::wstring path = L"C:\\" + std::wstring(1024 - prefix().size() - 3 - 5, L'p') + L".xlsx";
    const std::wstring doc = document({entryOf(path)});
    EXPECT_EQ(1u, occurrences(doc, L"supertip=\"" + prefix() + path + L"\""));
    EXPECT_EQ(1024u, attributeLength(doc, L"supertip"));
    EXPECT_EQ(1023u, attributeLength(document({entryOf(path.substr(1))}), L"supertip"));
    const std::wstring name(1021, L'n');  // "1: " makes 1024
    EXPECT_EQ(1024u, attributeLength(document({RecentEntry{name, name}}), L"label"));
    const std::wstring ampersands(510, L'&');  // doubled, "1: " makes 1023
    EXPECT_EQ(1023u, attributeLength(document({RecentEntry{name, ampersands}}), L"label"));
}

TEST_P(FileMenuInLanguage, LongerPathsAndNamesAreShortenedInTheMiddle) {
    const std::wstring path = L"\\\\?\\UNC\\server&co\\" + std::wstring(40000, L'd') + L"\\R&D.xlsx";
    const std::wstring doc = document({entryOf(path), RecentEntry{path, path}});
    EXPECT_EQ(1024u, attributeLength(doc, L"supertip"));
    EXPECT_EQ(2u, occurrences(doc, L"supertip=\"" + prefix() + L"\\\\?\\UNC\\server&amp;co\\ddd"));
    EXPECT_EQ(2u, occurrences(doc, L"ddd\\R&amp;D.xlsx\" tag="));
    EXPECT_EQ(3u, occurrences(doc, L"d\u2026d"));  // both supertips and the second label
    EXPECT_EQ(1024u, attributeLength(doc, L"label", 2));
    EXPECT_EQ(1024u, attributeLength(doc, L"supertip", 2));
    EXPECT_EQ(1u, occurrences(doc, L"label=\"1: R&amp;&amp;D.xlsx\""));
    // A name of "&"s shows twice its length, and is shortened by that.
    const std::wstring ampersands = fileMenuDocument({RecentEntry{path, std::wstring(1021, L'&')}});
    EXPECT_EQ(1024u, attributeLength(ampersands, L"label"));
    EXPECT_EQ(1u, occurrences(ampersands, L"&amp;&amp;\u2026&amp;&amp;"));
}

TEST(FileMenuDocument, ShorteningNeverSplitsACharacter) {
    std::wstring path;
    while (path.size() < 3000) path += L"\U0001F600";
    path = L"\\" + path;  // shifts the cut by one unit
    for (const std::wstring& p : {path, path.substr(1)}) {
        const std::wstring doc = fileMenuDocument({entryOf(p)});
        EXPECT_EQ(doc.find(wchar_t(0xFFFD)), std::wstring::npos);
        EXPECT_LE(attributeLength(doc, L"supertip"), 1024u);
        EXPECT_EQ(2u, occurrences(doc, L"\u2026"));
    }
}

TEST(RecentButtonCount, ClampsTheHostCount) {
    EXPECT_EQ(0, recentButtonCount(0));
    EXPECT_EQ(1, recentButtonCount(1));
    EXPECT_EQ(2, recentButtonCount(2));
    EXPECT_EQ(3, recentButtonCount(3));
    EXPECT_EQ(3, recentButtonCount(5));
    EXPECT_EQ(3, recentButtonCount(32767));
    EXPECT_EQ(3, recentButtonCount(32768));
    EXPECT_EQ(3, recentButtonCount(65537));
    EXPECT_EQ(3, recentButtonCount(1e300));
    EXPECT_EQ(3, recentButtonCount(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(0, recentButtonCount(-1));
    EXPECT_EQ(0, recentButtonCount(-65535));
    EXPECT_EQ(0, recentButtonCount(-std::numeric_limits<double>::infinity()));
    EXPECT_EQ(0, recentButtonCount(std::nan("")));
    EXPECT_EQ(0, recentButtonCount(0.5));
    EXPECT_EQ(2, recentButtonCount(1.5));
    EXPECT_EQ(2, recentButtonCount(2.5));
}

TEST(RecentPositionOfId, ReadsTheLastCharacterAsADigit) {
    EXPECT_EQ(1u, recentPositionOfId(L"RecentFile1"));
    EXPECT_EQ(3u, recentPositionOfId(L"RecentFile3"));
    EXPECT_EQ(0u, recentPositionOfId(L"RecentFile0"));
    EXPECT_EQ(2u, recentPositionOfId(L"RecentFile12"));
    EXPECT_EQ(7u, recentPositionOfId(L"7"));
    EXPECT_FALSE(recentPositionOfId(L"").has_value());
    EXPECT_FALSE(recentPositionOfId(L"RecentFile").has_value());
    EXPECT_FALSE(recentPositionOfId(L"RecentFile1 ").has_value());
    EXPECT_FALSE(recentPositionOfId(L"RecentFile２").has_value());  // full-width digit
}

}  // namespace
