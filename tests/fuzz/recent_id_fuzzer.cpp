// The recent-file position a button id stands for, for any id: its last
// character when that is an ASCII digit, nothing otherwise; and the position
// of every id the File menu writes is the button's own number.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ribbon/file_menu.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/xml_oracle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::wstring id = input.wideText(size);
    const std::optional<std::size_t> position = ribbon::recentPositionOfId(id);
    const bool endsInDigit = !id.empty() && id.back() >= L'0' && id.back() <= L'9';
    fuzz::check(position.has_value() == endsInDigit, "a position exactly when the id ends in a digit");
    if (position) fuzz::check(*position == static_cast<std::size_t>(id.back() - L'0'), "the digit is the position");
    for (int n = 1; n <= ribbon::kMaxRecentButtons; ++n) {
        const std::wstring written = id + L"RecentFile" + std::to_wstring(n);
        fuzz::check(ribbon::recentPositionOfId(written) == static_cast<std::size_t>(n), "RecentFile<n> stands for n");
    }
    return 0;
}
