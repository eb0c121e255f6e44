#include "cli/json_writer.h"

#include <cmath>

namespace kirvolt::cli {

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
    static const char hex[] = "0123456789abcdef";
    out << '"';
    for (const char c : text) {
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
            if (byte < 0x20 || byte >= 0x7F) {
                out << "\\u00" << hex[byte >> 4] << hex[byte & 0xF];
            } else {
                out << c;
            }
        }
    }
    out << '"';
}

}  // namespace kirvolt::cli
