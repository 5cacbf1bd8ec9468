// The File menu's document and its recent-file buttons.
#include "ribbon/file_menu.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <new>
#if WCHAR_MAX == 0xFFFF && (defined(__i386__) || defined(__x86_64__)) && defined(__GNUC__)
#include <emmintrin.h>
#endif
#include <type_traits>

#include "ribbon/menu_catalogue.h"
#include "ribbon/menu_frame.h"
#include "ribbon/ribbon_texts.h"

namespace ribbon {
namespace {

// After the recent files, still on their line: the Page Setup button and the
// separator are shown whether or not any file is listed.
#define KORVANTA_FILE_TAIL                                                                                 \
    LR"(<button idMso="PageSetupPageDialog" /><menuSeparator id="rxAuditMiscSeparator_wenjian7" />)" KORVANTA_CRLF \
    LR"(<button idMso="FileCloseAll" />)" KORVANTA_CRLF                                                     \
    LR"(<button idMso="FileExit" />)" KORVANTA_CRLF                                                         \
    KORVANTA_MENU_CLOSE

// A recent-file button is its start up to the name, the file's name, the
// supertip up to the path, the full path and its end. The blank after "id="
// is the shipped text. The tag "二" lets the ShowRecentFiles setting hide the
// buttons through GetVisibleI without the document changing.
#define KORVANTA_RECENT_BUTTON_START(n) LR"(<button id= "RecentFile)" n LR"(" label=")" n LR"(: )"
#define KORVANTA_RECENT_BUTTON_END LR"(" tag="二" getVisible="GetVisibleI" onAction="OpenFile"/>)"

// The fixed text before each listed name, and the fixed text after the last
// path or, with no file listed, after the head: joined where they meet, so
// that a document of three files takes eight copies of fixed text, not eleven.
constexpr std::wstring_view kBeforeName[kMaxRecentButtons] = {
    viewOf(KORVANTA_RECENT_BUTTON_START(L"1")),
    viewOf(KORVANTA_RECENT_BUTTON_END KORVANTA_RECENT_BUTTON_START(L"2")),
    viewOf(KORVANTA_RECENT_BUTTON_END KORVANTA_RECENT_BUTTON_START(L"3")),
};
// The supertip's start, before the path: in each language, filled as a template.
constexpr char kBeforePath[] = R"(" supertip=")" KORVANTA_TEXT(OpenPrefix);
static_assert(slotsNameTexts(templateOf(kBeforePath)));
FilledTemplate g_beforePath(templateOf(kBeforePath));
constexpr wchar_t kFileTail[] = KORVANTA_FILE_TAIL;
constexpr wchar_t kLastButtonEndAndFileTail[] = KORVANTA_RECENT_BUTTON_END KORVANTA_FILE_TAIL;
#undef KORVANTA_RECENT_BUTTON_START
#undef KORVANTA_RECENT_BUTTON_END
#undef KORVANTA_FILE_TAIL

// Office checks menu content against the customUI schema and drops the whole
// menu when a label or supertip holds more than 1024 characters; a longer
// name or path is shortened in the middle, where it says least.
constexpr std::size_t kMaxAttributeLength = 1024;
// The label's value begins with "1: ", the supertip's with the language's
// OpenPrefix ("打开:  " is five characters, "Open:  " seven).
constexpr std::size_t kMaxNameLength = kMaxAttributeLength - 3;
std::size_t maxPathLength(Language language) noexcept {
    return kMaxAttributeLength - std::char_traits<wchar_t>::length(ribbonText(RibbonText::OpenPrefix, language));
}
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

// No unit of text is written as more than six units ("&quot;"), and no unit
// of a label's name as more than ten ("&amp;&amp;").
constexpr std::size_t kLongestEscape = 6;
constexpr std::size_t kLongestLabelEscape = 10;

// A reference of constant length: copied by a few moves, not a call.
template <std::size_t N>
wchar_t* putReference(const wchar_t (&reference)[N], wchar_t* out) noexcept {
    std::wmemcpy(out, reference, N - 1);
    return out + (N - 1);
}

// Writes the character at text[i], which is not plain, and says how many
// units of text it took. With 16-bit wchar_t a supplementary character is a
// surrogate pair; with 32-bit wchar_t it is one unit, and a surrogate unit is
// never a character. In a label an "&" is doubled first: Office takes a single
// "&" for the access key of the next character and shows "&&" as "&".
struct Escaped {
    wchar_t* out;
    std::size_t consumed;
};

Escaped writeEscape(std::wstring_view text, std::size_t i, wchar_t* out, bool inLabel) noexcept {
    const std::uint32_t c = unitValue(text[i]);
    if (sizeof(wchar_t) == 2 && isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(unitValue(text[i + 1]))) {
        out[0] = text[i];
        out[1] = text[i + 1];
        return {out + 2, 2};
    }
    switch (c) {
    case L'&': return {inLabel ? putReference(L"&amp;&amp;", out) : putReference(L"&amp;", out), 1};
    case L'<': return {putReference(L"&lt;", out), 1};
    case L'"': return {putReference(L"&quot;", out), 1};
    case L'\t': return {putReference(L"&#9;", out), 1};
    case L'\n': return {putReference(L"&#10;", out), 1};
    case L'\r': return {putReference(L"&#13;", out), 1};
    default:
        // Beyond U+FFFF only with 32-bit wchar_t; below it, a surrogate
        // without its partner, U+FFFE, U+FFFF or another C0 control.
        *out = c > 0xFFFF && c <= 0x10FFFF ? text[i] : kReplacement;
        return {out + 1, 1};
    }
}

wchar_t* copyText(std::wstring_view text, wchar_t* out) noexcept {
    std::wmemcpy(out, text.data(), text.size());
    return out + text.size();
}

// Where the 16-bit units of names and paths can be checked eight at a time:
// x86 with SSE2. Every 64-bit x86 processor has it; 32-bit Windows (XP among
// them) also runs on processors without it, so there the processor is asked.
#if WCHAR_MAX == 0xFFFF && (defined(__i386__) || defined(__x86_64__)) && defined(__GNUC__)
#define KORVANTA_PLAIN_BLOCKS 1

bool hasSse2() noexcept {
#ifdef __SSE2__
    return true;
#else
    return __builtin_cpu_supports("sse2");
#endif
}

struct Copied {
    const wchar_t* in;
    wchar_t* out;
};

// Copies blocks of eight units while a block holds only plain units below the
// surrogates; stops at the first block holding any other unit, or with fewer
// than eight left, and leaves the rest to be taken one by one.
__attribute__((target("sse2"))) Copied copyPlainBlocks(const wchar_t* in, const wchar_t* end, wchar_t* out) noexcept {
    const __m128i blank = _mm_set1_epi16(0x20);
    const __m128i lastBelowSurrogates = _mm_set1_epi16(static_cast<short>(0xD7FF));
    const __m128i quote = _mm_set1_epi16(L'"');
    const __m128i ampersand = _mm_set1_epi16(L'&');
    const __m128i lessThan = _mm_set1_epi16(L'<');
    while (end - in >= 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        // Unsigned saturating differences, zero from U+0020 to U+D7FF.
        const __m128i outside = _mm_or_si128(_mm_subs_epu16(blank, units), _mm_subs_epu16(units, lastBelowSurrogates));
        __m128i markup = _mm_or_si128(_mm_cmpeq_epi16(units, quote), _mm_cmpeq_epi16(units, ampersand));
        markup = _mm_or_si128(markup, _mm_cmpeq_epi16(units, lessThan));
        const __m128i plain = _mm_andnot_si128(markup, _mm_cmpeq_epi16(outside, _mm_setzero_si128()));
        if (_mm_movemask_epi8(plain) != 0xFFFF) break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), units);
        in += 8;
        out += 8;
    }
    return {in, out};
}
#endif

// Names and paths are mostly plain: runs of plain units are copied, eight at
// a time where the processor allows, and every other character is escaped.
wchar_t* writeEscaped(std::wstring_view text, wchar_t* out, bool inLabel) noexcept {
    const wchar_t* const begin = text.data();
    const wchar_t* const end = begin + text.size();
    const wchar_t* p = begin;
#ifdef KORVANTA_PLAIN_BLOCKS
    const bool blocks = hasSse2();
#endif
    while (p != end) {
#ifdef KORVANTA_PLAIN_BLOCKS
        if (blocks) {
            const Copied copied = copyPlainBlocks(p, end, out);
            p = copied.in;
            out = copied.out;
        }
#endif
        while (p != end && isPlain(unitValue(*p))) *out++ = *p++;
        if (p == end) break;
        const Escaped escaped = writeEscape(text, static_cast<std::size_t>(p - begin), out, inLabel);
        out = escaped.out;
        p += escaped.consumed;
    }
    return out;
}

// The two ways through the document: bounding its length from the pieces'
// sizes, each unit at its longest escape, and writing it.
struct LengthBound {
    std::size_t length = 0;

    void fixed(std::wstring_view text) noexcept { length += text.size(); }
    void escaped(std::wstring_view text, bool inLabel) noexcept {
        length += (inLabel ? kLongestLabelEscape : kLongestEscape) * text.size();
    }
};

struct TextWriter {
    wchar_t* out;

    void fixed(std::wstring_view text) noexcept { out = copyText(text, out); }
    void escaped(std::wstring_view text, bool inLabel) noexcept { out = writeEscaped(text, out, inLabel); }
};

// How many characters a text shows as, with the schema counting a label's
// doubled "&" as two.
std::size_t shownLength(std::wstring_view text, bool inLabel) noexcept {
    return text.size() + (inLabel ? static_cast<std::size_t>(std::count(text.begin(), text.end(), L'&')) : 0);
}

// How many units at the start of `text` (fromEnd: at its end) show as at
// most `room` characters.
std::size_t unitsWithin(std::wstring_view text, std::size_t room, bool inLabel, bool fromEnd) noexcept {
    if (!inLabel) return text.size() < room ? text.size() : room;
    std::size_t units = 0;
    for (std::size_t shown = 0; units < text.size(); ++units) {
        shown += text[fromEnd ? text.size() - 1 - units : units] == L'&' ? 2 : 1;
        if (shown > room) break;
    }
    return units;
}

// Text that may show as at most `limit` characters: a longer text keeps its
// beginning and end around an ellipsis, cut between characters, never inside
// a surrogate pair. Only a label of more than half the limit has its "&"s
// counted; every other text is measured by its size alone.
template <class Sink>
void fitted(std::wstring_view text, std::size_t limit, bool inLabel, Sink& sink) noexcept {
    if ((inLabel && text.size() > limit / 2) ? shownLength(text, inLabel) <= limit : text.size() <= limit) {
        sink.escaped(text, inLabel);
        return;
    }
    std::size_t headEnd = unitsWithin(text, (limit - 1) / 2, inLabel, false);
    const std::size_t shownHead = shownLength(text.substr(0, headEnd), inLabel);
    std::size_t tailStart = text.size() - unitsWithin(text, limit - 1 - shownHead, inLabel, true);
    if (headEnd > 0 && isHighSurrogate(unitValue(text[headEnd - 1]))) --headEnd;
    if (tailStart < text.size() && isLowSurrogate(unitValue(text[tailStart]))) ++tailStart;
    sink.escaped(text.substr(0, headEnd), inLabel);
    sink.fixed(std::wstring_view(&kElision, 1));
    sink.escaped(text.substr(tailStart), inLabel);
}

// What of the File document is in the menu's language: its fixed head, the
// supertip's start, and so the room left in the supertip for the path.
struct FileMenuFrame {
    std::wstring_view head;
    std::wstring_view beforePath;
    std::size_t maxPathLength;
};

// The whole File document, in order: the one structure that both bounding
// and writing follow, so that the bound holds whatever the entries.
template <class Sink>
void fileMenuPieces(const std::vector<RecentEntry>& entries, const FileMenuFrame& frame, Sink& sink) noexcept {
    sink.fixed(frame.head);
    const std::size_t listed = entries.size() < kMaxRecentButtons ? entries.size() : kMaxRecentButtons;
    for (std::size_t i = 0; i < listed; ++i) {
        sink.fixed(kBeforeName[i]);
        fitted(entries[i].name, kMaxNameLength, true, sink);
        sink.fixed(frame.beforePath);
        fitted(entries[i].path, frame.maxPathLength, false, sink);
    }
    sink.fixed(listed > 0 ? viewOf(kLastButtonEndAndFileTail) : viewOf(kFileTail));
}

}  // namespace

std::wstring fileNameOf(std::wstring_view path) {
    const std::size_t lastSeparator = path.find_last_of(L"\\/");
    return std::wstring(lastSeparator == std::wstring_view::npos ? path : path.substr(lastSeparator + 1));
}

std::wstring escapeAttribute(std::wstring_view text) {
    std::wstring result;
    if (text.size() > result.max_size() / kLongestEscape) throw std::bad_alloc();
    result.resize(kLongestEscape * text.size());
    result.resize(static_cast<std::size_t>(writeEscaped(text, result.data(), false) - result.data()));
    return result;
}

FileMenuText::FileMenuText(const std::vector<RecentEntry>& entries, Language language) {
    const FileMenuFrame frame{fileMenuHead(language), g_beforePath.in(language), maxPathLength(language)};
    LengthBound bound;
    fileMenuPieces(entries, frame, bound);
    wchar_t* out = m_inline;
    if (bound.length > kInlineCapacity) {
        m_heap.reset(new wchar_t[bound.length]);
        out = m_heap.get();
    }
    TextWriter writer{out};
    fileMenuPieces(entries, frame, writer);
    m_length = static_cast<std::size_t>(writer.out - out);
}

std::wstring fileMenuDocument(const std::vector<RecentEntry>& entries, Language language) {
    const FileMenuText text(entries, language);
    return std::wstring(text.data(), text.length());
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
