#include <gtest/gtest.h>

#include <vector>

#include "analysis/macro_node.h"
#include "support/node_circuit.h"
#include "support/recording_port.h"

namespace kirvolt {
namespace {

using testing::NodeCircuit;

TEST(MacroNode, StarOfSourcesIsCollectedInTheOrderFound)
{
    // Sources from node 5 to nodes 2, 7 and 9, and from 7 to 3; resistors elsewhere.
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 9);
    circuit.voltageSource(5, 2, 1);
    circuit.resistor(1, 2, 1);
    circuit.voltageSource(5, 7, 1);
    circuit.voltageSource(5, 9, 1);
    circuit.voltageSource(7, 3, 1);
    circuit.resistor(3, 4, 1);
    circuit.number(1);
    const std::vector<int> members = collectMacroNode(doc, 9);
    EXPECT_EQ(members, (std::vector<int>{9, 5, 2, 7, 3}));
    EXPECT_EQ(firstMacroNode(members), 2);
    EXPECT_EQ(macroNodeReference(doc, members), 2);
    EXPECT_EQ(collectMacroNode(doc, 4), (std::vector<int>{4}));
}

TEST(MacroNode, ChainIsCollectedFromAnyOfItsNodes)
{
    for (int datum : {5, 3}) {
        CKirvoltDoc doc;
        NodeCircuit circuit(doc, 5);
        circuit.voltageSource(1, 2, 1);
        circuit.voltageSource(2, 3, 1);
        circuit.voltageSource(3, 4, 1);
        circuit.resistor(4, 5, 1);
        circuit.number(datum);
        for (int start = 1; start <= 4; ++start) {
            const std::vector<int> members = collectMacroNode(doc, start);
            ASSERT_EQ(members.size(), 4u);
            EXPECT_EQ(members.front(), start);
            EXPECT_EQ(firstMacroNode(members), 1);
            EXPECT_EQ(macroNodeReference(doc, members), datum == 3 ? 3 : 1);
        }
    }
}

TEST(MacroNode, PathThroughThreeSourcesCarriesSignedEmfsAndNames)
{
    // V3 from 4 to 3, V2 from 2 to 3, V1 from 2 to 1.
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 5);
    circuit.voltageSource(2, 1, 1.5, "V1");
    circuit.voltageSource(2, 3, 2.5, "V2");
    circuit.voltageSource(4, 3, 3.5, "V3");
    circuit.resistor(1, 5, 1);
    circuit.number(5);
    const std::vector<int> members = collectMacroNode(doc, 4);
    EXPECT_EQ(members, (std::vector<int>{4, 3, 2, 1}));
    const SourcePath path = findSourcePath(doc, members, 4, 1);
    ASSERT_EQ(path.length, 4);
    EXPECT_EQ(path.nodes, (std::vector<int>{0, 4, 3, 2, 1}));
    EXPECT_EQ(path.texts, (std::vector<std::string>{"", "", "+V3", "-V2", "+V1"}));
    EXPECT_EQ(path.emfs, (std::vector<double>{0, 0, 3.5, -2.5, 1.5}));
    const SourcePath back = findSourcePath(doc, members, 1, 4);
    EXPECT_EQ(back.nodes, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(back.texts, (std::vector<std::string>{"", "", "-V1", "+V2", "-V3"}));
}

TEST(MacroNode, NoPathWhenNoSourceJoinsTheNodes)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 3);
    circuit.resistor(1, 2, 1);
    circuit.voltageSource(2, 3, 1);
    circuit.number(1);
    EXPECT_EQ(findSourcePath(doc, {1, 2}, 1, 2).length, 0);
    EXPECT_EQ(findSourcePath(doc, {2, 3}, 2, 1).length, 0);
}

TEST(MacroNode, TablesOlderThanTheNodesAreReadOnlyAsFarAsTheyReach)
{
    // Nodes rebuilt into more nodes and branches than the tables were filled for.
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 3);
    circuit.voltageSource(1, 2, 1);
    circuit.voltageSource(2, 3, 1);
    circuit.number(1);
    doc.nodeCount = 6;
    doc.branchCount = 4;
    EXPECT_EQ(collectMacroNode(doc, 5), (std::vector<int>{5}));
    EXPECT_EQ(collectMacroNode(doc, 3), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(findSourcePath(doc, {3, 2, 1, 6}, 3, 6).length, 0);
    EXPECT_EQ(otherEndOfBranch(doc, 4, 1), 0);
}

TEST(MacroNode, OtherEndAndNodeNames)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 3);
    circuit.voltageSource(3, 1, 1);
    circuit.number(1);
    EXPECT_EQ(otherEndOfBranch(doc, 1, +1), 3);
    EXPECT_EQ(otherEndOfBranch(doc, 1, -1), 1);
    EXPECT_EQ(nodeName(doc, 2), "2");
    doc.components[1]->label = "B";
    EXPECT_EQ(nodeName(doc, 2), "B");
    EXPECT_EQ(nodeName(doc, 4), "error");
}

TEST(MacroNode, ArrowsPointAwayThroughResistorsAndIntoTheNodeFromSources)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 3);
    CComponent& leaving = circuit.resistor(1, 2, 1);
    CComponent& arriving = circuit.resistor(3, 1, 1);
    CComponent& into = circuit.currentSource(2, 1, 1);
    CComponent& outOf = circuit.currentSource(1, 3, 1);
    CComponent& source = circuit.voltageSource(1, 3, 1);
    for (CComponent* c : {&leaving, &arriving, &into, &outOf, &source}) {
        c->orientation = ORIENT_NORTH;
    }
    circuit.number(3);
    Highlight arrows;
    markNodeArrows(doc, 1, true, false, true, arrows);
    EXPECT_EQ(arrows.arrowOf(leaving), ORIENT_NORTH);
    EXPECT_EQ(arrows.arrowOf(arriving), ORIENT_SOUTH);
    EXPECT_EQ(arrows.arrowOf(into), ORIENT_NORTH);
    EXPECT_EQ(arrows.arrowOf(outOf), ORIENT_SOUTH);
    EXPECT_EQ(arrows.arrowOf(source), ARROW_NONE);
    markNodeArrows(doc, 1, false, true, false, arrows);
    EXPECT_EQ(arrows.arrowOf(source), ORIENT_NORTH);
    for (const auto& c : doc.components) {
        EXPECT_EQ(c->arrowDirection, ARROW_NONE) << "the records keep their own arrows";
    }
}

TEST(MacroNode, ResistorBetweenTwoMacroNodesGetsAnArrowFromEach)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 5);
    circuit.voltageSource(1, 2, 1);
    circuit.voltageSource(3, 4, 1);
    CComponent& between = circuit.resistor(2, 3, 1);
    CComponent& inside = circuit.resistor(1, 2, 1);
    circuit.resistor(4, 5, 1);
    circuit.number(5);
    const std::vector<int> left = collectMacroNode(doc, 1);
    EXPECT_EQ(left, (std::vector<int>{1, 2}));
    Highlight fromLeft;
    markMacroNodeArrows(doc, left, true, false, true, fromLeft);
    EXPECT_EQ(fromLeft.arrowOf(between), ORIENT_EAST);
    EXPECT_EQ(fromLeft.arrowOf(inside), ARROW_NONE);
    Highlight fromRight;
    markMacroNodeArrows(doc, collectMacroNode(doc, 4), true, false, true, fromRight);
    EXPECT_EQ(fromRight.arrowOf(between), ORIENT_WEST);
}

TEST(MacroNode, ColouringMarksTheMacroNodeAndThePath)
{
    CKirvoltDoc doc;
    NodeCircuit circuit(doc, 4);
    CComponent& e1 = circuit.voltageSource(1, 2, 1);
    CComponent& e2 = circuit.voltageSource(3, 2, 1);
    CComponent& inside = circuit.resistor(1, 3, 1);
    CComponent& outside = circuit.resistor(3, 4, 1);
    CComponent& w1 = circuit.wire(1);
    CComponent& w4 = circuit.wire(4);
    circuit.number(4);
    const std::vector<int> members = collectMacroNode(doc, 1);
    Highlight macro;
    colourMacroNode(doc, members, macro);
    colourMacroNodeWires(doc, members, macro);
    EXPECT_TRUE(macro.isRed(e1));
    EXPECT_TRUE(macro.isRed(e2));
    EXPECT_TRUE(macro.isRed(inside));
    EXPECT_FALSE(macro.isRed(outside));
    EXPECT_TRUE(macro.isRed(w1));
    EXPECT_FALSE(macro.isRed(w4));

    Highlight path;
    colourSourcePath(doc, findSourcePath(doc, members, 1, 2), path);
    EXPECT_TRUE(path.isRed(e1));
    EXPECT_FALSE(path.isRed(e2));
    EXPECT_TRUE(path.isRed(w1));

    Highlight node;
    colourNodeJoints(doc, 4, node);
    colourNodeWires(doc, 4, node);
    EXPECT_TRUE(node.isRed(*doc.components[3]));
    EXPECT_FALSE(node.isRed(*doc.components[2]));
    EXPECT_TRUE(node.isRed(w4));
    for (const auto& c : doc.components) {
        EXPECT_NE(c->colour, COLOUR_HIGHLIGHT) << "the records keep their own colours";
    }
}

}  // namespace
}  // namespace kirvolt
