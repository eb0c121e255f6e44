#include <gtest/gtest.h>

#include "document/format_value.h"

namespace kirvolt {
namespace {

struct FormatCase {
    double value;
    int decimals;
    const char* text;
};

class FormatValueTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatValueTest, ProducesExactText)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatValue(c.value, c.decimals), c.text) << c.value << " with " << c.decimals;
}

INSTANTIATE_TEST_SUITE_P(Table, FormatValueTest,
                         ::testing::Values(FormatCase{0.125, 2, "0.13"}, FormatCase{2.675, 2, "2.67"},
                                           FormatCase{9.996, 2, "10.00"}, FormatCase{0.05, 3, "0.050"},
                                           FormatCase{0.5, 3, "0.500"}, FormatCase{0.0, 3, "0.000"},
                                           FormatCase{0.0, 0, ""}, FormatCase{12.345, 1, "12.3"},
                                           FormatCase{150.6, 0, "151"}, FormatCase{0.4, 0, ""},
                                           FormatCase{0.6, 0, "1"}, FormatCase{-0.0004, 3, "-0.000"},
                                           FormatCase{-12.0, 3, "-12.000"}, FormatCase{0.0005, 3, "0.001"},
                                           FormatCase{0.00004, 3, "0.000"}, FormatCase{1000000.0, 0, "1000000"},
                                           FormatCase{3.0, 2, "3.00"}, FormatCase{0.75, 4, "0.7500"},
                                           FormatCase{99.96, 1, "100.0"}, FormatCase{1e20, 2, "100000000000000000000.00"},
                                           FormatCase{-2.5, 2, "-2.50"}, FormatCase{5.0, -1, ""}));

TEST(ValueText, ChoosesDecimalsBySize)
{
    EXPECT_EQ(valueText(150), "150");
    EXPECT_EQ(valueText(47), "47.0");
    EXPECT_EQ(valueText(4.7), "4.70");
    EXPECT_EQ(valueText(0.47), "0.470");
    EXPECT_EQ(valueText(100), "100");
    EXPECT_EQ(valueText(10), "10.0");
    EXPECT_EQ(valueText(99.96), "100.0");
    EXPECT_EQ(valueText(0), "0.000");
    EXPECT_EQ(valueText(-12), "-12.000");
    // 5 V and 5.0001 V read the same, and so count as equal wherever values are compared by text.
    EXPECT_EQ(valueText(5.0), valueText(5.0001));
    EXPECT_EQ(valueText(12.0), valueText(12.0004));
}

}  // namespace
}  // namespace kirvolt
