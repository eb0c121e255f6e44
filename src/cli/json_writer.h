#pragma once

#include <charconv>
#include <concepts>
#include <ostream>
#include <string_view>
#include <vector>

namespace kirvolt::cli {

// Writes one compact JSON text. Strings are byte strings: control characters and bytes
// above 127 are written as \u00XX, so an 8-bit name reads back as the same bytes. Doubles
// are written with the shortest text that reads back as the same double; infinities and
// NaN have no JSON form and become null.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out(out) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The next value belongs to this member of the current object.
    void key(std::string_view name);

    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(double number);
    void value(bool flag);
    void null();
    template <std::integral T>
    void value(T number)
    {
        separate();
        char digits[24];
        out.write(digits, std::to_chars(digits, digits + sizeof digits, number).ptr - digits);
    }

    template <typename T>
    void field(std::string_view name, const T& member)
    {
        key(name);
        value(member);
    }

private:
    // Puts the comma before every value or member but the first of its container.
    void separate();
    void writeString(std::string_view text);

    std::ostream& out;
    std::vector<bool> containerIsEmpty;
    bool afterKey = false;
};

}  // namespace kirvolt::cli
