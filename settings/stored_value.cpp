// Reading stored registry values.
#include "settings/stored_value.h"

#include <cstdint>

namespace settings {

std::string storedValueText(StoredKind kind, std::string_view data) {
    switch (kind) {
    case StoredKind::Text: {
        const std::size_t end = data.find('\0');
        return std::string(data.substr(0, end));
    }
    case StoredKind::Binary: {
        const auto byteAt = [&](std::size_t i) { return i < data.size() ? static_cast<std::uint8_t>(data[i]) : 0u; };
        const auto value = static_cast<std::int16_t>(static_cast<std::uint16_t>(byteAt(0) | (byteAt(1) << 8)));
        return std::to_string(value);
    }
    case StoredKind::Other:
        break;
    }
    return {};
}

}  // namespace settings
