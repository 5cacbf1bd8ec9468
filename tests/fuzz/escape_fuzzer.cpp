// Escaping: any text, written as an attribute value by the pure core and read
// back by libxml2, is the text itself, with only the characters XML cannot
// carry replaced by U+FFFD.
#include <cstddef>
#include <cstdint>

#include "ribbon/file_menu.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/xml_oracle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::wstring text = input.wideText(size);
    const std::wstring escaped = ribbon::escapeAttribute(text);

    const fuzz::Document document("<e a=\"" + fuzz::utf8Of(fuzz::codePointsOf(escaped)) + "\"/>");
    fuzz::check(document.get() != nullptr, "an escaped attribute is well-formed");
    std::u32string value;
    fuzz::check(fuzz::attribute(document.root(), "a", value), "the attribute is there");
    fuzz::check(value == fuzz::xmlRepresentable(fuzz::codePointsOf(text)), "the attribute reads back as the text");
    return 0;
}
