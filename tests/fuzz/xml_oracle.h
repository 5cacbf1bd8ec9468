// The fuzzers' oracle: libxml2, a parser that is not ours, reads what the pure
// core writes. Also XML 1.0's own rule for which characters a document can
// carry, written from the XML 1.0 recommendation rather than from the code
// under test.
#pragma once
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlschemas.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

// Code points of a UTF-16 text as Windows hands it over (a BSTR): pairs are
// joined, a lone surrogate stays the unit it is.
std::u32string codePointsOfUtf16(std::u16string_view text);

// The code points of a native wide string as the pure core sees them.
std::u32string codePointsOf(std::wstring_view text);

// UTF-8 of code points; a code point XML cannot hold still gets bytes, so
// that the parser, not this encoder, decides on it.
std::string utf8Of(std::u32string_view text);
std::u32string codePointsOfUtf8(std::string_view text);

// XML 1.0, production [2] Char.
bool isXmlChar(char32_t c);

// The text an attribute carries once written: every character XML cannot
// hold becomes U+FFFD.
std::u32string xmlRepresentable(std::u32string_view text);

// A parsed document, freed with its owner.
class Document {
public:
    explicit Document(const std::string& utf8);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    xmlDocPtr get() const { return m_doc; }
    xmlNodePtr root() const { return m_doc ? xmlDocGetRootElement(m_doc) : nullptr; }

private:
    xmlDocPtr m_doc = nullptr;
};

// The decoded value of an attribute, as code points; no value when absent.
bool attribute(xmlNodePtr element, const char* name, std::u32string& value);

// The customUI schema named by $KORVANTA_CUSTOMUI_SCHEMA; null without one.
xmlSchemaPtr customUiSchema();
// Valid against the schema (true when there is none to check against).
bool validAgainstSchema(xmlDocPtr document);

// Stops the run with a message when a property does not hold: libFuzzer
// records the input as a crash.
[[noreturn]] void fail(const char* what);
inline void check(bool holds, const char* what) {
    if (!holds) fail(what);
}

}  // namespace fuzz
