#include <gtest/gtest.h>

#include "equations/equation_text.h"

namespace kirvolt {
namespace {

TEST(CutAtLastChar, RemovesTheLastSeparatorAndWhatFollows)
{
    EXPECT_EQ(cutAtLastChar("R1, R2, ", ','), "R1, R2");
    EXPECT_EQ(cutAtLastChar("( 1/R1 + 1/R2 + ", '+'), "( 1/R1 + 1/R2 ");
    EXPECT_EQ(cutAtLastChar("(1/R2  ) * V4 - ", '-'), "(1/R2  ) * V4 ");
    EXPECT_EQ(cutAtLastChar("no separator", ','), "no separator");
    EXPECT_EQ(cutAtLastChar("", ','), "");
    EXPECT_EQ(cutAtLastChar(",", ','), "");
}

struct ConductanceCase {
    double conductance;
    const char* text;
};

class ConductanceTextTest : public ::testing::TestWithParam<ConductanceCase> {};

TEST_P(ConductanceTextTest, TakesDecimalsBySize)
{
    EXPECT_EQ(conductanceText(GetParam().conductance), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, ConductanceTextTest,
                         ::testing::Values(ConductanceCase{0.75, "0.7500"}, ConductanceCase{0.5, "0.5000"},
                                           ConductanceCase{0.0, "0.0000"}, ConductanceCase{0.99999, "1.0000"},
                                           ConductanceCase{1.0, "1.000"}, ConductanceCase{3.0, "3.000"},
                                           ConductanceCase{9.9999, "10.000"}, ConductanceCase{10.0, "10.00"},
                                           ConductanceCase{125.125, "125.13"}));

}  // namespace
}  // namespace kirvolt
