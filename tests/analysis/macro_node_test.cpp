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
    markNodeArrows(doc, 1, true, false, true);
    EXPECT_EQ(leaving.arrowDirection, ORIENT_NORTH);
    EXPECT_EQ(arriving.arrowDirection, ORIENT_SOUTH);
    EXPECT_EQ(into.arrowDirection, ORIENT_NORTH);
    EXPECT_EQ(outOf.arrowDirection, ORIENT_SOUTH);
    EXPECT_EQ(source.arrowDirection, ARROW_NONE);
    markNodeArrows(doc, 1, false, true, false);
    EXPECT_EQ(source.arrowDirection, ORIENT_NORTH);
    clearArrows(doc);
    for (const auto& c : doc.components) {
        EXPECT_EQ(c->arrowDirection, ARROW_NONE);
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
    markMacroNodeArrows(doc, left, true, false, true);
    EXPECT_EQ(between.arrowDirection, ORIENT_EAST);
    EXPECT_EQ(inside.arrowDirection, ARROW_NONE);
    clearArrows(doc);
    markMacroNodeArrows(doc, collectMacroNode(doc, 4), true, false, true);
    EXPECT_EQ(between.arrowDirection, ORIENT_WEST);
}

TEST(MacroNode, ColouringMarksTheMacroNodeAndThePath)
{
    CKirvoltDoc doc;
    testing::RecordingPort port;
    doc.setPort(&port);
    NodeCircuit circuit(doc, 4);
    CComponent& e1 = circuit.voltageSource(1, 2, 1);
    CComponent& e2 = circuit.voltageSource(3, 2, 1);
    CComponent& inside = circuit.resistor(1, 3, 1);
    CComponent& outside = circuit.resistor(3, 4, 1);
    CComponent& w1 = circuit.wire(1);
    CComponent& w4 = circuit.wire(4);
    circuit.number(4);
    const std::vector<int> members = collectMacroNode(doc, 1);
    colourMacroNode(doc, members, COLOUR_HIGHLIGHT);
    colourMacroNodeWires(doc, members, COLOUR_HIGHLIGHT);
    EXPECT_EQ(e1.colour, COLOUR_HIGHLIGHT);
    EXPECT_EQ(e2.colour, COLOUR_HIGHLIGHT);
    EXPECT_EQ(inside.colour, COLOUR_HIGHLIGHT);
    EXPECT_EQ(outside.colour, COLOUR_COMPONENT);
    EXPECT_EQ(w1.colour, COLOUR_HIGHLIGHT);
    EXPECT_EQ(w4.colour, COLOUR_WIRE);

    colourMacroNode(doc, members, COLOUR_COMPONENT);
    colourMacroNodeWires(doc, members, COLOUR_WIRE);
    const SourcePath path = findSourcePath(doc, members, 1, 2);
    colourSourcePath(doc, path, COLOUR_HIGHLIGHT);
    EXPECT_EQ(e1.colour, COLOUR_HIGHLIGHT);
    EXPECT_EQ(e2.colour, COLOUR_COMPONENT);
    EXPECT_EQ(w1.colour, COLOUR_HIGHLIGHT);
    EXPECT_EQ(port.redraws, 1);

    colourNodeJoints(doc, 4, COLOUR_HIGHLIGHT);
    colourNodeWires(doc, 4, COLOUR_HIGHLIGHT);
    EXPECT_EQ(doc.components[3]->colour, COLOUR_HIGHLIGHT);
    EXPECT_EQ(doc.components[2]->colour, COLOUR_JOINT);
    EXPECT_EQ(w4.colour, COLOUR_HIGHLIGHT);
}

}  // namespace
}  // namespace kirvolt
