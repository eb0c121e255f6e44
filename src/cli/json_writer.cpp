#include "cli/json_writer.h"

#include <cmath>
#include <cstdint>

#include "document/utf8_text.h"

namespace kirvolt::cli {
namespace {

const char HEX[] = "0123456789abcdef";

void writeEscape(std::ostream& out, std::uint32_t unit)
{
    out << "\\u" << HEX[(unit >> 12) & 0xF] << HEX[(unit >> 8) & 0xF] << HEX[(unit >> 4) & 0xF] << HEX[unit & 0xF];
}

// The character the well-formed UTF-8 sequence of length n at text[i] encodes.
std::uint32_t codePoint(std::string_view text, std::size_t i, std::size_t n)
{
    const auto byte = [&](std::size_t k) { return static_cast<std::uint32_t>(static_cast<unsigned char>(text[i + k])); };
    std::uint32_t value = byte(0) & (0x7Fu >> n);
    for (std::size_t k = 1; k < n; ++k) {
        value = (value << 6) | (byte(k) & 0x3Fu);
    }
    return value;
}

}  // namespace

void JsonWriter::separate()
{
    if (afterKey) {
        afterKey = false;
        return;
    }
    if (!containerIsEmpty.empty()) {
        if (!containerIsEmpty.back()) {
            out << ',';
        }
        containerIsEmpty.back() = false;
    }
}

void JsonWriter::beginObject()
{
    separate();
    out << '{';
    containerIsEmpty.push_back(true);
}

void JsonWriter::endObject()
{
    containerIsEmpty.pop_back();
    out << '}';
}

void JsonWriter::beginArray()
{
    separate();
    out << '[';
    containerIsEmpty.push_back(true);
}

void JsonWriter::endArray()
{
    containerIsEmpty.pop_back();
    out << ']';
}

void JsonWriter::key(std::string_view name)
{
    separate();
    writeString(name);
    out << ':';
    afterKey = true;
}

void JsonWriter::value(std::string_view text)
{
    separate();
    writeString(text);
}

void JsonWriter::value(double number)
{
    if (!std::isfinite(number)) {
        null();
        return;
    }
    separate();
    char digits[32];
    out.write(digits, std::to_chars(digits, digits + sizeof digits, number).ptr - digits);
}

void JsonWriter::value(bool flag)
{
    separate();
    out << (flag ? "true" : "false");
}

void JsonWriter::null()
{
    separate();
    out << "null";
}

void JsonWriter::writeString(std::string_view text)
{
    out << '"';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out << "\\\"";
            break;
        case '\\':
            out << "\\\\";
            break;
        case '\n':
            out << "\\n";
            break;
        case '\r':
            out << "\\r";
            break;
        case '\t':
            out << "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                writeEscape(out, byte);
            } else if (byte < 0x7F) {
                out << c;
            } else if (const std::size_t n = utf8SequenceLength(text, i); n > 0) {
                // The program's own texts are UTF-8 ("·", "µ"); a character beyond the first
                // plane takes a surrogate pair.
                const std::uint32_t point = codePoint(text, i, n);
                if (point > 0xFFFF) {
                    writeEscape(out, 0xD800 + ((point - 0x10000) >> 10));
                    writeEscape(out, 0xDC00 + ((point - 0x10000) & 0x3FF));
                } else {
                    writeEscape(out, point);
                }
                i += n - 1;
            } else {
                // A byte that begins no UTF-8 character is read as the Latin-1 of older files.
                writeEscape(out, byte);
            }
        }
    }
    out << '"';
}

}  // namespace kirvolt::cli
