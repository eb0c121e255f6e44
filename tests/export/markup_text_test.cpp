#include <gtest/gtest.h>

#include "export/markup_text.h"

namespace kirvolt {
namespace {

struct EscapeCase {
    std::string text;
    std::string escaped;
};

const EscapeCase escapeCases[] = {
    {"R1", "R1"},
    {"a<b>&\"c'", "a&lt;b&gt;&amp;&quot;c&#39;"},
    {"  V12 = 10.00 V;", "  V12 = 10.00 V;"},
    {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x94\x8B", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x94\x8B"},  // é € and a battery kept
    {"R\xE9", "R\xEF\xBF\xBD"},                                                           // a Latin-1 byte
    {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                                             // overlong '/'
    {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},                             // a surrogate
    {"\xE2\x82", "\xEF\xBF\xBD\xEF\xBF\xBD"},                                             // cut short
    {std::string("a\0b\x01\x1F", 5), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"tab\tand\nline", "tab\tand\nline"},
};

TEST(MarkupText, EscapesMarkupAndReplacesWhatXmlCannotCarry)
{
    for (const EscapeCase& c : escapeCases) {
        EXPECT_EQ(markupEscaped(c.text), c.escaped) << ::testing::PrintToString(c.text);
    }
}

}  // namespace
}  // namespace kirvolt
