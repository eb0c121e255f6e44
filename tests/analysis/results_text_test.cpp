#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/nodal_solver.h"
#include "analysis/results_text.h"
#include "support/circuit_builder.h"
#include "support/node_circuit.h"

namespace kirvolt {
namespace {

using testing::CircuitBuilder;
using testing::NodeCircuit;

std::vector<std::string> plainLines(const CKirvoltDoc& doc)
{
    std::vector<std::string> lines;
    for (const ResultsLine& line : buildResultsText(doc)) {
        lines.push_back(line.plainText());
    }
    return lines;
}

std::vector<int> positions(const CKirvoltDoc& doc)
{
    std::vector<int> ys;
    for (const ResultsLine& line : buildResultsText(doc)) {
        ys.push_back(line.y);
    }
    return ys;
}

const std::string NODE_RULE = "  " + std::string(103, '-');
const std::string COMPONENT_RULE = "  " + std::string(104, '-');

TEST(ResultsText, NewCircuitShowsOnlyTheTitle)
{
    CKirvoltDoc doc;
    CircuitBuilder(doc).resistor(5, 5, ORIENT_EAST, 10);
    EXPECT_EQ(plainLines(doc), std::vector<std::string>{"  Analysis Results:"});
}

TEST(ResultsText, TenVoltExampleInPaneOrder)
{
    CKirvoltDoc doc;
    CircuitBuilder build(doc);
    build.wire(10, -3, 20, -3);
    build.wire(10, 3, 20, 3);
    build.voltageSource(10, 0, ORIENT_NORTH, 10);
    build.resistor(20, 0, ORIENT_NORTH, 5);
    build.currentSource(30, 0, ORIENT_NORTH, 1);
    build.wire(30, -3, 20, -3);
    build.wire(30, 3, 20, 3);
    doc.datumNode = 2;
    ASSERT_TRUE(runNodalAnalysis(doc));
    const std::vector<std::string> expected{
        "  Analysis Results:",
        "  Node Number:  Node Voltage in V",
        NODE_RULE,
        "  Node 1:   10.00 V.",
        "  Node 2:   0.00 V.",
        "  Component: p.d. in V; current in A.",
        COMPONENT_RULE,
        "  R1:  V12 = 10.00 V;   I12 = 2.00 A.",
        "  J1:  V12 = 10.00 V;   I21 = 1.00 A.",
        "  E1:  V12 = 10.00 V;   I21 = 1.00 A.",
        "  Component: power in W, absorbed (+) or delivered (-).",
        COMPONENT_RULE,
        "  R1:  P = 20.00 W.",
        "  J1:  P = -10.00 W.",
        "  E1:  P = -10.00 W.",
        "  Power delivered 20.00 W = power absorbed 20.00 W.",
    };
    EXPECT_EQ(plainLines(doc), expected);
    EXPECT_EQ(positions(doc),
              (std::vector<int>{0, 40, 60, 80, 100, 145, 170, 195, 245, 295, 345, 370, 395, 420, 445, 470}));
    const ResultsLine resistorLine = buildResultsText(doc)[7];
    ASSERT_EQ(resistorLine.pieces.size(), 6u);
    EXPECT_TRUE(resistorLine.pieces[1].subscript);
    EXPECT_TRUE(resistorLine.pieces[4].subscript);
    EXPECT_FALSE(resistorLine.pieces[2].subscript);
}

TEST(ResultsText, NodeNamesSortAsText)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 12);
    for (int k = 1; k < 12; ++k) {
        circuit.resistor(k, k + 1, 1);
    }
    const std::vector<std::string> lines = plainLines(doc);
    std::vector<std::string> nodes(lines.begin() + 3, lines.begin() + 15);
    std::vector<std::string> expected;
    for (const char* name : {"1", "10", "11", "12", "2", "3", "4", "5", "6", "7", "8", "9"}) {
        expected.push_back(std::string("  Node ") + name + ":   0.00 V.");
    }
    EXPECT_EQ(nodes, expected);
}

TEST(ResultsText, SubscriptsRunFromHighToLowAndNumbersAreNeverNegative)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 2);
    CComponent& e = circuit.voltageSource(1, 2, 5, "E1");
    CComponent& flat = circuit.resistor(1, 2, 5, "R1");
    CComponent& between = circuit.resistor(1, 2, 5, "R2");
    CComponent& twin = circuit.resistor(1, 2, 5, "R1");
    e.pd = -5;
    e.current = -1.5;
    flat.pd = 0;
    flat.current = 0;
    between.pd = 2;
    between.current = 0.4;
    twin.pd = 99;
    const std::vector<std::string> lines = plainLines(doc);
    const std::vector<std::string> components(lines.begin() + 7, lines.begin() + 11);
    EXPECT_EQ(components, (std::vector<std::string>{"  R1:  V21 = 0.00 V;   I21 = 0.00 A.",
                                                    "  R1:  V21 = 0.00 V;   I21 = 0.00 A.",
                                                    "  R2:  V12 = 2.00 V;   I12 = 0.40 A.",
                                                    "  E1:  V21 = 5.00 V;   I21 = 1.50 A."}));
}

TEST(ResultsText, WithoutCurrentSourcesTheVoltageSourcesFollowFiftyBelow)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 2);
    circuit.resistor(1, 2, 5);
    circuit.voltageSource(1, 2, 5);
    const std::vector<int> ys = positions(doc);
    // Nodes at 80 and 100, so d = 120; the resistor block runs from 195 to 220 and the
    // source follows 50 below its end; the powers follow as the next block.
    EXPECT_EQ(ys, (std::vector<int>{0, 40, 60, 80, 100, 145, 170, 195, 270, 320, 345, 370, 395, 420}));
}

TEST(ResultsText, MissingNodeJointReadsError)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 2);
    CComponent& r = circuit.resistor(1, 7, 5, "R1");
    r.pd = 1;
    r.current = 1;
    EXPECT_EQ(plainLines(doc)[7], "  R1:  V1error = 1.00 V;   I1error = 1.00 A.");
}

}  // namespace
}  // namespace kirvolt
