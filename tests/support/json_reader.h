#pragma once

#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kirvolt::testing {

// A parsed JSON value, for tests that read back what a command printed. \u00XX escapes
// become the byte XX, as the tool writes 8-bit names; larger code points are refused.
struct JsonValue {
    using Array = std::vector<JsonValue>;
    using Object = std::map<std::string, JsonValue, std::less<>>;
    std::variant<std::nullptr_t, bool, double, std::string, Array, Object> data;

    bool isNull() const { return std::holds_alternative<std::nullptr_t>(data); }
    double number() const { return std::get<double>(data); }
    const std::string& text() const { return std::get<std::string>(data); }
    const Array& array() const { return std::get<Array>(data); }
    const Object& object() const { return std::get<Object>(data); }
    // Member of an object; throws when it is missing.
    const JsonValue& operator[](std::string_view key) const;
    const JsonValue& operator[](std::size_t index) const { return array().at(index); }
};

// Parses one JSON text (surrounding white space allowed); throws std::runtime_error on
// anything that is not JSON.
JsonValue parseJson(std::string_view text);

}  // namespace kirvolt::testing
