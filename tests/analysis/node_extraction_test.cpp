#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/node_extraction.h"
#include "support/circuit_builder.h"

namespace kirvolt {
namespace {

using testing::CircuitBuilder;

struct JointSeen {
    int node;
    Point grid;
    std::string label;
    friend bool operator==(const JointSeen&, const JointSeen&) = default;
};

std::vector<JointSeen> joints(const CKirvoltDoc& doc)
{
    std::vector<JointSeen> seen;
    for (const auto& c : doc.components) {
        if (c->kindCode == KIND_JOINT) {
            seen.push_back({c->startNode, c->gridPosition, c->label});
        }
    }
    return seen;
}

TEST(NodeExtraction, WireJoiningTwoGroupsMakesOneNodeWhateverTheOrder)
{
    // P-Q, R-S, then Q-R: one node, exactly as when the third wire is drawn R-Q.
    for (bool reversed : {false, true}) {
        CKirvoltDoc doc;
        CircuitBuilder build(doc);
        build.wire(0, 0, 5, 0);
        build.wire(10, 0, 15, 0);
        CComponent& qr = reversed ? build.wire(10, 0, 5, 0) : build.wire(5, 0, 10, 0);
        EXPECT_EQ(buildNodes(doc), 1);
        EXPECT_EQ(qr.startNode, 1);
        EXPECT_EQ(qr.finishNode, 1);
        const std::vector<JointSeen> expected{
            {1, {0, 0}, "1"}, {1, {5, 0}, "1"}, {1, {10, 0}, "1"}, {1, {15, 0}, "1"}};
        EXPECT_EQ(joints(doc), expected);
    }
}

TEST(NodeExtraction, GroupsLinkedThroughAChainMergeTransitively)
{
    // A-B, C-D, E-F, then D-E and B-C: groups 1, 2 and 3 meet only through one another.
    CKirvoltDoc doc;
    CircuitBuilder build(doc);
    build.wire(0, 0, 1, 0);
    build.wire(2, 0, 3, 0);
    build.wire(4, 0, 5, 0);
    build.wire(3, 0, 4, 0);
    build.wire(1, 0, 2, 0);
    EXPECT_EQ(buildNodes(doc), 1);
    for (const auto& c : doc.components) {
        EXPECT_EQ(c->startNode, 1);
        EXPECT_EQ(c->finishNode, 1);
    }
    EXPECT_EQ(joints(doc).size(), 6u);
}

TEST(NodeExtraction, MergedNodesAreNumberedByTheirEarliestPoint)
{
    // A-B (group 1), C-D (group 2), D-E, F-G (group 3), G-A joins group 3 to group 1.
    CKirvoltDoc doc;
    CircuitBuilder build(doc);
    build.wire(0, 0, 1, 0);
    build.wire(0, 5, 1, 5);
    build.wire(1, 5, 2, 5);
    build.wire(0, 9, 1, 9);
    build.wire(1, 9, 0, 0);
    EXPECT_EQ(buildNodes(doc), 2);
    const std::vector<JointSeen> expected{{1, {0, 0}, "1"}, {1, {1, 0}, "1"}, {1, {0, 9}, "1"}, {1, {1, 9}, "1"},
                                          {2, {0, 5}, "2"}, {2, {1, 5}, "2"}, {2, {2, 5}, "2"}};
    EXPECT_EQ(joints(doc), expected);
    EXPECT_EQ(doc.nextNodeNumber, 3);
    EXPECT_EQ(doc.jointCount, 8);
}

TEST(NodeExtraction, TerminalsOnTheSamePointShareANodeWithOneJoint)
{
    CKirvoltDoc doc;
    CircuitBuilder build(doc);
    CComponent& r1 = build.resistor(10, 10, ORIENT_EAST, 5);  // terminals (7,10) and (13,10)
    CComponent& r2 = build.resistor(16, 10, ORIENT_EAST, 5);  // terminals (13,10) and (19,10)
    EXPECT_EQ(buildNodes(doc), 3);
    EXPECT_EQ(r1.startNode, 1);
    EXPECT_EQ(r1.finishNode, 2);
    EXPECT_EQ(r2.startNode, 2);
    EXPECT_EQ(r2.finishNode, 3);
    const std::vector<JointSeen> expected{{1, {7, 10}, "1"}, {2, {13, 10}, "2"}, {3, {19, 10}, "3"}};
    EXPECT_EQ(joints(doc), expected);
}

TEST(NodeExtraction, TerminalOnTheMiddleOfAWireGetsANodeOfItsOwn)
{
    CKirvoltDoc doc;
    CircuitBuilder build(doc);
    CComponent& w = build.wire(0, 10, 20, 10);
    CComponent& r = build.resistor(10, 13, ORIENT_NORTH, 5);  // start (10,16), finish (10,10)
    EXPECT_EQ(buildNodes(doc), 3);
    EXPECT_EQ(w.startNode, 1);
    EXPECT_EQ(r.startNode, 2);
    EXPECT_EQ(r.finishNode, 3);
}

TEST(NodeExtraction, TerminalsJoinWireNodesAndWireNodesComeFirst)
{
    // A source and a resistor side by side, joined at both ends by wires drawn in any order.
    CKirvoltDoc doc;
    CircuitBuilder build(doc);
    CComponent& e = build.voltageSource(10, 0, ORIENT_NORTH, 10);  // start (10,-3), finish (10,3)
    CComponent& r = build.resistor(20, 0, ORIENT_SOUTH, 5);        // start (20,-3), finish (20,3)
    build.wire(20, 3, 10, 3);
    build.wire(10, -3, 20, -3);
    EXPECT_EQ(buildNodes(doc), 2);
    EXPECT_EQ(e.startNode, 2);
    EXPECT_EQ(e.finishNode, 1);
    EXPECT_EQ(r.startNode, 2);
    EXPECT_EQ(r.finishNode, 1);
    const std::vector<JointSeen> expected{{1, {20, 3}, "1"}, {1, {10, 3}, "1"}, {2, {10, -3}, "2"}, {2, {20, -3}, "2"}};
    EXPECT_EQ(joints(doc), expected);
}

TEST(NodeExtraction, ResistorAcrossOneWireNetworkHasOneNodeAtBothEnds)
{
    CKirvoltDoc doc;
    CircuitBuilder build(doc);
    CComponent& r = build.resistor(10, 10, ORIENT_EAST, 5);
    build.wire(7, 10, 7, 5);
    build.wire(7, 5, 13, 5);
    build.wire(13, 5, 13, 10);
    EXPECT_EQ(buildNodes(doc), 1);
    EXPECT_EQ(r.startNode, 1);
    EXPECT_EQ(r.finishNode, 1);
}

TEST(NodeExtraction, WithoutWiresNodesFollowTheTerminalsInListOrder)
{
    CKirvoltDoc doc;
    CircuitBuilder build(doc);
    CComponent& e = build.voltageSource(10, 10, ORIENT_EAST, 10);  // start (13,10), finish (7,10)
    CComponent& r = build.resistor(10, 20, ORIENT_EAST, 5);        // start (7,20), finish (13,20)
    EXPECT_EQ(buildNodes(doc), 4);
    EXPECT_EQ(e.startNode, 1);
    EXPECT_EQ(e.finishNode, 2);
    EXPECT_EQ(r.startNode, 3);
    EXPECT_EQ(r.finishNode, 4);
}

TEST(NodeExtraction, RebuildingGivesTheSameNodesAndJoints)
{
    CKirvoltDoc doc;
    CircuitBuilder build(doc);
    build.voltageSource(10, 0, ORIENT_NORTH, 10);
    build.resistor(20, 0, ORIENT_SOUTH, 5);
    build.wire(20, 3, 10, 3);
    build.wire(10, -3, 20, -3);
    build.resistor(30, 0, ORIENT_EAST, 5);
    buildNodes(doc);
    const std::vector<JointSeen> first = joints(doc);
    std::vector<std::pair<int, int>> firstNodes;
    for (const auto& c : doc.components) {
        firstNodes.emplace_back(c->startNode, c->finishNode);
    }
    EXPECT_EQ(buildNodes(doc), 4);
    EXPECT_EQ(joints(doc), first);
    std::vector<std::pair<int, int>> secondNodes;
    for (const auto& c : doc.components) {
        secondNodes.emplace_back(c->startNode, c->finishNode);
    }
    EXPECT_EQ(secondNodes, firstNodes);
    EXPECT_EQ(doc.jointCount, static_cast<int>(first.size()) + 1);
}

TEST(NodeExtraction, UserJointsVanishAndTheFlagIsSetAtTheEnd)
{
    CKirvoltDoc doc;
    CircuitBuilder build(doc);
    build.joint(50, 50);
    build.resistor(10, 10, ORIENT_EAST, 5);
    build.joint(7, 10);
    doc.SetModifiedFlag(false);
    EXPECT_EQ(buildNodes(doc), 2);
    const std::vector<JointSeen> expected{{1, {7, 10}, "1"}, {2, {13, 10}, "2"}};
    EXPECT_EQ(joints(doc), expected);
    EXPECT_EQ(doc.nodesValid, 1);
    EXPECT_EQ(doc.nodeCount, 2);
    EXPECT_EQ(doc.nextNodeNumber, 3);
    EXPECT_TRUE(doc.IsModified());
}

TEST(NodeExtraction, JointsStandAtTheNodePointAtTheCurrentZoom)
{
    CKirvoltDoc doc;
    doc.gridSize = 40;
    CircuitBuilder build(doc);
    build.wire(2, 3, 4, 3);
    buildNodes(doc);
    const CComponent& joint = *doc.components.back();
    EXPECT_EQ(joint.kindCode, KIND_JOINT);
    EXPECT_EQ(joint.position, (Point{160, 120}));
    EXPECT_EQ(joint.displayState, DISPLAY_PLACED);
    EXPECT_EQ(joint.colour, COLOUR_JOINT);
}

TEST(NodeExtraction, EmptyListGivesNoNodes)
{
    CKirvoltDoc doc;
    EXPECT_EQ(buildNodes(doc), 0);
    EXPECT_EQ(doc.nodesValid, 1);
    EXPECT_EQ(doc.jointCount, 1);
}

}  // namespace
}  // namespace kirvolt
