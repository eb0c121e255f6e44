#include "export/markup_text.h"

#include <cstdint>

namespace kirvolt {
namespace {

constexpr std::string_view REPLACEMENT = "\xEF\xBF\xBD";

}  // namespace

std::size_t codePoints(std::string_view text)
{
    std::size_t count = 0;
    for (const char ch : text) {
        count += (static_cast<unsigned char>(ch) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

std::string markupEscaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char ch = text[i];
        const auto byte = static_cast<std::uint8_t>(ch);
        if (byte >= 0x80) {
            const std::size_t length = utf8SequenceLength(text, i);
            out += length == 0 ? REPLACEMENT : text.substr(i, length);
            i += length == 0 ? 1 : length;
            continue;
        }
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default:
            if (byte < 0x20 && ch != '\t' && ch != '\n') {
                out += REPLACEMENT;
            } else {
                out += ch;
            }
        }
        ++i;
    }
    return out;
}

}  // namespace kirvolt
