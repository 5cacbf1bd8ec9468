// A small XML reader for ribbon documents.
#include "hostsim/xml_tree.h"

#include <cwctype>

namespace hostsim {
namespace {

class Reader {
public:
    explicit Reader(std::wstring_view text) : m_text(text) {}

    std::unique_ptr<XmlElement> document(std::wstring* error) {
        auto root = std::make_unique<XmlElement>();
        skipSpace();
        if (!element(*root)) {
            if (error) *error = m_error + L" at offset " + std::to_wstring(m_at);
            return nullptr;
        }
        skipSpace();
        if (m_at != m_text.size()) {
            if (error) *error = L"text after the root element at offset " + std::to_wstring(m_at);
            return nullptr;
        }
        return root;
    }

private:
    bool fail(const wchar_t* what) {
        m_error = what;
        return false;
    }
    void skipSpace() {
        while (m_at < m_text.size() && std::iswspace(m_text[m_at])) ++m_at;
    }
    bool take(wchar_t c) {
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    std::wstring name() {
        const std::size_t start = m_at;
        while (m_at < m_text.size() && (std::iswalnum(m_text[m_at]) || m_text[m_at] == L'_' || m_text[m_at] == L':' ||
                                        m_text[m_at] == L'-' || m_text[m_at] == L'.')) {
            ++m_at;
        }
        return std::wstring(m_text.substr(start, m_at - start));
    }
    bool value(std::wstring& out) {
        const wchar_t quote = m_at < m_text.size() ? m_text[m_at] : 0;
        if (quote != L'"' && quote != L'\'') return fail(L"attribute value without quotes");
        ++m_at;
        while (m_at < m_text.size() && m_text[m_at] != quote) {
            const wchar_t c = m_text[m_at++];
            if (c == L'<') return fail(L"'<' in an attribute value");
            if (c != L'&') {
                out += c;
                continue;
            }
            const std::size_t end = m_text.find(L';', m_at);
            if (end == std::wstring_view::npos) return fail(L"unterminated entity");
            const std::wstring_view entity = m_text.substr(m_at, end - m_at);
            m_at = end + 1;
            if (entity == L"amp") out += L'&';
            else if (entity == L"lt") out += L'<';
            else if (entity == L"gt") out += L'>';
            else if (entity == L"quot") out += L'"';
            else if (entity == L"apos") out += L'\'';
            else if (entity.size() > 1 && entity[0] == L'#') {
                const bool hex = entity[1] == L'x';
                out += static_cast<wchar_t>(std::wcstoul(std::wstring(entity.substr(hex ? 2 : 1)).c_str(), nullptr, hex ? 16 : 10));
            } else {
                return fail(L"unknown entity");
            }
        }
        if (!take(quote)) return fail(L"unterminated attribute value");
        return true;
    }
    bool element(XmlElement& out) {
        if (!take(L'<')) return fail(L"expected '<'");
        out.name = name();
        if (out.name.empty()) return fail(L"element without a name");
        for (;;) {
            skipSpace();
            if (take(L'/')) return take(L'>') ? true : fail(L"expected '>' after '/'");
            if (take(L'>')) break;
            std::wstring attributeName = name();
            if (attributeName.empty()) return fail(L"expected an attribute");
            if (out.has(attributeName)) return fail(L"repeated attribute");
            skipSpace();
            if (!take(L'=')) return fail(L"expected '='");
            skipSpace();
            std::wstring attributeValue;
            if (!value(attributeValue)) return false;
            out.attributes.emplace_back(std::move(attributeName), std::move(attributeValue));
        }
        for (;;) {
            while (m_at < m_text.size() && m_text[m_at] != L'<') ++m_at;  // text content is not used
            if (m_at + 1 < m_text.size() && m_text[m_at + 1] == L'/') {
                m_at += 2;
                if (name() != out.name) return fail(L"mismatched end tag");
                skipSpace();
                return take(L'>') ? true : fail(L"expected '>'");
            }
            out.children.emplace_back();
            if (!element(out.children.back())) return false;
        }
    }

    std::wstring_view m_text;
    std::size_t m_at = 0;
    std::wstring m_error;
};

}  // namespace

std::wstring XmlElement::attribute(std::wstring_view attributeName) const {
    for (const auto& [key, value] : attributes) {
        if (key == attributeName) return value;
    }
    return {};
}

bool XmlElement::has(std::wstring_view attributeName) const {
    for (const auto& entry : attributes) {
        if (entry.first == attributeName) return true;
    }
    return false;
}

std::unique_ptr<XmlElement> parseXml(std::wstring_view text, std::wstring* error) {
    return Reader(text).document(error);
}

}  // namespace hostsim
