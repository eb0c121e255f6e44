#include <gtest/gtest.h>

#include <map>
#include <random>

#include "analysis/node_extraction.h"
#include "spice/circuit_layout.h"
#include "spice/spice_reader.h"
#include "random_netlists.h"
#include "support/circuit_builder.h"
#include "support/layout_check.h"

namespace kirvolt {
namespace {

using testing::drawingFaults;

std::string faultText(const std::vector<std::string>& faults)
{
    std::string text;
    for (std::size_t i = 0; i < faults.size() && i < 5; ++i) {
        text += faults[i] + "\n";
    }
    return text;
}

Netlist readNetlist(const char* text)
{
    NetlistReading reading = readSpiceNetlist(text);
    EXPECT_TRUE(reading.netlist) << reading.message;
    return std::move(reading.netlist).value_or(Netlist{});
}

bool isHorizontal(const CComponent& c) { return c.orientation == ORIENT_EAST || c.orientation == ORIENT_WEST; }

// The checks themselves, on drawings that break one rule each beside a resistor R1 from (7,10)
// to (13,10) whose terminals are wired together along y = 20, the datum.
TEST(CircuitLayout, TheChecksFindEachBrokenRule)
{
    const struct {
        void (*draw)(testing::CircuitBuilder&);
        const char* fault;
    } cases[] = {
        {[](testing::CircuitBuilder&) {}, nullptr},
        {[](testing::CircuitBuilder& b) { b.resistor(12, 11, ORIENT_EAST, 1); }, "R1 overlaps R2"},
        {[](testing::CircuitBuilder& b) { b.resistor(10, 12, ORIENT_NORTH, 1); }, "R1 overlaps R2"},
        {[](testing::CircuitBuilder& b) { b.wire(7, 5, 7, 10); b.wire(7, 10, 7, 15); b.wire(7, 5, 7, 2); b.wire(7, 2, 7, 5); }, "runs along"},
        {[](testing::CircuitBuilder& b) { b.wire(4, 10, 5, 10); b.wire(5, 10, 9, 10); }, "runs along R1"},
        {[](testing::CircuitBuilder& b) { b.wire(10, 5, 10, 15); b.wire(10, 5, 10, 15); }, "crosses R1 at (10,10)"},
        {[](testing::CircuitBuilder& b) { b.wire(13, 5, 13, 30); }, "runs through a terminal of R1 at (13,10)"},
        {[](testing::CircuitBuilder& b) { b.wire(7, 20, 7, 25); b.wire(0, 25, 9, 25); }, "ends on the middle of"},
        {[](testing::CircuitBuilder& b) { b.wire(7, 20, 9, 22); }, "is neither horizontal nor vertical"},
        {[](testing::CircuitBuilder& b) { b.wire(13, 10, 13, 5); }, "ends at (13,5) without joining anything"},
        {[](testing::CircuitBuilder& b) { b.resistor(20, 30, ORIENT_EAST, 1); }, "the datum is not the lowest line"},
        {[](testing::CircuitBuilder& b) { b.resistor(300, 5, ORIENT_EAST, 1); }, "lies outside the drawing area"},
    };
    for (const auto& [draw, fault] : cases) {
        CKirvoltDoc doc;
        testing::CircuitBuilder build(doc);
        build.resistor(10, 10, ORIENT_EAST, 1);
        draw(build);
        std::size_t elements = 0;
        for (const auto& c : doc.components) {
            elements += c->kindCode == KIND_RESISTOR ? 1 : 0;
        }
        std::stable_partition(doc.components.begin(), doc.components.end(),
                              [](const auto& c) { return c->kindCode == KIND_RESISTOR; });
        build.wire(7, 10, 7, 20);
        build.wire(7, 20, 13, 20);
        build.wire(13, 20, 13, 10);
        buildNodes(doc);
        doc.datumNode = doc.components[0]->finishNode;
        const std::vector<std::string> faults = testing::layoutFaults(doc, elements);
        if (fault == nullptr) {
            EXPECT_TRUE(faults.empty()) << faultText(faults);
            continue;
        }
        const bool found = std::any_of(faults.begin(), faults.end(),
                                       [&](const std::string& f) { return f.find(fault) != std::string::npos; });
        EXPECT_TRUE(found) << fault << "\n" << faultText(faults);
    }
}

TEST(CircuitLayout, RandomNetlistsAreDrawnByEveryRuleInBothWays)
{
    std::mt19937 random(16u);
    int textbook = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const Netlist netlist = testing::randomLayoutNetlist(random, 60);
        const std::string what = "netlist " + std::to_string(trial);

        CKirvoltDoc doc;
        const CircuitLayout layout = layoutCircuit(netlist, doc);
        ASSERT_FALSE(layout.refusal) << what;
        const std::vector<std::string> faults = drawingFaults(doc, netlist, layout);
        EXPECT_TRUE(faults.empty()) << what << "\n" << faultText(faults);

        const int datum = layoutDatum(netlist);
        CKirvoltDoc bus;
        const CircuitLayout busLayout = drawLayout(netlist, datum, planBusLayout(netlist, datum), bus);
        const std::vector<std::string> busFaults = drawingFaults(bus, netlist, busLayout);
        EXPECT_TRUE(busFaults.empty()) << what << " on rails\n" << faultText(busFaults);

        // The textbook drawing is judged wherever it can be made, within the area or not.
        if (std::optional<LayoutPlan> spine = planSpineLayout(netlist, datum, 1'000'000)) {
            ++textbook;
            CKirvoltDoc drawn;
            drawn.gridSize = 10;
            const CircuitLayout spineLayout = drawLayout(netlist, datum, std::move(*spine), drawn);
            const std::vector<std::string> spineFaults = drawingFaults(drawn, netlist, spineLayout);
            EXPECT_TRUE(spineFaults.empty()) << what << " on spines\n" << faultText(spineFaults);
        }
    }
    EXPECT_GT(textbook, 200);
}

TEST(CircuitLayout, ALadderIsDrawnAsInTheTextbook)
{
    const Netlist netlist = readNetlist("ladder\nV1 1 0 12\nR1 1 2 10\nR2 2 0 20\nR3 2 3 10\nR4 3 0 20\n"
                                        "R5 3 4 10\nR6 4 0 20\n");
    CKirvoltDoc doc;
    const CircuitLayout layout = layoutCircuit(netlist, doc);
    ASSERT_TRUE(drawingFaults(doc, netlist, layout).empty());
    const auto& c = doc.components;
    // The series resistors in one row, left to right, each from one shunt to the next.
    for (std::size_t series : {1u, 3u, 5u}) {
        EXPECT_TRUE(isHorizontal(*c[series])) << c[series]->label;
        EXPECT_EQ(c[series]->gridPosition.y, c[1]->gridPosition.y);
    }
    EXPECT_LT(c[1]->gridPosition.x, c[3]->gridPosition.x);
    EXPECT_LT(c[3]->gridPosition.x, c[5]->gridPosition.x);
    // The source and the shunts upright between the row and the datum rail.
    for (std::size_t shunt : {0u, 2u, 4u, 6u}) {
        EXPECT_FALSE(isHorizontal(*c[shunt])) << c[shunt]->label;
        EXPECT_EQ(c[shunt]->gridPosition.y, c[0]->gridPosition.y);
        EXPECT_GT(c[shunt]->gridPosition.y, c[1]->gridPosition.y);
    }
    EXPECT_EQ(c[2]->gridPosition.x, c[1]->gridFinish.x);
    // Node names are the joints' labels, the datum 0; the source's positive terminal on top.
    EXPECT_EQ(c[0]->gridStart.y, c[0]->gridPosition.y - 3);
    for (const auto& record : c) {
        if (record->kindCode == KIND_JOINT && record->startNode == doc.datumNode) {
            EXPECT_EQ(record->label, "0");
        }
    }
    EXPECT_EQ(doc.datumNode, layout.nodeNumbers[0]);
    EXPECT_EQ(c.size(), 7u + 4u + 3u + 12u);  // elements, spine stubs, rail pieces, joints
}

TEST(CircuitLayout, ABridgeArchesItsMiddleResistorOverTheTop)
{
    const Netlist netlist = readNetlist("bridge\nV1 1 0 10\nR1 1 2 1k\nR2 1 3 2k\nR3 2 0 2k\nR4 3 0 1k\nR5 2 3 500\n");
    CKirvoltDoc doc;
    const CircuitLayout layout = layoutCircuit(netlist, doc);
    ASSERT_TRUE(drawingFaults(doc, netlist, layout).empty());
    const auto& c = doc.components;
    EXPECT_TRUE(isHorizontal(*c[1]) && isHorizontal(*c[2]) && isHorizontal(*c[5]));
    EXPECT_EQ(c[1]->gridPosition.y, c[5]->gridPosition.y);
    EXPECT_LT(c[2]->gridPosition.y, c[1]->gridPosition.y);
}

TEST(CircuitLayout, ElementNamesThatFitAreKeptAndCountersContinueAfterThem)
{
    const Netlist netlist = readNetlist("names\nVE7 a 0 1\nR12 a b 1\nRb b 0 1\nIJ3 0 b 1\n");
    CKirvoltDoc doc;
    layoutCircuit(netlist, doc);
    EXPECT_EQ(doc.components[0]->label, "E7");
    EXPECT_EQ(doc.components[0]->name, "E7");
    EXPECT_EQ(doc.components[1]->label, "R12");
    EXPECT_EQ(doc.components[2]->label, "Rb");
    EXPECT_EQ(doc.components[3]->label, "J3");
    EXPECT_EQ(doc.voltageSourceCount, 8);
    EXPECT_EQ(doc.resistorCount, 13);
    EXPECT_EQ(doc.currentSourceCount, 4);
    EXPECT_EQ(doc.components[3]->current, 1);
}

TEST(CircuitLayout, NodeNamesLabelTheJointsOnlyWhenTheDrawingTellsThemApart)
{
    const struct {
        const char* netlist;
        bool named;
    } cases[] = {
        {"t\nR1 in 0 1\nR2 in out 1\nR3 out 0 1\n", true},
        {"t\nR1 n1 0 1\nR2 n1 n10 1\nR3 n10 0 1\n", false},  // both show "n1"
        {"t\nR1 a\xC3\xA9 0 1\nR2 a\xC3\xA9 b 1\nR3 b 0 1\n", false},
    };
    for (const auto& [text, named] : cases) {
        const Netlist netlist = readNetlist(text);
        CKirvoltDoc doc;
        const CircuitLayout layout = layoutCircuit(netlist, doc);
        for (const auto& c : doc.components) {
            if (c->kindCode == KIND_JOINT) {
                const auto node = std::find(layout.nodeNumbers.begin(), layout.nodeNumbers.end(), c->startNode);
                const std::string expected = named ? netlist.nodes[static_cast<std::size_t>(node - layout.nodeNumbers.begin())]
                                                   : std::to_string(c->startNode);
                EXPECT_EQ(c->label, expected) << text;
            }
        }
    }
}

TEST(CircuitLayout, WithoutGroundTheMostConnectedNodeIsTheDatum)
{
    const Netlist netlist = readNetlist("t\nR1 a b 1\nR2 b c 1\nR3 c b 1\nR4 a c 1\nR5 b a 1\n");
    EXPECT_EQ(layoutDatum(netlist), 2);
    CKirvoltDoc doc;
    const CircuitLayout layout = layoutCircuit(netlist, doc);
    EXPECT_EQ(doc.datumNode, layout.nodeNumbers[2]);
    EXPECT_TRUE(drawingFaults(doc, netlist, layout).empty());
}

// No textbook drawing for a resistor on one node, and a hundred and eighteen nodes of one
// terminal each: the rails must not take the height.
TEST(CircuitLayout, SixtyElementsOfTheWorstKindFitTheArea)
{
    Netlist netlist;
    netlist.nodes = {"0"};
    netlist.elements.push_back({KIND_RESISTOR, "R1", 0, 0, 1});
    for (int i = 1; i < 60; ++i) {
        const int first = static_cast<int>(netlist.nodes.size());
        netlist.nodes.push_back("a" + std::to_string(i));
        netlist.nodes.push_back("b" + std::to_string(i));
        netlist.elements.push_back({KIND_VOLTAGE_SOURCE, "E" + std::to_string(i), first, first + 1, 1});
    }
    CKirvoltDoc doc;
    const CircuitLayout layout = layoutCircuit(netlist, doc);
    ASSERT_FALSE(layout.refusal) << *layout.refusal;
    EXPECT_TRUE(drawingFaults(doc, netlist, layout).empty()) << faultText(drawingFaults(doc, netlist, layout));
}

TEST(CircuitLayout, ANetlistTooLargeForTheAreaIsRefused)
{
    Netlist netlist;
    netlist.nodes = {"0", "1"};
    for (int i = 0; i < 100; ++i) {
        netlist.elements.push_back({KIND_RESISTOR, "R" + std::to_string(i + 1), 1, 1, 1});
    }
    CKirvoltDoc doc;
    const CircuitLayout layout = layoutCircuit(netlist, doc);
    EXPECT_EQ(layout.refusal, "The netlist is too large to draw within the drawing area.");
    EXPECT_TRUE(doc.components.empty());
}

}  // namespace
}  // namespace kirvolt

namespace kirvolt {
namespace {

// Both drawings name the nodes alike, and a name that is a number never is another node's
// number: the netlist's "2" below becomes Kirvolt's node 1 and is called 1.
TEST(CircuitLayout, BothDrawingsGiveTheNodesOneNameEach)
{
    const std::pair<const char*, std::map<int, std::string>> cases[] = {
        {"t\nV1 2 0 12\nR1 2 1 1k\nR2 1 0 1k\nI1 0 1 1m\n", {{1, "1"}, {2, "2"}, {3, "0"}}},
        {"t\nV1 9 0 12\nR1 9 b 1k\nR2 b gnd 1k\n", {{1, "9"}, {2, "b"}, {3, "0"}}},
    };
    for (const auto& [text, expected] : cases) {
        const Netlist netlist = readNetlist(text);
        const int datum = layoutDatum(netlist);
        std::optional<LayoutPlan> spine = planSpineLayout(netlist, datum, 1'000'000);
        ASSERT_TRUE(spine) << text;
        for (LayoutPlan plan : {*spine, planBusLayout(netlist, datum)}) {
            CKirvoltDoc doc;
            drawLayout(netlist, datum, std::move(plan), doc);
            std::map<int, std::string> names;
            for (const auto& c : doc.components) {
                if (c->kindCode == KIND_JOINT) {
                    names.try_emplace(c->startNode, c->label);
                }
            }
            EXPECT_EQ(names, expected) << text;
        }
    }
}

}  // namespace
}  // namespace kirvolt
