// Reading a fuzzer's bytes as the values the pure core takes: texts as the
// host hands them over (UTF-16 units, widened to the native wchar_t), numbers,
// choices.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::size_t left() const { return m_size - m_used; }

    std::uint8_t byte() {
        if (m_used == m_size) return 0;
        return m_data[m_used++];
    }

    double number() {
        std::uint8_t bytes[sizeof(double)] = {};
        for (std::uint8_t& b : bytes) b = byte();
        double value = 0;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    // Up to `maxUnits` 16-bit units, little-endian; after separateTexts() a
    // unit 0xFFFF ends the text instead of belonging to it.
    std::wstring wideText(std::size_t maxUnits) {
        std::wstring text;
        while (text.size() < maxUnits && left() >= 2) {
            const auto unit = static_cast<std::uint16_t>(m_data[m_used] | (m_data[m_used + 1] << 8));
            m_used += 2;
            if (unit == 0xFFFF && m_separated) break;
            text += static_cast<wchar_t>(unit);
        }
        return text;
    }

    // From now on a 0xFFFF unit ends a text, so that one input holds several.
    void separateTexts() { m_separated = true; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_used = 0;
    bool m_separated = false;
};

}  // namespace fuzz
