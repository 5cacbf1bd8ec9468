// Reading stored registry values.
#include "settings/stored_value.h"

#include <cstdint>

namespace settings {

std::string storedValueText(StoredKind kind, std::string_view data) {
    const auto byteAt = [&](std::size_t i) { return i < data.size() ? static_cast<std::uint8_t>(data[i]) : 0u; };
    switch (kind) {
    case StoredKind::Text: {
        const std::size_t end = data.find('\0');
        return std::string(data.substr(0, end));
    }
    case StoredKind::Binary: {
        const auto value = static_cast<std::int16_t>(static_cast<std::uint16_t>(byteAt(0) | (byteAt(1) << 8)));
        return std::to_string(value);
    }
    case StoredKind::Dword: {
        // A REG_DWORD of another size was not written as a number; reading
        // part of it, or past it, would invent one.
        if (data.size() != 4) return {};
        const auto value = static_cast<std::int32_t>(byteAt(0) | (byteAt(1) << 8) | (byteAt(2) << 16) |
                                                     (static_cast<std::uint32_t>(byteAt(3)) << 24));
        return std::to_string(value);
    }
    case StoredKind::Other:
        break;
    }
    return {};
}

int policyChoice(StoredKind kind, std::string_view data, PolicyTexts accepted) {
    if (kind != StoredKind::Text && kind != StoredKind::Dword) return kNoPolicy;
    const std::string text = storedValueText(kind, data);
    for (std::size_t i = 0; i < accepted.count; ++i) {
        if (std::string_view(text) == accepted.texts[i]) return static_cast<int>(i);
    }
    return kNoPolicy;
}

}  // namespace settings
