// The File menu in any language from any recent-file list Excel could report:
// any count, any paths. libxml2 must find the document well-formed (and valid where the
// customUI schema is at hand), every recent-file button must show its own
// file (in the label with each "&" doubled, which Office shows as one), and
// the path that OpenFile would take for the button must be the path that went
// in.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ribbon/file_menu.h"
#include "ribbon/ribbon_texts.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/xml_oracle.h"

namespace {

constexpr std::size_t kMaxAttributeLength = 1024;

// What a label carries for Office to show `name`: every "&" doubled.
std::u32string withAccessKeysEscaped(const std::u32string& name) {
    std::u32string doubled;
    for (const char32_t c : name) {
        doubled += c;
        if (c == U'&') doubled += c;
    }
    return doubled;
}

bool isRecentFileButton(xmlNodePtr node) {
    std::u32string id;
    return node->type == XML_ELEMENT_NODE && fuzz::attribute(node, "id", id) && id.rfind(U"RecentFile", 0) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const Language language = kLanguages[input.byte() % kLanguageCount];
    const std::u32string supertipStart = fuzz::codePointsOf(ribbon::ribbonText(ribbon::RibbonText::OpenPrefix, language));
    const int listed = ribbon::recentButtonCount(input.number());
    fuzz::check(listed >= 0 && listed <= ribbon::kMaxRecentButtons, "at most three buttons");
    input.separateTexts();

    // What the add-in keeps of Excel's list: each path with its name.
    std::vector<std::wstring> paths;
    std::vector<ribbon::RecentEntry> entries;
    for (int i = 0; i < listed; ++i) {
        paths.push_back(input.wideText(4096));
        entries.push_back({paths.back(), ribbon::fileNameOf(paths.back())});
    }
    const std::wstring document = ribbon::fileMenuDocument(entries, language);

    const fuzz::Document parsed(fuzz::utf8Of(fuzz::codePointsOf(document)));
    fuzz::check(parsed.get() != nullptr, "the File menu is well-formed XML");
    fuzz::check(fuzz::validAgainstSchema(parsed.get()), "the File menu is valid customUI");

    int buttons = 0;
    for (xmlNodePtr node = parsed.root()->children; node; node = node->next) {
        if (!isRecentFileButton(node)) continue;
        ++buttons;
        std::u32string idText, label, supertip;
        fuzz::attribute(node, "id", idText);
        const std::wstring id(idText.begin(), idText.end());
        // OpenFile: the button's id gives a position in the table built with the document.
        const std::optional<std::size_t> position = ribbon::recentPositionOfId(id);
        fuzz::check(position && *position == static_cast<std::size_t>(buttons), "buttons are numbered in order");
        const ribbon::RecentEntry& opened = entries[*position - 1];
        fuzz::check(opened.path == paths[buttons - 1], "OpenFile takes the path that went in");

        fuzz::check(fuzz::attribute(node, "label", label), "a button has its label");
        fuzz::check(fuzz::attribute(node, "supertip", supertip), "a button has its supertip");
        fuzz::check(label.size() <= kMaxAttributeLength && supertip.size() <= kMaxAttributeLength,
                    "no label or supertip beyond the schema's length");
        const std::u32string path = fuzz::xmlRepresentable(fuzz::codePointsOf(opened.path));
        const std::u32string name = withAccessKeysEscaped(fuzz::xmlRepresentable(fuzz::codePointsOf(opened.name)));
        const std::u32string number(1, U'0' + buttons);
        if (opened.path.size() + supertipStart.size() <= kMaxAttributeLength) {
            fuzz::check(supertip == supertipStart + path, "the supertip shows the file's whole path");
        } else {
            fuzz::check(supertip.rfind(supertipStart, 0) == 0, "a shortened supertip still starts as usual");
        }
        const auto ampersands = static_cast<std::size_t>(std::count(opened.name.begin(), opened.name.end(), L'&'));
        if (opened.name.size() + ampersands + 3 <= kMaxAttributeLength) {
            fuzz::check(label == number + U": " + name, "the label shows the file's name");
        }
    }
    fuzz::check(buttons == listed, "one button per listed file");
    return 0;
}
