#include <gtest/gtest.h>

#include <string>

#include "tutoring/node_count_check.h"

namespace kirvolt {
namespace {

std::string sorry(const std::string& distance, int counted)
{
    return "Sorry,\n\nthe number of nodes\n\nin your circuit is " + distance + std::to_string(counted) +
           ",\n\nplease check your circuit carefully\n\nand try again.";
}

TEST(NodeCountCheck, RightCountIsPraisedWithTheNumberOfEquations)
{
    const NodeCountVerdict verdict = checkNodeCount(4, 4);
    EXPECT_TRUE(verdict.correct);
    EXPECT_EQ(verdict.message,
              "Terrific! You got it.\n\nThere are a total of  4 nodes in you circuit.\n\n"
              "That means you have to set up  3 node voltage equations.\n\nGo ahead with your analysis.");
}

struct WrongCount {
    int counted;
    const char* distance;
};

class NodeCountCheckWithFourNodes : public ::testing::TestWithParam<WrongCount> {};

TEST_P(NodeCountCheckWithFourNodes, WrongCountGetsTheHintForItsDistanceAndSide)
{
    const WrongCount wrong = GetParam();
    const NodeCountVerdict verdict = checkNodeCount(wrong.counted, 4);
    EXPECT_FALSE(verdict.correct);
    EXPECT_EQ(verdict.message, sorry(wrong.distance, wrong.counted));
}

// Counting too many means the real number is less; too few, greater.
INSTANTIATE_TEST_SUITE_P(, NodeCountCheckWithFourNodes,
                         ::testing::Values(WrongCount{5, "just less than "}, WrongCount{6, "slightly less than "},
                                           WrongCount{7, "slightly less than "}, WrongCount{8, "less than "},
                                           WrongCount{13, "less than "}, WrongCount{14, "much less than "},
                                           WrongCount{99, "much less than "}, WrongCount{3, "just greater than "},
                                           WrongCount{2, "slightly greater than "},
                                           WrongCount{1, "slightly greater than "}, WrongCount{0, "greater than "}),
                         [](const ::testing::TestParamInfo<WrongCount>& info) {
                             return "counted" + std::to_string(info.param.counted);
                         });

TEST(NodeCountCheck, FarTooFewInABigCircuitIsMuchGreater)
{
    EXPECT_EQ(checkNodeCount(2, 12).message, sorry("much greater than ", 2));
    EXPECT_EQ(checkNodeCount(2, 11).message, sorry("greater than ", 2));
}

}  // namespace
}  // namespace kirvolt
