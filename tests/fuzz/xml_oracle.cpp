// libxml2 as the oracle, and XML 1.0's rule for the characters a document can carry.
#include "tests/fuzz/xml_oracle.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

std::u32string codePointsOfUtf16(std::u16string_view text) {
    std::u32string points;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            points += 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else {
            points += unit;
        }
    }
    return points;
}

std::u32string codePointsOf(std::wstring_view text) {
    if constexpr (sizeof(wchar_t) == 2) {
        return codePointsOfUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
    } else {
        return std::u32string(text.begin(), text.end());
    }
}

std::string utf8Of(std::u32string_view text) {
    std::string bytes;
    for (const char32_t c : text) {
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            bytes += static_cast<char>(0xE0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | ((c >> 18) & 0x07));
            bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

std::u32string codePointsOfUtf8(std::string_view text) {
    std::u32string points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        points += c;
        i += length;
    }
    return points;
}

bool isXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

std::u32string xmlRepresentable(std::u32string_view text) {
    std::u32string result(text);
    for (char32_t& c : result) {
        if (!isXmlChar(c)) c = 0xFFFD;
    }
    return result;
}

namespace {
void quiet(void*, const char*, ...) {}
}  // namespace

Document::Document(const std::string& utf8) {
    xmlSetGenericErrorFunc(nullptr, quiet);
    m_doc = xmlReadMemory(utf8.data(), static_cast<int>(utf8.size()), "fuzz.xml", "UTF-8",
                          XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
}

Document::~Document() {
    if (m_doc) xmlFreeDoc(m_doc);
}

bool attribute(xmlNodePtr element, const char* name, std::u32string& value) {
    xmlChar* text = xmlGetProp(element, reinterpret_cast<const xmlChar*>(name));
    if (!text) return false;
    value = codePointsOfUtf8(reinterpret_cast<const char*>(text));
    xmlFree(text);
    return true;
}

xmlSchemaPtr customUiSchema() {
    static xmlSchemaPtr schema = [] () -> xmlSchemaPtr {
        // run_fuzzers.sh finds the schema as the ribbon's validation does.
        const char* file = std::getenv("KORVANTA_CUSTOMUI_SCHEMA");
        if (!file || !*file) return nullptr;
        xmlSchemaParserCtxtPtr parser = xmlSchemaNewParserCtxt(file);
        xmlSchemaPtr parsed = xmlSchemaParse(parser);
        xmlSchemaFreeParserCtxt(parser);
        if (!parsed) fail("the customUI schema could not be compiled");
        return parsed;
    }();
    return schema;
}

bool validAgainstSchema(xmlDocPtr document) {
    static xmlSchemaValidCtxtPtr validator = [] () -> xmlSchemaValidCtxtPtr {
        xmlSchemaPtr schema = customUiSchema();
        if (!schema) return nullptr;
        xmlSchemaValidCtxtPtr context = xmlSchemaNewValidCtxt(schema);
        xmlSchemaSetValidErrors(context, nullptr, nullptr, nullptr);
        return context;
    }();
    if (!validator) return true;
    return xmlSchemaValidateDoc(validator, document) == 0;
}

void fail(const char* what) {
    std::fprintf(stderr, "property does not hold: %s\n", what);
    std::abort();
}

}  // namespace fuzz
