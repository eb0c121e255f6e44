#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/electrical_rule_check.h"
#include "analysis/nodal_solver.h"
#include "document/circuit_file.h"
#include "support/sample_circuits.h"

namespace kirvolt {
namespace {

TEST(ElectricalRuleCheck, ListsEveryFaultInTheAnalysisWordsAndMarksItsParts)
{
    CKirvoltDoc doc;
    testing::buildThreeFaults(doc);
    const CComponent* j1 = doc.components[2].get();
    const CComponent* r1 = doc.components[1].get();
    const std::vector<Explanation> faults = electricalRuleCheck(doc);
    ASSERT_EQ(faults.size(), 3U);
    EXPECT_EQ(faults[0].message, "Current Source J1 has invalid current value.\nThe current value must not be 0."
                                 "\n\nIf you wish to have a branch of zero current over there,\n"
                                 "you may replace the current source with an open circuit.");
    EXPECT_EQ(faults[1].message, "Resistor R1 has invalid resistance.\nThe resistance value must be greater than 0."
                                 "\n\nIf you wish to have a branch of zero resistance over there,\n"
                                 "you may replace the resistor with a wire.");
    EXPECT_EQ(faults[2].message, "Node 3 is not correctly connected.");
    EXPECT_TRUE(faults[0].highlight.isRed(*j1));
    EXPECT_TRUE(faults[1].highlight.isRed(*r1));
    ASSERT_EQ(faults[2].highlight.redCount(), 1U);
    for (const auto& c : doc.components) {
        EXPECT_EQ(faults[0].highlight.isRed(*c), c.get() == j1);
        EXPECT_EQ(faults[1].highlight.isRed(*c), c.get() == r1);
        if (faults[2].highlight.isRed(*c)) {
            EXPECT_EQ(c->kindCode, KIND_JOINT);
            EXPECT_EQ(c->gridStart, (Point{22, 7}));
        }
    }
    const AnalysisOutcome outcome = runNodalAnalysis(doc);
    ASSERT_FALSE(outcome);
    EXPECT_EQ(outcome.refusal->message, faults[0].message);  // the analysis stops at the first
}

// Over every example: a circuit the analysis solves has no fault, and one it refuses has the
// refusal as its first fault.
TEST(ElectricalRuleCheck, AgreesWithTheAnalysisOnEveryExample)
{
    int refused = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KIRVOLT_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".kvt") {
            continue;
        }
        CKirvoltDoc checked;
        CKirvoltDoc analysed;
        ASSERT_TRUE(loadCircuit(entry.path().string(), checked).ok);
        ASSERT_TRUE(loadCircuit(entry.path().string(), analysed).ok);
        const std::vector<Explanation> faults = electricalRuleCheck(checked);
        const AnalysisOutcome outcome = runNodalAnalysis(analysed);
        if (outcome) {
            EXPECT_TRUE(faults.empty()) << entry.path();
        } else {
            ++refused;
            ASSERT_FALSE(faults.empty()) << entry.path();
            EXPECT_EQ(faults.front().message, outcome.refusal->message) << entry.path();
        }
    }
    EXPECT_GE(refused, 4);
}

}  // namespace
}  // namespace kirvolt
