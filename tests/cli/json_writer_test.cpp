#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "cli/json_writer.h"

namespace kirvolt::cli {
namespace {

std::string stringJson(std::string_view text)
{
    std::ostringstream out;
    JsonWriter(out).value(text);
    return out.str();
}

std::string doubleJson(double number)
{
    std::ostringstream out;
    JsonWriter(out).value(number);
    return out.str();
}

TEST(JsonWriter, EscapesQuotesControlCharactersHighBytesAndUtf8Characters)
{
    const std::pair<std::string, const char*> cases[] = {
        {"R1", R"("R1")"},
        {"say \"hi\"", R"("say \"hi\"")"},
        {"back\\slash", R"("back\\slash")"},
        {"a/b", R"("a/b")"},
        {"line\nfeed\r\t", R"("line\nfeed\r\t")"},
        {std::string("\0\x01\x1F\x7F", 4), R"("\u0000\u0001\u001f\u007f")"},
        {"R\xE9sistance \xFF", R"("R\u00e9sistance \u00ff")"},
        {"5.00 \xC2\xB5" "A = \xE2\x88\x92J1 \xF0\x9F\x94\x8B", R"("5.00 \u00b5A = \u2212J1 \ud83d\udd0b")"},
        {"", R"("")"},
    };
    for (const auto& [text, json] : cases) {
        EXPECT_EQ(stringJson(text), json);
    }
}

TEST(JsonWriter, DoublesTakeTheShortestTextThatReadsBack)
{
    const std::pair<double, const char*> cases[] = {
        {0.0, "0"},
        {-0.0, "-0"},
        {12.0, "12"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1.0 / 3.0, "0.3333333333333333"},
        {-2.5, "-2.5"},
        {1e300, "1e+300"},
        {5e-324, "5e-324"},
        {std::numeric_limits<double>::infinity(), "null"},
        {-std::numeric_limits<double>::infinity(), "null"},
        {std::nan(""), "null"},
    };
    for (const auto& [number, json] : cases) {
        EXPECT_EQ(doubleJson(number), json) << number;
    }
}

TEST(JsonWriter, NestsContainersWithCommasBetweenMembers)
{
    std::ostringstream out;
    JsonWriter json(out);
    json.beginObject();
    json.field("a", 1);
    json.key("b");
    json.beginArray();
    json.value(std::int32_t{-2});
    json.value(std::uint16_t{65535});
    json.beginObject();
    json.endObject();
    json.beginArray();
    json.endArray();
    json.null();
    json.endArray();
    json.field("c", true);
    json.field("d", "x");
    json.field("e", 4294967295u);
    json.endObject();
    EXPECT_EQ(out.str(), R"({"a":1,"b":[-2,65535,{},[],null],"c":true,"d":"x","e":4294967295})");
}

}  // namespace
}  // namespace kirvolt::cli
