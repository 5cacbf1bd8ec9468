// The File menu: its document, built around Excel's most recently used files,
// and the pure rules of its recent-file buttons.
#pragma once
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/language.h"

namespace ribbon {

// One listed recent file: the full path as the host reports it, and the name
// shown on its button.
struct RecentEntry {
    std::wstring path;
    std::wstring name;
};

// The File menu lists at most this many recent files, numbered from 1.
inline constexpr int kMaxRecentButtons = 3;

// The part of the path after its last backslash or slash (so that a web
// address, as Excel 2013 and later list a workbook in the cloud, shows its
// file's name), or the whole path when it holds neither.
std::wstring fileNameOf(std::wstring_view path);

// Text as the value of a double-quoted XML attribute: "&", "<" and the double
// quote become references; tab, line feed and carriage return become character
// references, which an XML parser would otherwise turn into blanks; every
// character that XML cannot carry becomes U+FFFD, because one such character
// makes Office drop the whole menu.
std::wstring escapeAttribute(std::wstring_view text);

// The File menu's MenuDocument in `language`, with one button for each of the
// first kMaxRecentButtons entries. The label shows the name with every "&"
// doubled, which Office shows as one "&" rather than taking it for an access
// key; the supertip shows the path as it is. A name or path too long for the
// schema's 1024 characters of a label or supertip is shortened in the middle
// with "…".
std::wstring fileMenuDocument(const std::vector<RecentEntry>& entries,
                              Language language = Language::SimplifiedChinese);

// The same document, written once into a buffer of its own, from which a COM
// string is made with the allocator's single copy: every character of a name
// or path is looked at once, where measuring the exact length first would take
// a second pass. All documents but those with very long names or paths fit in
// the object itself; the rest take one heap block (std::bad_alloc when none).
class FileMenuText {
public:
    explicit FileMenuText(const std::vector<RecentEntry>& entries, Language language = Language::SimplifiedChinese);
    FileMenuText(const FileMenuText&) = delete;
    FileMenuText& operator=(const FileMenuText&) = delete;
    const wchar_t* data() const noexcept { return m_heap ? m_heap.get() : m_inline; }
    std::size_t length() const noexcept { return m_length; }

private:
    // Three entries of names of about 50 and paths of about 250 characters,
    // every unit counted at its longest escape, still fit: 16 KB of stack.
    static constexpr std::size_t kInlineCapacity = 8192;
    std::unique_ptr<wchar_t[]> m_heap;
    std::size_t m_length = 0;
    wchar_t m_inline[kInlineCapacity];  // written before it is read, never cleared
};

// How many buttons a host count gives: rounded as automation rounds a count
// into a 16-bit integer, then at most kMaxRecentButtons, so a count beyond the
// 16-bit range lists three; a negative count or NaN lists none.
int recentButtonCount(double hostCount) noexcept;

// The recent-file position a button id stands for: its last character read as
// a decimal digit ("RecentFile2" is 2). No value when the id is empty or ends
// in anything but an ASCII digit; 0 is returned as it stands.
std::optional<std::size_t> recentPositionOfId(std::wstring_view id) noexcept;

}  // namespace ribbon
