#include <gtest/gtest.h>

#include <vector>

#include "analysis/branch_tables.h"
#include "analysis/node_extraction.h"
#include "analysis/node_numbering.h"
#include "support/circuit_builder.h"
#include "support/node_circuit.h"

namespace kirvolt {
namespace {

using testing::NodeCircuit;

// Four nodes in a ring of resistors, node k to node k+1, with a joint per node.
void ringOfFour(CKirvoltDoc& doc)
{
    NodeCircuit circuit(doc, 4);
    for (int k = 1; k <= 4; ++k) {
        circuit.resistor(k, k % 4 + 1, 10);
    }
}

TEST(NodeNumbering, DatumNodeIsTakenOutOfTheUnknowns)
{
    struct Case {
        int datum;
        std::vector<int> nodeMap;
    };
    for (const Case& c : {Case{1, {0, 0, 1, 2, 3}}, Case{3, {0, 1, 2, 0, 3}}, Case{4, {0, 1, 2, 3, 0}}}) {
        CKirvoltDoc doc;
        ringOfFour(doc);
        selectDatum(doc, c.datum);
        EXPECT_EQ(doc.datumNode, c.datum);
        EXPECT_EQ(doc.nodeMap, c.nodeMap) << "datum " << c.datum;
        for (const auto& element : doc.components) {
            if (element->kindCode == KIND_JOINT) {
                EXPECT_EQ(element->datumMark, element->startNode == c.datum ? 1 : 0);
            }
        }
    }
}

TEST(NodeNumbering, DatumIsLeftAloneWithoutNodes)
{
    CKirvoltDoc doc;
    doc.datumNode = 7;
    selectDatum(doc, 2);
    EXPECT_EQ(doc.datumNode, 7);
}

TEST(NodeNumbering, BranchesAreNumberedInListOrderSkippingWiresAndJoints)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 3);
    CComponent& r = circuit.resistor(1, 2, 4.7, "R1");
    circuit.wire(2);
    CComponent& e = circuit.voltageSource(2, 3, 47, "E1");
    CComponent& j = circuit.currentSource(3, 1, 470, "J1");
    CComponent& r2 = circuit.resistor(1, 3, 0.47, "R2");
    CComponent& r3 = circuit.resistor(1, 3, 0, "R3");
    circuit.number(1);
    EXPECT_EQ(r.branchIndex, 1);
    EXPECT_EQ(e.branchIndex, 2);
    EXPECT_EQ(j.branchIndex, 3);
    EXPECT_EQ(r2.branchIndex, 4);
    EXPECT_EQ(r3.branchIndex, 5);
    EXPECT_EQ(doc.branchCount, 5);
    EXPECT_EQ(doc.labels, (std::vector<std::string>{"", "R1", "E1", "J1", "R2", "R3"}));
    EXPECT_EQ(doc.valueTexts, (std::vector<std::string>{"", "4.70", "47.0", "470", "0.470", "0.000"}));
    EXPECT_EQ(doc.kinds, (std::vector<int>{0, 101, 102, 103, 101, 101}));
    EXPECT_EQ(doc.branchKinds, doc.kinds);
    EXPECT_EQ(doc.values, (std::vector<double>{0, 4.7, 47, 470, 0.47, 0}));
    EXPECT_EQ(doc.branchValues, doc.values);
    EXPECT_EQ(doc.branchStartNodes, (std::vector<int>{0, 1, 2, 3, 1, 1}));
    EXPECT_EQ(doc.branchFinishNodes, (std::vector<int>{0, 2, 3, 1, 3, 3}));
}

TEST(NodeNumbering, FiveVoltsAndFivePointZeroZeroZeroOneVoltsReadTheSame)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 2);
    circuit.voltageSource(1, 2, 5);
    circuit.voltageSource(1, 2, 5.0001);
    circuit.number(1);
    EXPECT_EQ(doc.valueTexts[1], "5.00");
    EXPECT_EQ(doc.valueTexts[2], doc.valueTexts[1]);
}

TEST(NodeNumbering, WireOnlyNodeIsCountedButNotListed)
{
    CKirvoltDoc doc;
    testing::CircuitBuilder build(doc);
    build.resistor(10, 10, ORIENT_EAST, 5);  // nodes 2 and 3 after the wire's node 1
    build.resistor(10, 20, ORIENT_EAST, 5);
    build.wire(50, 50, 60, 50);
    buildNodes(doc);
    selectDatum(doc, 1);
    fillComponentTables(doc);
    fillBranchTables(doc);
    fillIncidence(doc);
    EXPECT_EQ(doc.nodeCount, 5);
    EXPECT_EQ(doc.nodeList, (std::vector<int>{0, 2, 3, 4, 5}));
    EXPECT_EQ(doc.nodeBranches[1], (std::vector<int>{}));
    EXPECT_EQ(doc.nodeBranches[2], (std::vector<int>{1}));
    EXPECT_EQ(incidenceAt(doc, 2, 1), 1);
    EXPECT_EQ(incidenceAt(doc, 3, 1), -1);
    EXPECT_EQ(incidenceAt(doc, 1, 1), 0);
}

TEST(NodeNumbering, BranchWithBothEndsOnOneNodeLeavesMinusOne)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 4);
    circuit.resistor(1, 4, 10);
    circuit.resistor(4, 4, 10);
    circuit.number(1);
    EXPECT_EQ(incidenceAt(doc, 4, 2), -1);
    EXPECT_EQ(incidenceAt(doc, 1, 2), 0);
    EXPECT_EQ(doc.nodeBranches[4], (std::vector<int>{1, 2}));
    EXPECT_EQ(doc.nodeList, (std::vector<int>{0, 1, 4}));
}

TEST(NodeNumbering, TablesShrinkWithTheCircuit)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 3);
    circuit.resistor(1, 2, 1);
    CComponent& second = circuit.resistor(2, 3, 2);
    circuit.number(1);
    ASSERT_EQ(doc.labels.size(), 3u);
    doc.RemoveComponent(&second);
    circuit.number(1);
    EXPECT_EQ(doc.branchCount, 1);
    EXPECT_EQ(doc.labels.size(), 2u);
    EXPECT_EQ(doc.branchStartNodes.size(), 2u);
    EXPECT_EQ(doc.nodeBranches.size(), 4u);
    EXPECT_EQ(doc.nodeBranches[3], (std::vector<int>{}));
}

}  // namespace
}  // namespace kirvolt
