// The File menu's document and its recent-file buttons.
#include "ribbon/file_menu.h"

#include <cmath>
#include <cstdint>
#include <cwchar>
#include <type_traits>

#include "ribbon/menu_frame.h"

namespace ribbon {
namespace {

// From the header to the separator after which the recent files follow, on
// the same line.
constexpr wchar_t kFileHead[] =
    KORVANTA_MENU_HEADER KORVANTA_CRLF
    LR"(<button idMso="FileNew" /><button idMso="FileOpen" /><button idMso="FileClose" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_wenjian1" />)" KORVANTA_CRLF
    LR"(<button idMso="FileSave" /><button idMso="FileSaveAs" /><button idMso="FileSaveAsExcel97_2003" label="另存为Excel97_2003工作薄"/><button idMso="FileSaveAsWebPage" /><button idMso="WindowSaveWorkspace" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_wenjian2" />)" KORVANTA_CRLF
    LR"(<menu idMso="FilePermissionRestrictMenu" /><menuSeparator id="rxAuditMiscSeparator_wenjian3" /><button idMso="WebPagePreview" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_wenjian4" />)" KORVANTA_CRLF
    LR"(<button idMso="PageSetupPageDialog" /><menu id="RXPageSetupPage" label="页面设置" itemSize="large"><gallery idMso="PageMarginsGallery" /><gallery idMso="PageOrientationGallery" /><gallery idMso="PageSizeGallery" /><menuSeparator id="rxAuditMiscSeparator_yemian" /><menu idMso="PrintAreaMenu" /><menu idMso="PageBreakMenu" /><button idMso="SheetBackground" /><button idMso="PrintTitles" /></menu><menu idMso="PrintAreaMenu" /><button idMso="FilePrintPreview" /><button idMso="FilePrint" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_wenjian5" />)" KORVANTA_CRLF
    LR"(<menu idMso="FilePrepareMenu" /><menu id="RXfasong" label="发送" itemSize="large"><toggleButton idMso="SendCopySendToMailRecipient" /><button idMso="ReviewSendForReview" /><button idMso="ExchangeFolder" /><button idMso="FileInternetFax" /></menu><menu idMso="MenuPublish" /><toggleButton idMso="FileProperties" />)" KORVANTA_CRLF
    LR"(<menuSeparator id="rxAuditMiscSeparator_wenjian6" />)";

// After the recent files, still on their line: the Page Setup button and the
// separator are shown whether or not any file is listed.
constexpr wchar_t kFileTail[] =
    LR"(<button idMso="PageSetupPageDialog" /><menuSeparator id="rxAuditMiscSeparator_wenjian7" />)" KORVANTA_CRLF
    LR"(<button idMso="FileCloseAll" />)" KORVANTA_CRLF
    LR"(<button idMso="FileExit" />)" KORVANTA_CRLF
    KORVANTA_MENU_CLOSE;

// A recent-file button is its start up to the name (one constant per
// position, so that the usual button is five copies), the file's name, the
// supertip up to the path, the full path and the end. The blank after "id="
// is the shipped text. The tag "二" lets the ShowRecentFiles setting hide the
// buttons through GetVisibleI without the document changing.
#define KORVANTA_RECENT_BUTTON_START(n) LR"(<button id= "RecentFile)" n LR"(" label=")" n LR"(: )"
constexpr std::wstring_view kButtonStarts[kMaxRecentButtons] = {
    viewOf(KORVANTA_RECENT_BUTTON_START(L"1")),
    viewOf(KORVANTA_RECENT_BUTTON_START(L"2")),
    viewOf(KORVANTA_RECENT_BUTTON_START(L"3")),
};
#undef KORVANTA_RECENT_BUTTON_START
constexpr wchar_t kButtonSupertip[] = LR"(" supertip="打开:  )";
constexpr wchar_t kButtonEnd[] = LR"(" tag="二" getVisible="GetVisibleI" onAction="OpenFile"/>)";

// Office checks menu content against the customUI schema and drops the whole
// menu when a label or supertip holds more than 1024 characters; a longer
// name or path is shortened in the middle, where it says least.
constexpr std::size_t kMaxAttributeLength = 1024;
// The label and supertip values begin with "1: " and "打开:  ".
constexpr std::size_t kMaxNameLength = kMaxAttributeLength - 3;
constexpr std::size_t kMaxPathLength = kMaxAttributeLength - 5;
constexpr wchar_t kElision = 0x2026;  // "…"

constexpr wchar_t kReplacement = 0xFFFD;

std::uint32_t unitValue(wchar_t c) noexcept { return static_cast<std::make_unsigned_t<wchar_t>>(c); }

bool isHighSurrogate(std::uint32_t c) noexcept { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(std::uint32_t c) noexcept { return c >= 0xDC00 && c <= 0xDFFF; }

// Characters written unchanged: everything below the surrogates or between
// them and U+FFFE but "&", "<", the double quote and the C0 controls. Letters
// and CJK text take the first test alone; below U+0040 a bit mask answers.
constexpr std::uint64_t kPlainBelow40 =
    0xFFFFFFFF00000000ull & ~(1ull << L'"') & ~(1ull << L'&') & ~(1ull << L'<');

bool isPlain(std::uint32_t c) noexcept {
    if (c - 0x40u < 0xD800u - 0x40u) return true;
    if (c < 0x40u) return (kPlainBelow40 >> c) & 1u;
    return c >= 0xE000u && c < 0xFFFEu;
}

// What the character at text[i], which is not plain, is written as, and how
// many units of text it takes. With 16-bit wchar_t a supplementary character
// is a surrogate pair; with 32-bit wchar_t it is one unit, and a surrogate
// unit is never a character.
struct Escape {
    std::wstring_view written;
    std::size_t consumed;
};

Escape escapeAt(std::wstring_view text, std::size_t i) noexcept {
    const std::uint32_t c = unitValue(text[i]);
    if (sizeof(wchar_t) == 2 && isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(unitValue(text[i + 1]))) {
        return {text.substr(i, 2), 2};
    }
    switch (c) {
    case L'&': return {viewOf(L"&amp;"), 1};
    case L'<': return {viewOf(L"&lt;"), 1};
    case L'"': return {viewOf(L"&quot;"), 1};
    case L'\t': return {viewOf(L"&#9;"), 1};
    case L'\n': return {viewOf(L"&#10;"), 1};
    case L'\r': return {viewOf(L"&#13;"), 1};
    default:
        // Beyond U+FFFF only with 32-bit wchar_t; below it, a surrogate
        // without its partner, U+FFFE, U+FFFF or another C0 control.
        if (c > 0xFFFF && c <= 0x10FFFF) return {text.substr(i, 1), 1};
        return {std::wstring_view(&kReplacement, 1), 1};
    }
}

// The length of a text once escaped, and whether it is written unchanged.
struct Measure {
    std::size_t length;
    bool plain;
};

Measure measureEscaped(std::wstring_view text) noexcept {
    Measure measure{text.size(), true};
    const wchar_t* const begin = text.data();
    const wchar_t* const end = begin + text.size();
    for (const wchar_t* p = begin; p != end; ++p) {
        if (isPlain(unitValue(*p))) continue;
        const Escape escape = escapeAt(text, static_cast<std::size_t>(p - begin));
        measure.length += escape.written.size() - escape.consumed;
        measure.plain = false;
        p += escape.consumed - 1;
    }
    return measure;
}

wchar_t* copyText(std::wstring_view text, wchar_t* out) noexcept {
    std::wmemcpy(out, text.data(), text.size());
    return out + text.size();
}

// Names and paths are short: a copy loop beats a call per run.
wchar_t* writeEscaped(std::wstring_view text, wchar_t* out) noexcept {
    const wchar_t* const begin = text.data();
    const wchar_t* const end = begin + text.size();
    for (const wchar_t* p = begin; p != end; ++p) {
        const wchar_t c = *p;
        if (isPlain(unitValue(c))) {
            *out++ = c;
            continue;
        }
        const Escape escape = escapeAt(text, static_cast<std::size_t>(p - begin));
        out = copyText(escape.written, out);
        p += escape.consumed - 1;
    }
    return out;
}

// The two ways through the document: measuring it, and writing it. Measuring
// notes which names and paths need no escaping, so that writing copies them
// whole instead of looking at every character a second time.
struct LengthCounter {
    std::size_t length = 0;
    std::uint32_t plainParts = 0;
    unsigned part = 0;

    void fixed(std::wstring_view text) noexcept { length += text.size(); }
    void escaped(std::wstring_view text) noexcept {
        const Measure measure = measureEscaped(text);
        length += measure.length;
        if (measure.plain) plainParts |= 1u << part;
        ++part;
    }
};

struct TextWriter {
    wchar_t* out;
    std::uint32_t plainParts;
    unsigned part = 0;

    void fixed(std::wstring_view text) noexcept { out = copyText(text, out); }
    void escaped(std::wstring_view text) noexcept {
        out = ((plainParts >> part) & 1u) ? copyText(text, out) : writeEscaped(text, out);
        ++part;
    }
};

// Text that may stand for at most `limit` characters: a longer text keeps its
// beginning and end around an ellipsis, cut between characters, never inside
// a surrogate pair.
template <class Sink>
void fitted(std::wstring_view text, std::size_t limit, Sink& sink) noexcept {
    if (text.size() <= limit) {
        sink.escaped(text);
        return;
    }
    std::size_t headEnd = (limit - 1) / 2;
    std::size_t tailStart = text.size() - (limit - 1 - headEnd);
    if (headEnd > 0 && isHighSurrogate(unitValue(text[headEnd - 1]))) --headEnd;
    if (isLowSurrogate(unitValue(text[tailStart]))) ++tailStart;
    sink.escaped(text.substr(0, headEnd));
    sink.fixed(std::wstring_view(&kElision, 1));
    sink.escaped(text.substr(tailStart));
}

// The whole File document, in order: the one structure that both measuring
// and writing follow, so that they cannot disagree. At most twelve escaped
// parts (three entries, a name and a path each, each cut in two at most), so
// one bit each fits the counters' masks.
template <class Sink>
void fileMenuPieces(const std::vector<RecentEntry>& entries, Sink& sink) noexcept {
    sink.fixed(viewOf(kFileHead));
    const std::size_t listed = entries.size() < kMaxRecentButtons ? entries.size() : kMaxRecentButtons;
    for (std::size_t i = 0; i < listed; ++i) {
        sink.fixed(kButtonStarts[i]);
        fitted(entries[i].name, kMaxNameLength, sink);
        sink.fixed(viewOf(kButtonSupertip));
        fitted(entries[i].path, kMaxPathLength, sink);
        sink.fixed(viewOf(kButtonEnd));
    }
    sink.fixed(viewOf(kFileTail));
}

}  // namespace

std::wstring fileNameOf(std::wstring_view path) {
    const std::size_t lastBackslash = path.rfind(L'\\');
    return std::wstring(lastBackslash == std::wstring_view::npos ? path : path.substr(lastBackslash + 1));
}

std::wstring escapeAttribute(std::wstring_view text) {
    std::wstring result(measureEscaped(text).length, L'\0');
    writeEscaped(text, result.data());
    return result;
}

FileMenuLayout::FileMenuLayout(const std::vector<RecentEntry>& entries) noexcept : m_entries(entries) {
    LengthCounter counter;
    fileMenuPieces(m_entries, counter);
    m_length = counter.length;
    m_plainParts = counter.plainParts;
}

void FileMenuLayout::write(wchar_t* out) const noexcept {
    TextWriter writer{out, m_plainParts};
    fileMenuPieces(m_entries, writer);
}

std::wstring fileMenuDocument(const std::vector<RecentEntry>& entries) {
    const FileMenuLayout layout(entries);
    std::wstring document(layout.length(), L'\0');
    layout.write(document.data());
    return document;
}

int recentButtonCount(double hostCount) noexcept {
    if (std::isnan(hostCount) || hostCount <= 0) return 0;
    if (hostCount >= kMaxRecentButtons) return kMaxRecentButtons;
    // The default floating-point rounding is to nearest, ties to even, as
    // automation's conversion to a 16-bit integer rounds.
    return static_cast<int>(std::nearbyint(hostCount));
}

std::optional<std::size_t> recentPositionOfId(std::wstring_view id) noexcept {
    if (id.empty()) return std::nullopt;
    const wchar_t last = id.back();
    if (last < L'0' || last > L'9') return std::nullopt;
    return static_cast<std::size_t>(last - L'0');
}

}  // namespace ribbon
