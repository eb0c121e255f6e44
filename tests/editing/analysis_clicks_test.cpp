#include "analysis/nodal_solver.h"
#include "analysis/node_extraction.h"
#include "analysis/node_names.h"
#include "editing/command_ids.h"
#include "editing/document_commands.h"
#include "document/hit_test.h"
#include "editor_fixture.h"
#include "support/circuit_builder.h"

namespace kirvolt {
namespace {

// A 10 V source feeding two 100 ohm resistors in series:
//   (2,2) --R1-- (8,2)
//     |E1          |R2
//   (2,8) ------ (8,8)
class DividerTest : public testing::EditorTest {
protected:
    DividerTest()
    {
        testing::CircuitBuilder build(doc);
        build.voltageSource(2, 5, ORIENT_NORTH, 10);
        build.resistor(5, 2, ORIENT_EAST, 100);
        build.resistor(8, 5, ORIENT_SOUTH, 100);
        build.wire(2, 8, 8, 8);
    }

    const CComponent* jointAt(Point p) const
    {
        for (const auto& element : doc.components) {
            if (element->kindCode == KIND_JOINT && element->position == p) {
                return element.get();
            }
        }
        return nullptr;
    }
};

TEST_F(DividerTest, ADatumClickMarksEveryJointOfThatNode)
{
    buildNodes(doc);
    const int bottom = jointAt(at(8, 8))->startNode;
    place(setDatumMode, at(8, 8));
    EXPECT_EQ(doc.datumNode, bottom);
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_JOINT) {
            EXPECT_EQ(element->datumMark, element->startNode == bottom ? 1 : 0) << element->label;
        }
    }
    place(setDatumMode, at(5, 2));  // a resistor, not a joint
    EXPECT_EQ(doc.datumNode, bottom);
}

// The datum is stored with the circuit, so choosing another one changes the circuit and leaves
// the results of the last analysis behind it; choosing the same one changes nothing.
TEST_F(DividerTest, ChoosingAnotherDatumIsAChangeOfTheCircuit)
{
    ASSERT_TRUE(runNodalAnalysis(doc));
    doc.SetModifiedFlag(false);
    const std::uint64_t analysed = doc.revision();
    ASSERT_TRUE(doc.resultsAreCurrent());
    place(setDatumMode, jointAt(at(8, 8))->startNode == doc.datumNode ? at(8, 2) : at(8, 8));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_NE(doc.revision(), analysed);
    EXPECT_FALSE(doc.resultsAreCurrent());
    doc.returnToRevision(analysed);
    EXPECT_TRUE(doc.resultsAreCurrent());

    doc.SetModifiedFlag(false);
    const std::uint64_t chosen = doc.revision();
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_JOINT && element->startNode == doc.datumNode) {
            place(setDatumMode, element->position);
            break;
        }
    }
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.revision(), chosen);
}

TEST_F(DividerTest, ANodeEquationClickShowsTheNodeAndPutsEveryColourBack)
{
    runDocumentCommand(doc, ID_ANALYSE_NODE_VOLTAGE);
    ASSERT_TRUE(doc.resultsAreCurrent());
    ASSERT_EQ(doc.mode, nodeEquationMode);
    const CComponent* middle = jointAt(at(8, 2));
    ASSERT_NE(middle, nullptr);
    click(at(5, 5));  // beside every element
    EXPECT_TRUE(port.dialogs.empty());
    click({middle->position.x + 3, middle->position.y - 4});
    ASSERT_EQ(port.dialogs.size(), 1u);
    EXPECT_EQ(port.dialogs[0].nodeName, middle->label);
    EXPECT_FALSE(port.dialogs[0].lines[1].empty());
    for (const auto& element : doc.components) {
        EXPECT_EQ(element->arrowDirection, ARROW_NONE);
        const Colour normal = element->kindCode == KIND_JOINT  ? COLOUR_JOINT
                              : element->kindCode == KIND_WIRE ? COLOUR_WIRE
                                                               : COLOUR_COMPONENT;
        EXPECT_EQ(element->colour, normal);
    }
}

// Node extraction appends joints after the wires, so the wire's box covers the joint at its
// left end; a click on that dot still means the joint.
TEST_F(DividerTest, ClicksOnTheDotAtAWireEndReachTheJoint)
{
    doc.datumNode = 2;
    runDocumentCommand(doc, ID_ANALYSE_NODE_VOLTAGE);
    ASSERT_TRUE(doc.resultsAreCurrent());
    const CComponent* corner = jointAt(at(2, 8));
    ASSERT_NE(corner, nullptr);
    ASSERT_NE(corner->startNode, doc.datumNode);
    ASSERT_EQ(HitTest(doc, corner->position)->kindCode, KIND_WIRE);

    EXPECT_EQ(editor.pointerMove(corner->position, corner->position).cursor, EditorCursor::CursorInfo);
    click(corner->position);
    ASSERT_EQ(port.dialogs.size(), 1u);
    EXPECT_EQ(port.dialogs[0].nodeName, corner->label);

    place(setDatumMode, corner->position);
    EXPECT_EQ(doc.datumNode, corner->startNode);

    doc.mode = MODE_EDIT;
    dialogs.nodeAnswer = "gnd";
    click(corner->position);
    ASSERT_EQ(dialogs.renamed.size(), 1u);
    EXPECT_EQ(corner->label, "gnd");
}

}  // namespace
}  // namespace kirvolt
