#include <gtest/gtest.h>

#include <string>

#include "analysis/rule_checks.h"
#include "support/circuit_builder.h"
#include "theorems/netlist_solve.h"
#include "theorems/superposition.h"

namespace kirvolt {
namespace {

const std::string ZERO_RESISTOR_MESSAGE =
    "Resistor R2 has invalid resistance.\nThe resistance value must be greater than 0."
    "\n\nIf you wish to have a branch of zero resistance over there,\nyou may replace the resistor with a wire.";

// The theorems solve their circuits without the rule checks; a 0 ohm resistor is still refused
// in the check's words, never solved as an open circuit.
TEST(ZeroResistance, TheTheoremsSolvesRefuseIt)
{
    const struct {
        double r2;
        bool refused;
    } cases[] = {{0.0, true}, {5.0, false}};
    for (const auto& c : cases) {
        Netlist netlist;
        netlist.nodes = {"0", "1"};
        netlist.elements = {{KIND_VOLTAGE_SOURCE, "E1", 1, 0, 10.0},
                            {KIND_RESISTOR, "R1", 1, 0, 5.0},
                            {KIND_RESISTOR, "R2", 1, 0, c.r2}};
        const SolvedNetlist solved = solveNetlist(netlist);
        EXPECT_EQ(solved.refusal.has_value(), c.refused) << c.r2;
        if (c.refused) {
            EXPECT_EQ(solved.refusal.value_or(""), ZERO_RESISTOR_MESSAGE);
        } else {
            EXPECT_DOUBLE_EQ(solved.voltage(1), 10.0);
            EXPECT_DOUBLE_EQ(solved.sourceCurrent(0), -4.0);
        }
    }
}

TEST(ZeroResistance, SuperpositionRefusesIt)
{
    CKirvoltDoc doc;
    testing::CircuitBuilder build(doc);
    for (const int x : {10, 20}) {
        build.wire(x, -3, x + 10, -3);
        build.wire(x, 3, x + 10, 3);
    }
    build.voltageSource(10, 0, ORIENT_NORTH, 10);
    build.resistor(20, 0, ORIENT_SOUTH, 5);
    CComponent& zero = build.resistor(30, 0, ORIENT_SOUTH, 0);
    ASSERT_EQ(zero.label, "R2");
    const auto parts = superpose(doc);
    ASSERT_EQ(parts.index(), 1u);
    EXPECT_EQ(std::get<1>(parts), "E1 alone: " + ZERO_RESISTOR_MESSAGE);
}

}  // namespace
}  // namespace kirvolt
