#include <gtest/gtest.h>

#include "analysis/circuit_words.h"
#include "analysis/nodal_solver.h"
#include "support/sample_circuits.h"

namespace kirvolt {
namespace {

TEST(CircuitWords, QuantitiesAreSpokenWithThreeDigitsAndThePrefixInWords)
{
    const struct {
        double value;
        const char* unit;
        const char* spoken;
    } cases[] = {
        {4.2857, "volt", "4.29 volt"},      {0.00091, "ampere", "910 microampere"},
        {4700, "ohm", "4.7 kilohm"},        {2.2e6, "ohm", "2.2 megohm"},
        {-0.002, "ampere", "minus 2 milliampere"}, {12, "volt", "12 volt"},
        {999.96, "ohm", "1 kilohm"},        {0.0, "volt", "0 volt"},
        {1e-15, "ampere", "0 ampere"},      {470, "ohm", "470 ohm"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(spokenQuantity(c.value, c.unit), c.spoken) << c.value;
    }
}

// 12 V across 10 ohm and 20 ohm in series: 0.4 A through both, 4 V and 8 V across them; the
// datum is the top node, so the others stand 4 V and 12 V below it.
TEST(CircuitWords, TheDividerIsToldElementByElementWithItsNumbers)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    const std::vector<std::string> before = describeCircuit(doc);
    // Drawn, each terminal and each wire end has its own joint; node building merges them.
    EXPECT_EQ(before.front(), "The circuit has 3 elements and 12 joints, read row by row from the top left.");
    EXPECT_EQ(before[1], "joint, at 5,5.");
    EXPECT_EQ(before.back(), "It has not been analysed as it is drawn now.");
    ASSERT_TRUE(runNodalAnalysis(doc));
    const std::vector<std::string> after = describeCircuit(doc);
    EXPECT_EQ(after, (std::vector<std::string>{
                         "The circuit has 3 elements and 6 joints, read row by row from the top left.",
                         "It has 3 nodes; the datum node is node 1.",
                         "joint of node 1, at 5,5, 0 volt.",
                         "joint of node 1, at 7,5, 0 volt.",
                         "R1, 10 ohm resistor, from node 1 to node 2, p.d. 4 volt, current 400 milliampere.",
                         "joint of node 2, at 13,5, minus 4 volt.",
                         "joint of node 2, at 16,5, minus 4 volt.",
                         "E1, 12 volt voltage source, from node 1 to node 3, p.d. 12 volt, current minus 400 milliampere.",
                         "R2, 20 ohm resistor, from node 2 to node 3, p.d. 8 volt, current 400 milliampere.",
                         "joint of node 3, at 5,11, minus 12 volt.",
                         "joint of node 3, at 16,11, minus 12 volt.",
                         "The numbers are those of the last analysis.",
                     }));
}

}  // namespace
}  // namespace kirvolt
