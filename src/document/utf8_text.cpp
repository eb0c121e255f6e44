#include "document/utf8_text.h"

#include <cstdint>

namespace kirvolt {

std::size_t utf8SequenceLength(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<std::uint8_t>(text[i]);
    const std::size_t length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || i + length > text.size()) {
        return 0;
    }
    const auto second = static_cast<std::uint8_t>(text[i + 1]);
    // Overlong forms, surrogates and code points above U+10FFFF are refused by the second byte.
    const std::uint8_t low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const std::uint8_t high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (second < low || second > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if ((static_cast<std::uint8_t>(text[i + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

bool isPrintableName(std::string_view text)
{
    if (text.empty()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        if (byte < 0x80) {
            if (byte <= ' ' || byte == 0x7F) {
                return false;
            }
            ++i;
            continue;
        }
        const std::size_t length = utf8SequenceLength(text, i);
        // C1 controls and the no-break space are no letters.
        if (length == 0 || (byte == 0xC2 && static_cast<std::uint8_t>(text[i + 1]) <= 0xA0)) {
            return false;
        }
        i += length;
    }
    return true;
}

}  // namespace kirvolt
