#include "support/json_reader.h"

#include <charconv>
#include <stdexcept>

namespace kirvolt::testing {
namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : text(text) {}

    JsonValue document()
    {
        JsonValue v = value();
        skipSpace();
        if (pos != text.size()) {
            fail("text after the value");
        }
        return v;
    }

private:
    [[noreturn]] void fail(const std::string& what) const
    {
        throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(pos));
    }

    void skipSpace()
    {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\n' || text[pos] == '\r' || text[pos] == '\t')) {
            ++pos;
        }
    }

    char next()
    {
        if (pos >= text.size()) {
            fail("unexpected end");
        }
        return text[pos++];
    }

    void expect(char c)
    {
        if (next() != c) {
            fail(std::string("expected '") + c + "'");
        }
    }

    void literal(std::string_view word)
    {
        if (text.substr(pos, word.size()) != word) {
            fail("unknown literal");
        }
        pos += word.size();
    }

    JsonValue value()
    {
        skipSpace();
        if (pos >= text.size()) {
            fail("missing value");
        }
        switch (text[pos]) {
        case '{':
            return {object()};
        case '[':
            return {array()};
        case '"':
            return {string()};
        case 't':
            literal("true");
            return {true};
        case 'f':
            literal("false");
            return {false};
        case 'n':
            literal("null");
            return {nullptr};
        default:
            return {number()};
        }
    }

    JsonValue::Object object()
    {
        JsonValue::Object members;
        expect('{');
        skipSpace();
        if (pos < text.size() && text[pos] == '}') {
            ++pos;
            return members;
        }
        for (;;) {
            skipSpace();
            std::string key = string();
            skipSpace();
            expect(':');
            if (!members.emplace(std::move(key), value()).second) {
                fail("duplicate key");
            }
            skipSpace();
            if (next() == '}') {
                return members;
            }
            --pos;
            expect(',');
        }
    }

    JsonValue::Array array()
    {
        JsonValue::Array items;
        expect('[');
        skipSpace();
        if (pos < text.size() && text[pos] == ']') {
            ++pos;
            return items;
        }
        for (;;) {
            items.push_back(value());
            skipSpace();
            if (next() == ']') {
                return items;
            }
            --pos;
            expect(',');
        }
    }

    char escaped()
    {
        switch (const char c = next()) {
        case '"':
        case '\\':
        case '/':
            return c;
        case 'b':
            return '\b';
        case 'f':
            return '\f';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case 'u': {
            unsigned code = 0;
            const auto digits = text.substr(pos, 4);
            if (digits.size() != 4 || std::from_chars(digits.data(), digits.data() + 4, code, 16).ptr != digits.data() + 4) {
                fail("bad \\u escape");
            }
            pos += 4;
            if (code > 0xFF) {
                fail("code point above 0xFF");
            }
            return static_cast<char>(code);
        }
        default:
            fail("bad escape");
        }
    }

    std::string string()
    {
        std::string result;
        expect('"');
        for (char c = next(); c != '"'; c = next()) {
            if (static_cast<unsigned char>(c) < 0x20) {
                fail("raw control character in string");
            }
            result += c == '\\' ? escaped() : c;
        }
        return result;
    }

    double number()
    {
        double v = 0.0;
        const auto [end, error] = std::from_chars(text.data() + pos, text.data() + text.size(), v);
        if (error != std::errc() || end == text.data() + pos) {
            fail("bad number");
        }
        pos = static_cast<std::size_t>(end - text.data());
        return v;
    }

    std::string_view text;
    std::size_t pos = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](std::string_view key) const
{
    const auto found = object().find(key);
    if (found == object().end()) {
        throw std::out_of_range("JSON: no member " + std::string(key));
    }
    return found->second;
}

JsonValue parseJson(std::string_view text)
{
    return Parser(text).document();
}

}  // namespace kirvolt::testing
