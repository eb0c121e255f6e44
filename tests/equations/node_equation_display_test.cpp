#include <gtest/gtest.h>

#include "analysis/node_names.h"
#include "equations/node_equation_display.h"
#include "support/node_circuit.h"
#include "support/scripted_port.h"

namespace kirvolt {
namespace {

using testing::NodeCircuit;
using testing::ScriptedPort;
using Marks = std::vector<std::string>;

Colour normalColour(const CComponent& c)
{
    if (c.kindCode == KIND_JOINT) {
        return COLOUR_JOINT;
    }
    return isWireKind(c.kindCode) ? COLOUR_WIRE : COLOUR_COMPONENT;
}

// What the highlight marks, in list order: "R2 red", "R1 arrow 0"; and any record that has left
// its own colour or arrow, which the display must never touch.
Marks marked(const CKirvoltDoc& doc, const Highlight& highlight = {})
{
    Marks marks;
    for (const auto& c : doc.components) {
        const std::string name = c->kindCode == KIND_JOINT ? "joint " + c->label : c->label;
        if (highlight.isRed(*c)) {
            marks.push_back(name + " red");
        }
        if (c->colour != normalColour(*c) || c->arrowDirection != ARROW_NONE) {
            marks.push_back(name + " record changed");
        }
        if (const int arrow = highlight.arrowOf(*c); arrow != ARROW_NONE) {
            marks.push_back(name + " arrow " + std::to_string(arrow));
        }
    }
    return marks;
}

// Node 1 the datum; node 2 ordinary; nodes 3 and 4 a macro node through E1 without the datum
// node, with R4 and J2 inside it; node 5 tied to the datum by E2. Joint k stands at (100k, 0);
// wire Wk lies at node k.
class ShowNodeEquationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        NodeCircuit circuit(doc, 5);
        circuit.resistor(2, 1, 2, "R1");
        circuit.resistor(2, 3, 4, "R2");
        circuit.currentSource(1, 2, 3, "J1");
        circuit.voltageSource(4, 3, 5, "E1");
        circuit.resistor(4, 1, 8, "R3");
        circuit.resistor(3, 4, 10, "R4");
        circuit.currentSource(3, 4, 1, "J2");
        circuit.voltageSource(5, 1, 12, "E2");
        circuit.resistor(5, 2, 5, "R5");
        for (int node = 1; node <= 5; ++node) {
            circuit.wire(node);
        }
        circuit.number(1);
        doc.setPort(&port);
    }

    // A click as the editor makes it: the steps found, shown through the port.
    void click(Point point)
    {
        presentNodeEquations(port, showNodeEquations(doc, point));
        for (const auto& event : port.events) {
            if (event.kind == ScriptedPort::Event::Message) {
                marksDuringMessage = marked(doc, event.highlight);
            } else if (event.kind == ScriptedPort::Event::Dialog) {
                marksDuringDialog = marked(doc, event.highlight);
            }
        }
    }
    void click(int node) { click(Point{100 * node, 0}); }

    std::vector<ScriptedPort::Event::Kind> userEvents() const
    {
        std::vector<ScriptedPort::Event::Kind> kinds;
        for (const auto& event : port.events) {
            if (event.kind != ScriptedPort::Event::Redraw) {
                kinds.push_back(event.kind);
            }
        }
        return kinds;
    }

    std::array<std::string, 5> storedLines(int node) const
    {
        const auto& row = doc.equationText[static_cast<std::size_t>(node)];
        return {row[1], row[2], row[3], row[4], row[5]};
    }

    CKirvoltDoc doc;
    ScriptedPort port;
    Marks marksDuringMessage;
    Marks marksDuringDialog;
};

TEST_F(ShowNodeEquationsTest, ClickBesideOrOnAnotherElementOnlyWritesTheEquations)
{
    for (Point point : {Point{150, 0}, Point{0, 200}, Point{10, 300}}) {
        click(point);
        EXPECT_TRUE(userEvents().empty());
        EXPECT_EQ(marked(doc), Marks{});
    }
    ASSERT_EQ(doc.equationText.size(), 6u);
    EXPECT_EQ(doc.equationText[2][6], "V2 =   0.00 Volt.");
    EXPECT_EQ(doc.equationText[1][2], "V1 = 0 Volt.");
}

TEST_F(ShowNodeEquationsTest, DatumNodeShowsOnlyItsMessage)
{
    click(1);
    ASSERT_EQ(port.messages(), std::vector<std::string>{"Node 1 is the chosen Datum Node,\n the voltage at this node is "
                                                        "taken as zero."});
    EXPECT_TRUE(port.dialogs().empty());
    EXPECT_EQ(marksDuringMessage, Marks{});
    EXPECT_EQ(marked(doc), Marks{});
}

TEST_F(ShowNodeEquationsTest, OrdinaryNodeMarksItsJointsWiresAndBranchArrows)
{
    click(2);
    EXPECT_EQ(userEvents(), std::vector{ScriptedPort::Event::Dialog});
    EXPECT_EQ(marksDuringDialog, (Marks{"joint 2 red", "R1 arrow 0", "R2 arrow 0", "J1 arrow 0", "R5 arrow 2", "W2 red"}));
    const NodeEquationTexts texts = port.dialogs().front();
    EXPECT_EQ(texts.nodeName, "2");
    EXPECT_EQ(texts.datumNodeName, "1");
    EXPECT_EQ(texts.lines[0],
              "Sum of flow-out currents via Resistors R1, R2, R5    =    Flow-in current from Current Source J1.");
    EXPECT_EQ(texts.lines, storedLines(2));
    EXPECT_EQ(marked(doc), Marks{});
}

TEST_F(ShowNodeEquationsTest, NodeTiedToTheDatumShowsItsSourcePath)
{
    click(5);
    EXPECT_EQ(userEvents(), std::vector{ScriptedPort::Event::Dialog});
    EXPECT_EQ(marksDuringDialog, (Marks{"E2 red", "W1 red", "W5 red"}));
    const NodeEquationTexts texts = port.dialogs().front();
    EXPECT_EQ(texts.nodeName, "5");
    EXPECT_EQ(texts.lines, (std::array<std::string, 5>{
                               "This node is directly connected to the datum node via the Voltage Source  E2.",
                               "V5  =  E2 ", "V5  =  E2 ", "V5  =  12.00V ", "V5  =  12.00V "}));
    EXPECT_EQ(marked(doc), Marks{});
}

TEST_F(ShowNodeEquationsTest, FirstMacroNodeExplainsThenShowsTheCombinedEquation)
{
    click(3);
    EXPECT_EQ(userEvents(), (std::vector{ScriptedPort::Event::Message, ScriptedPort::Event::Dialog}));
    EXPECT_EQ(port.messages().front(), macroNodeExplanation);
    const Marks macroNodeMarks{"R2 arrow 2", "E1 red", "R3 arrow 0", "R4 red", "J2 red", "W3 red", "W4 red"};
    EXPECT_EQ(marksDuringMessage, macroNodeMarks);
    EXPECT_EQ(marksDuringDialog, macroNodeMarks);
    const NodeEquationTexts texts = port.dialogs().front();
    EXPECT_EQ(texts.nodeName, "3");
    EXPECT_EQ(texts.lines, (std::array<std::string, 5>{
                               "Nodes 3 and 4 form a macro node through the Voltage Source E1.",
                               " ( V3 -  V2 ) * ( 1/R2  ) + ( V4 - 0 ) * ( 1/R3  )   =   ( - J2 ) + J2 ",
                               "(  1/R2  ) * V3 + (  1/R3  ) * V4  - (1/R2  ) * V2   =   ( -J2 ) + J2 ",
                               "(  1/4.00  ) * V3 + (  1/8.00  ) * V4  - (1/4.00  ) * V2   =   ( -1.00 ) + 1.00 ",
                               "(  0.2500 ) * V3 + (  0.1250 ) * V4  - ( 0.2500 ) * V2   =  0.00"}));
    EXPECT_EQ(marked(doc), Marks{});
}

TEST_F(ShowNodeEquationsTest, OtherMacroNodeMemberShowsItsRelationWithoutExplanation)
{
    click(4);
    EXPECT_EQ(userEvents(), std::vector{ScriptedPort::Event::Dialog});
    EXPECT_EQ(marksDuringDialog, (Marks{"E1 red", "W3 red", "W4 red"}));
    EXPECT_EQ(port.dialogs().front().lines,
              (std::array<std::string, 5>{"This node is connected to the first macro node via the Voltage Source  E1.",
                                          "V4  =  E1  +  V3", "V4  =  E1  +  V3", "V4  =  5.00  +  V3",
                                          "V4  =  5.00  +  V3"}));
    EXPECT_EQ(marked(doc), Marks{});
}

TEST_F(ShowNodeEquationsTest, RepeatedClicksLeaveNothingBehind)
{
    for (int node : {2, 3, 4, 5, 1, 2}) {
        click(node);
        EXPECT_EQ(marked(doc), Marks{}) << "after node " << node;
    }
    EXPECT_EQ(port.dialogs().size(), 5u);
}

// A joint placed since the analysis belongs to no numbered node: nothing to show.
TEST_F(ShowNodeEquationsTest, JointWithoutNodeShowsNothing)
{
    doc.AddComponent(std::make_unique<CNode>(Point{700, 0}, 0, DISPLAY_PLACED, doc.gridSize, STYLE_EUROPEAN));
    click(Point{700, 0});
    EXPECT_TRUE(userEvents().empty());
    EXPECT_EQ(marked(doc), Marks{});
}

}  // namespace
}  // namespace kirvolt
