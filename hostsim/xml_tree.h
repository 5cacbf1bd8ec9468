// Reads the add-in's ribbon documents into a tree, as Office does before it
// builds controls from them. Enough XML for those documents: elements and
// attributes, the five predefined entities and character references; text
// content is skipped.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hostsim {

struct XmlElement {
    std::wstring name;
    std::vector<std::pair<std::wstring, std::wstring>> attributes;
    std::vector<XmlElement> children;

    // The attribute's value, or empty.
    std::wstring attribute(std::wstring_view attributeName) const;
    bool has(std::wstring_view attributeName) const;
};

// The document's root element; nullptr when the text is not well-formed.
std::unique_ptr<XmlElement> parseXml(std::wstring_view text, std::wstring* error = nullptr);

}  // namespace hostsim
