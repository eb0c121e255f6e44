#include <algorithm>

#include "analysis/nodal_solver.h"
#include "analysis/results_text.h"
#include "document/circuit_file.h"
#include "editor_fixture.h"
#include "support/circuit_builder.h"

namespace kirvolt {
namespace {

using testing::EditorTest;

TEST_F(EditorTest, AJointSplitsAWireOnlyAtAComponentTerminal)
{
    testing::CircuitBuilder build(doc);
    build.wire(5, 2, 5, 12);               // vertical wire through (5, 7) and (5, 9)
    build.resistor(8, 7, ORIENT_EAST, 10);  // terminals (5, 7) and (11, 7)
    doc.wireCount = 4;
    place(KIND_JOINT, at(5, 9));
    ASSERT_EQ(kinds(), (std::vector<int>{KIND_WIRE, KIND_RESISTOR}));

    place(KIND_JOINT, {103, 137});  // snaps to (100, 140): grid (5, 7)
    ASSERT_EQ(kinds(), (std::vector<int>{KIND_RESISTOR, KIND_WIRE, KIND_WIRE}));
    EXPECT_EQ(doc.components[1]->startPoint, at(5, 2));
    EXPECT_EQ(doc.components[1]->finishPoint, at(5, 7));
    EXPECT_EQ(doc.components[2]->startPoint, at(5, 7));
    EXPECT_EQ(doc.components[2]->finishPoint, at(5, 12));
    EXPECT_EQ(doc.components[1]->name, "W4");
    EXPECT_EQ(doc.components[2]->name, "W4");
    EXPECT_EQ(doc.wireCount, 4);
}

TEST_F(EditorTest, AJointNeverSplitsASlantedWireItDoesNotLieOn)
{
    testing::CircuitBuilder build(doc);
    build.wire(5, 2, 9, 12);
    build.resistor(8, 7, ORIENT_EAST, 10);  // terminal (5, 7) shares the wire start's column
    place(KIND_JOINT, at(5, 7));
    EXPECT_EQ(kinds(), (std::vector<int>{KIND_WIRE, KIND_RESISTOR}));
}

TEST_F(EditorTest, MovingKeepsNameAndValueAndClearsTheOldPlace)
{
    place(KIND_RESISTOR, at(10, 5));
    place(KIND_RESISTOR, at(20, 5));
    doc.components[2]->value = 47;
    doc.components[2]->label = "Load";
    const int counters = doc.resistorCount;

    place(MODE_MOVE, at(20, 20));  // a click on nothing
    editor.leftPress(at(10, 5));
    EXPECT_EQ(doc.mode, KIND_RESISTOR);
    EXPECT_TRUE(editor.movePending());
    EXPECT_EQ(kinds(), (std::vector<int>{KIND_JOINT, KIND_JOINT, KIND_JOINT, KIND_JOINT, KIND_RESISTOR}));
    editor.leftRelease(at(10, 5));
    editor.pointerMove(at(10, 15), at(10, 15));
    editor.leftRelease(at(10, 15));

    EXPECT_EQ(doc.mode, MODE_MOVE);
    EXPECT_FALSE(editor.movePending());
    EXPECT_EQ(doc.resistorCount, counters);
    // The joints of the old place went with it; those of R2 and the new place stay.
    ASSERT_EQ(kinds(), (std::vector<int>{KIND_JOINT, KIND_JOINT, KIND_RESISTOR, KIND_JOINT, KIND_JOINT,
                                         KIND_RESISTOR}));
    const CComponent& moved = *doc.components[5];
    EXPECT_EQ(moved.position, at(10, 15));
    EXPECT_EQ(moved.name, "R1");
    EXPECT_EQ(moved.label, "R1");
    EXPECT_EQ(moved.value, 47);
}

// However the record came to be, a current source's current is its value.
TEST_F(EditorTest, AMovedCurrentSourceStillDrivesItsValue)
{
    place(KIND_CURRENT_SOURCE, at(10, 8));
    doc.mode = MODE_EDIT;
    dialogs.componentAnswer = NameAndValue{"J1", 2.0};
    click(at(10, 8));
    place(MODE_MOVE, at(30, 30));
    editor.leftPress(at(10, 8));
    editor.pointerMove(at(10, 12), at(10, 12));
    editor.leftPress(at(10, 12));
    editor.leftRelease(at(10, 12));
    const auto source = [this]() -> const CComponent& {
        return **std::find_if(doc.components.begin(), doc.components.end(),
                              [](const auto& c) { return c->kindCode == KIND_CURRENT_SOURCE; });
    };
    ASSERT_EQ(source().kindCode, KIND_CURRENT_SOURCE);
    ASSERT_EQ(source().position, at(10, 12));
    EXPECT_EQ(source().current, 2.0);

    CKirvoltDoc reloaded;
    ASSERT_TRUE(readCircuitBytes(circuitBytes(doc), reloaded).ok);
    EXPECT_EQ(reloaded.components.back()->current, 2.0);

    // Terminals (7, 12) and (13, 12), closed by a resistor below.
    testing::CircuitBuilder(doc).resistor(10, 16, ORIENT_EAST, 5);
    testing::CircuitBuilder(doc).wire(7, 12, 7, 16);
    testing::CircuitBuilder(doc).wire(13, 12, 13, 16);
    ASSERT_TRUE(runNodalAnalysis(doc)) << port.messages.back();
    EXPECT_EQ(source().current, 2.0);
    bool listed = false;
    for (const ResultsLine& line : buildResultsText(doc)) {
        // The p.d. and current line, not the power line after it.
        const bool currentLine = line.plainText().find("J1:  V") != std::string::npos;
        listed = listed || currentLine;
        if (currentLine) {
            EXPECT_NE(line.plainText().find("= 2.00 A."), std::string::npos) << line.plainText();
        }
    }
    EXPECT_TRUE(listed);
}

TEST_F(EditorTest, MovingRemovesOnlyTheWiresLeftLoose)
{
    testing::CircuitBuilder build(doc);
    build.resistor(10, 5, ORIENT_EAST, 1);     // terminals (7, 5) and (13, 5)
    build.wire(13, 5, 13, 9);                   // from R1's finish, loose once R1 leaves
    build.wire(7, 5, 7, 9);                     // from R1's start to R2's start
    build.resistor(10, 9, ORIENT_WEST, 1);     // terminals (13, 9) and (7, 9)
    doc.mode = MODE_MOVE;
    editor.leftPress(at(10, 5));
    editor.pointerMove(at(30, 30), at(30, 30));
    editor.leftRelease(at(30, 30));
    // Both wires still touch R2, so neither is loose; the new place adds two joints and R1.
    EXPECT_EQ(kinds(), (std::vector<int>{KIND_WIRE, KIND_WIRE, KIND_RESISTOR, KIND_JOINT, KIND_JOINT,
                                         KIND_RESISTOR}));

    doc.components.erase(doc.components.begin() + 2);  // take R2 away: both wires float free
    doc.mode = MODE_MOVE;
    editor.leftPress(at(30, 30));
    editor.pointerMove(at(30, 20), at(30, 20));
    editor.leftRelease(at(30, 20));
    EXPECT_EQ(kinds(), (std::vector<int>{KIND_JOINT, KIND_JOINT, KIND_RESISTOR}));
}

TEST_F(EditorTest, AnAbandonedMovePutsTheElementBack)
{
    place(KIND_VOLTAGE_SOURCE, at(10, 5));
    place(KIND_RESISTOR, at(10, 12));
    CComponent* source = doc.components[2].get();
    source->label = "Battery";
    source->value = 9;
    doc.orientation = ORIENT_SOUTH;
    source->orientation = ORIENT_WEST;

    doc.mode = MODE_MOVE;
    editor.leftPress(at(10, 5));
    editor.leftRelease(at(10, 5));
    editor.pointerMove(at(15, 15), at(15, 15));
    EXPECT_TRUE(editor.movePending());
    EXPECT_EQ(doc.orientation, ORIENT_WEST);
    ASSERT_NE(editor.preview(), nullptr);
    EXPECT_EQ(editor.preview()->name, "E1");

    editor.cancelPendingMove();
    EXPECT_FALSE(editor.movePending());
    EXPECT_EQ(editor.preview(), nullptr);
    ASSERT_EQ(doc.components.size(), 6u);
    EXPECT_EQ(doc.components[2].get(), source);
    EXPECT_EQ(source->label, "Battery");
    EXPECT_EQ(source->name, "E1");
    EXPECT_EQ(source->value, 9);
    EXPECT_EQ(source->position, at(10, 5));
    EXPECT_FALSE(editor.movePending());
    EXPECT_EQ(doc.mode, MODE_MOVE);
    EXPECT_EQ(doc.orientation, ORIENT_SOUTH);

    place(KIND_RESISTOR, at(30, 5));  // the next element takes a fresh name again
    EXPECT_EQ(doc.components.back()->name, "R2");
}

TEST_F(EditorTest, AMoveAbandonedAfterZoomingComesBackAtTheNewScale)
{
    place(KIND_RESISTOR, at(10, 5));
    doc.mode = MODE_MOVE;
    editor.leftPress(at(10, 5));
    doc.gridSize = 40;
    doc.rescaleToGrid();
    editor.cancelPendingMove();
    EXPECT_EQ(doc.components[2]->position, (Point{400, 200}));
}

TEST_F(EditorTest, AStraightWireCannotBePickedUp)
{
    testing::CircuitBuilder build(doc);
    build.wire(2, 2, 2, 8);
    doc.mode = MODE_MOVE;
    editor.leftPress(at(2, 5));
    EXPECT_EQ(doc.mode, MODE_MOVE);
    EXPECT_EQ(doc.components.size(), 1u);
    EXPECT_FALSE(editor.movePending());
}

TEST_F(EditorTest, DeleteRemovesOnlyTheElementHit)
{
    place(KIND_RESISTOR, at(10, 5));
    doc.SetModifiedFlag(false);
    place(MODE_DELETE, at(10, 5));
    EXPECT_EQ(kinds(), (std::vector<int>{KIND_JOINT, KIND_JOINT}));
    EXPECT_TRUE(doc.IsModified());
    place(MODE_DELETE, at(40, 40));
    EXPECT_EQ(doc.components.size(), 2u);
}

TEST_F(EditorTest, ClicksInNameModeChangeNothing)
{
    place(KIND_RESISTOR, at(10, 5));
    doc.SetModifiedFlag(false);
    place(MODE_NAME, at(10, 5));
    EXPECT_EQ(doc.components.size(), 3u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(dialogs.edited.empty());
}

TEST_F(EditorTest, CursorShowsWhatAClickWouldDo)
{
    testing::CircuitBuilder build(doc);
    build.resistor(10, 5, ORIENT_EAST, 1);
    build.joint(20, 5);
    build.wire(2, 2, 2, 8);
    doc.AddComponent(std::make_unique<CVoltmeter>(1, at(30, 5), ORIENT_EAST, COLOUR_METER, DISPLAY_PLACED, 20, STYLE_EUROPEAN));
    using C = EditorCursor;
    struct Case {
        int mode;
        C overResistor, overJoint, overWire, overMeter;
    };
    const Case cases[] = {
        {MODE_SELECT, C::CursorDefault, C::CursorDefault, C::CursorDefault, C::CursorDefault},
        {MODE_INFO, C::CursorInfo, C::CursorInfo, C::CursorDefault, C::CursorInfo},
        {MODE_DELETE, C::CursorDelete, C::CursorDelete, C::CursorDelete, C::CursorDelete},
        {MODE_MOVE, C::CursorMove, C::CursorMove, C::CursorDefault, C::CursorMove},
        {MODE_EDIT, C::CursorEdit, C::CursorEdit, C::CursorDefault, C::CursorDefault},
        {setDatumMode, C::CursorDefault, C::CursorDatum, C::CursorDefault, C::CursorDefault},
        {nodeEquationMode, C::CursorDefault, C::CursorInfo, C::CursorDefault, C::CursorDefault},
        {KIND_WIRE, C::CursorDefault, C::CursorPlace, C::CursorDefault, C::CursorDefault},
        {MODE_NAME, C::CursorDefault, C::CursorDefault, C::CursorDefault, C::CursorDefault},
    };
    for (const Case& c : cases) {
        doc.mode = c.mode;
        EXPECT_EQ(editor.pointerMove(at(10, 5), {}).cursor, c.overResistor) << c.mode;
        EXPECT_EQ(editor.pointerMove(at(20, 5), {}).cursor, c.overJoint) << c.mode;
        EXPECT_EQ(editor.pointerMove(at(2, 5), {}).cursor, c.overWire) << c.mode;
        EXPECT_EQ(editor.pointerMove(at(30, 5), {}).cursor, c.overMeter) << c.mode;
    }
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(EditorTest, AnUnknownModeAsksTheUserToLeaveTheWindow)
{
    doc.mode = 211;
    editor.pointerMove(at(1, 1), at(1, 1));
    EXPECT_EQ(port.messages,
              std::vector<std::string>{"Kirvolt default procedure for MouseMove is called, move cursor out of "
                                       "client area and press [Enter]."});
}

}  // namespace
}  // namespace kirvolt
