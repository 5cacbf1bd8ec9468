// The File menu: its document, built around Excel's most recently used files,
// and the pure rules of its recent-file buttons.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ribbon {

// One listed recent file: the full path as the host reports it, and the name
// shown on its button.
struct RecentEntry {
    std::wstring path;
    std::wstring name;
};

// The File menu lists at most this many recent files, numbered from 1.
inline constexpr int kMaxRecentButtons = 3;

// The part of the path after its last backslash, or the whole path when it
// holds none.
std::wstring fileNameOf(std::wstring_view path);

// Text as the value of a double-quoted XML attribute: "&", "<" and the double
// quote become references; tab, line feed and carriage return become character
// references, which an XML parser would otherwise turn into blanks; every
// character that XML cannot carry becomes U+FFFD, because one such character
// makes Office drop the whole menu.
std::wstring escapeAttribute(std::wstring_view text);

// The File menu's MenuDocument, with one button for each of the first
// kMaxRecentButtons entries. A name or path too long for the schema's 1024
// characters of a label or supertip is shortened in the middle with "…".
std::wstring fileMenuDocument(const std::vector<RecentEntry>& entries);

// The same document measured once and then written into a caller's buffer of
// exactly length() characters, so that a COM string can be filled without an
// intermediate copy. The entries must outlive the layout.
class FileMenuLayout {
public:
    explicit FileMenuLayout(const std::vector<RecentEntry>& entries) noexcept;
    FileMenuLayout(std::vector<RecentEntry>&&) = delete;  // would outlive its entries
    std::size_t length() const noexcept { return m_length; }
    void write(wchar_t* out) const noexcept;

private:
    const std::vector<RecentEntry>& m_entries;
    std::size_t m_length = 0;
    // One bit per name or path part in document order: set when it needs no
    // escaping and can be copied whole.
    std::uint32_t m_plainParts = 0;
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
