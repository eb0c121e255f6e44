#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "analysis/nodal_solver.h"
#include "analysis/rule_checks.h"
#include "support/node_circuit.h"
#include "support/recording_port.h"

namespace kirvolt {
namespace {

using testing::NodeCircuit;
using testing::RecordingPort;

class RuleChecks : public ::testing::Test {
protected:
    RuleChecks() { doc.setPort(&port); }

    // Runs the analysis and returns the message of its refusal; the analysis shows nothing itself.
    std::string refusal()
    {
        const AnalysisOutcome outcome = runNodalAnalysis(doc);
        EXPECT_FALSE(outcome);
        // A rule check stops the solve after the circuit is numbered, so its equations can be shown.
        EXPECT_TRUE(outcome.numbered);
        EXPECT_EQ(doc.analysisFailed, 1);
        EXPECT_TRUE(port.messages.empty());
        return outcome ? std::string() : outcome.refusal->message;
    }

    CKirvoltDoc doc;
    RecordingPort port;
};

TEST_F(RuleChecks, ZeroEmfIsReportedBeforeZeroResistance)
{
    NodeCircuit circuit(doc, 2);
    circuit.resistor(1, 2, 0, "R1");
    circuit.voltageSource(1, 2, 0, "E7");
    EXPECT_EQ(refusal(), "Voltage Source E7 has invalid EMF value.\nThe EMF value must not be 0.\n\n"
                         "If you wish to have a branch of zero p.d. over there,\n"
                         "you may replace the voltage source with a short circuit (a wire).");
}

TEST_F(RuleChecks, ZeroSourceCurrent)
{
    NodeCircuit circuit(doc, 2);
    circuit.resistor(1, 2, 5, "R1");
    circuit.currentSource(1, 2, 2, "J1");
    circuit.currentSource(1, 2, 0, "J2");
    EXPECT_EQ(refusal(), "Current Source J2 has invalid current value.\nThe current value must not be 0.\n\n"
                         "If you wish to have a branch of zero current over there,\n"
                         "you may replace the current source with an open circuit.");
}

TEST_F(RuleChecks, NegativeResistanceIsRefused)
{
    NodeCircuit circuit(doc, 2);
    circuit.voltageSource(1, 2, -5, "E1");
    circuit.resistor(1, 2, -3, "Rx");
    EXPECT_EQ(refusal(), "Resistor Rx has invalid resistance.\nThe resistance value must be greater than 0.\n\n"
                         "If you wish to have a branch of zero resistance over there,\n"
                         "you may replace the resistor with a wire.");
}

TEST_F(RuleChecks, LowestBadlyConnectedNodeIsNamed)
{
    struct Case {
        const char* what;
        int badNode;
        std::function<void(NodeCircuit&)> build;
    };
    const std::vector<Case> cases{
        {"dangling terminal", 2,
         [](NodeCircuit& c) {
             c.resistor(1, 3, 1);
             c.resistor(3, 1, 1);
             c.resistor(1, 2, 1);
             c.resistor(4, 1, 1);
             c.resistor(4, 3, 1);
         }},
        {"only branch has both ends on the node", 3,
         [](NodeCircuit& c) {
             c.resistor(1, 2, 1);
             c.resistor(2, 1, 1);
             c.resistor(3, 3, 1);
             c.resistor(1, 4, 1);
             c.resistor(4, 1, 1);
         }},
        {"wire-only node", 4,
         [](NodeCircuit& c) {
             c.resistor(1, 2, 1);
             c.resistor(2, 3, 1);
             c.resistor(3, 1, 1);
             c.wire(4);
         }},
    };
    for (const Case& c : cases) {
        CKirvoltDoc local;
        RecordingPort localPort;
        local.setPort(&localPort);
        NodeCircuit circuit(local, 4);
        c.build(circuit);
        const AnalysisOutcome outcome = runNodalAnalysis(local);
        ASSERT_FALSE(outcome) << c.what;
        EXPECT_EQ(outcome.refusal->message, "Node " + std::to_string(c.badNode) + " is not correctly connected.")
            << c.what;
    }
}

struct GroupCase {
    const char* what;
    std::vector<double> values;
    std::vector<bool> reversed;
    std::string message;
};

const std::string SAME_PARALLEL = "Ideal Voltage Sources of the same value connected in parallel\n"
                                  "is just equivalent to a single Ideal Voltage Source of the same value.\n"
                                  "To simplify the analysis of your circuit,\n"
                                  "please just retain either\n  ";
const std::string DIFFERENT_PARALLEL = "Ideal Voltage Sources  of different values cannot be parallel connected.\n"
                                       "This violates the basic circuit rule that the potential difference between\n"
                                       "any pair of nodes can only have a unique value,\n"
                                       "please just retain either\n   ";

TEST_F(RuleChecks, ParallelVoltageSources)
{
    const std::vector<GroupCase> cases{
        {"5 V and 5.0001 V read the same", {5, 5.0001}, {false, false},
         SAME_PARALLEL + "V1 or V2 \nand remove the other voltage source,\nthen apply the analysis again."},
        {"opposite polarity is not compared", {5, 5}, {false, true},
         SAME_PARALLEL + "V1 or V2 \nand remove the other voltage source,\nthen apply the analysis again."},
        {"12 V and 12.0004 V read the same", {12, 12.0004}, {false, false},
         SAME_PARALLEL + "V1 or V2 \nand remove the other voltage source,\nthen apply the analysis again."},
        {"different values", {5, 6}, {false, false},
         DIFFERENT_PARALLEL + "V1 or V2 \nand remove the other voltage source,\nthen apply the analysis again."},
        {"three sources", {5, 5, 5}, {false, false, false},
         SAME_PARALLEL + "V1 or V2 or V3 \nand remove all other voltage sources,\nthen apply the analysis again."},
    };
    for (const GroupCase& c : cases) {
        CKirvoltDoc local;
        RecordingPort localPort;
        local.setPort(&localPort);
        NodeCircuit circuit(local, 3);
        CComponent& other = circuit.voltageSource(2, 3, 1, "V9");
        circuit.resistor(1, 3, 1, "R1");
        std::vector<CComponent*> group;
        for (std::size_t k = 0; k < c.values.size(); ++k) {
            const std::string name = std::string("V").append(std::to_string(k + 1));
            group.push_back(c.reversed[k] ? &circuit.voltageSource(2, 1, c.values[k], name)
                                          : &circuit.voltageSource(1, 2, c.values[k], name));
        }
        const AnalysisOutcome outcome = runNodalAnalysis(local);
        ASSERT_FALSE(outcome) << c.what;
        EXPECT_EQ(outcome.refusal->message, c.message) << c.what;
        const Highlight& marked = outcome.refusal->highlight;
        EXPECT_EQ(marked.redCount(), group.size()) << c.what;
        for (CComponent* source : group) {
            EXPECT_TRUE(marked.isRed(*source)) << c.what;
            EXPECT_EQ(source->colour, COLOUR_COMPONENT) << c.what;
        }
        EXPECT_FALSE(marked.isRed(other)) << c.what;
        EXPECT_EQ(local.analysisFailed, 1);
    }
}

const std::string SAME_SERIES = "Ideal Current Sources of the same value connected in series\n"
                                "is just equivalent to a single Ideal Current Source of that value.\n"
                                "To simplify the analysis of your circuit,\n"
                                "please just retain either\n  ";
const std::string DIFFERENT_SERIES = "Ideal Current Sources of different values or directions cannot be series\n"
                                     "connected. This violates the basic circuit rule that the current flowing\n"
                                     "in any single branch should be the same throughout that branch,\n"
                                     "please just retain one of of the following current sources:\n   ";

TEST_F(RuleChecks, SeriesCurrentSources)
{
    const std::vector<GroupCase> cases{
        {"same value and direction", {2, 2}, {false, false},
         SAME_SERIES + "J1 or J2 \nand replace the other current source with a short circuit,\n"
                       "then apply the analysis again."},
        {"one reversed", {2, 2}, {false, true},
         DIFFERENT_SERIES + "J1 or J2 \nand replace the other current source with a short circuit,\n"
                            "then apply the analysis again."},
        {"different values", {2, 3}, {false, false},
         DIFFERENT_SERIES + "J1 or J2 \nand replace the other current source with a short circuit,\n"
                            "then apply the analysis again."},
        {"three the same", {2, 2, 2}, {false, false, false},
         SAME_SERIES + "J1 or J2 or J3 \nand replace all other current sources with short circuits,\n"
                       "then apply the analysis again."},
        {"three, last reversed", {2, 2, 2}, {false, false, true},
         DIFFERENT_SERIES + "J1 or J2 or J3 \nand replace all other current sources with short circuits,\n"
                            "then apply the analysis again."},
    };
    for (const GroupCase& c : cases) {
        // A chain 1 -> 2 -> ... -> k+1 of sources, closed by two resistors back to node 1.
        CKirvoltDoc local;
        RecordingPort localPort;
        local.setPort(&localPort);
        const int last = static_cast<int>(c.values.size()) + 1;
        NodeCircuit circuit(local, last);
        std::vector<CComponent*> chain;
        for (int k = 1; k < last; ++k) {
            const std::string name = std::string("J").append(std::to_string(k));
            const double value = c.values[k - 1];
            chain.push_back(c.reversed[k - 1] ? &circuit.currentSource(k + 1, k, value, name)
                                              : &circuit.currentSource(k, k + 1, value, name));
        }
        circuit.resistor(last, 1, 1, "R1");
        circuit.resistor(last, 1, 1, "R2");
        const AnalysisOutcome outcome = runNodalAnalysis(local);
        ASSERT_FALSE(outcome) << c.what;
        EXPECT_EQ(outcome.refusal->message, c.message) << c.what;
        EXPECT_EQ(outcome.refusal->highlight.redCount(), chain.size()) << c.what;
        for (CComponent* source : chain) {
            EXPECT_TRUE(outcome.refusal->highlight.isRed(*source)) << c.what;
            EXPECT_EQ(source->colour, COLOUR_COMPONENT) << c.what;
        }
    }
}

TEST_F(RuleChecks, FailedCheckChangesNoResult)
{
    NodeCircuit circuit(doc, 2);
    CComponent& r = circuit.resistor(2, 1, 5, "R1");
    circuit.voltageSource(1, 2, 5, "V1");
    circuit.voltageSource(1, 2, 6, "V2");
    r.pd = -3;
    r.current = 7;
    refusal();
    EXPECT_EQ(r.pd, -3);
    EXPECT_EQ(r.current, 7);
    EXPECT_EQ(r.startNode, 2);
}

TEST(RuleCheckHelpers, TrimAfterLastChar)
{
    EXPECT_EQ(trimAfterLastChar("", 'o'), "Error");
    EXPECT_EQ(trimAfterLastChar("V1", 'o'), "V1");
    EXPECT_EQ(trimAfterLastChar("V1 or V2 or ", 'o'), "V1 or V2 ");
    EXPECT_EQ(trimAfterLastChar("Jo or ", 'o'), "Jo ");
}

TEST(RuleCheckHelpers, DegreeAndParallelPartners)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 3);
    circuit.voltageSource(1, 2, 1);
    circuit.resistor(2, 1, 1);
    circuit.voltageSource(2, 1, 1);
    circuit.voltageSource(2, 3, 1);
    circuit.voltageSource(3, 3, 1);
    circuit.voltageSource(1, 2, 1);
    circuit.number(1);
    EXPECT_EQ(findParallelPartners(doc, 1, KIND_VOLTAGE_SOURCE), (std::vector<int>{3, 6}));
    EXPECT_EQ(findParallelPartners(doc, 1, KIND_RESISTOR), (std::vector<int>{2}));
    EXPECT_TRUE(findParallelPartners(doc, 5, KIND_VOLTAGE_SOURCE).empty());
    EXPECT_EQ(nodeDegree(doc, 1), 4);
    EXPECT_EQ(nodeDegree(doc, 3), 2);
}

}  // namespace
}  // namespace kirvolt
