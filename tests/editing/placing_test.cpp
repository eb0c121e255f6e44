#include "editor_fixture.h"
#include "editing/element_factory.h"
#include "editing/grid_snap.h"

namespace kirvolt {
namespace {

using testing::EditorTest;

TEST_F(EditorTest, PlacingAResistorAddsStartJointFinishJointThenTheResistor)
{
    place(KIND_RESISTOR, {203, 109});  // snaps to (200, 100)
    ASSERT_EQ(kinds(), (std::vector<int>{KIND_JOINT, KIND_JOINT, KIND_RESISTOR}));
    const CComponent& resistor = *doc.components[2];
    EXPECT_EQ(resistor.position, (Point{200, 100}));
    EXPECT_EQ(resistor.name, "R1");
    EXPECT_EQ(resistor.label, "R1");
    EXPECT_EQ(resistor.displayState, DISPLAY_PLACED);
    EXPECT_EQ(doc.components[0]->position, (Point{140, 100}));
    EXPECT_EQ(doc.components[1]->position, (Point{260, 100}));
    EXPECT_EQ(doc.components[0]->displayState, DISPLAY_GHOST);
    EXPECT_EQ(doc.resistorCount, 2);
    EXPECT_EQ(editor.preview(), nullptr);
    EXPECT_TRUE(doc.IsModified());

    place(KIND_RESISTOR, at(10, 15));
    EXPECT_EQ(doc.components[5]->name, "R2");
}

TEST_F(EditorTest, EachPlacingModeAdvancesOnlyItsOwnCounter)
{
    place(KIND_VOLTAGE_SOURCE, at(5, 5));
    place(KIND_CURRENT_SOURCE, at(15, 5));
    EXPECT_EQ(doc.components[2]->name, "E1");
    EXPECT_EQ(doc.components[5]->name, "J1");
    EXPECT_EQ(doc.voltageSourceCount, 2);
    EXPECT_EQ(doc.currentSourceCount, 2);
    EXPECT_EQ(doc.resistorCount, 1);
    EXPECT_EQ(doc.wireCount, 1);
}

TEST_F(EditorTest, ReleaseWithoutAPreviewPlacesNothing)
{
    doc.mode = KIND_RESISTOR;
    editor.leftRelease(at(5, 5));
    EXPECT_TRUE(doc.components.empty());
    EXPECT_EQ(doc.resistorCount, 1);
}

TEST_F(EditorTest, RightButtonTurnsThePreviewAQuarterAnticlockwise)
{
    doc.mode = KIND_RESISTOR;
    editor.pointerMove(at(10, 10), at(10, 10));
    const int expected[] = {ORIENT_NORTH, ORIENT_WEST, ORIENT_SOUTH, ORIENT_EAST};
    for (int orientation : expected) {
        EXPECT_TRUE(editor.rightRelease(at(10, 10)));
        EXPECT_EQ(doc.orientation, orientation);
        ASSERT_NE(editor.preview(), nullptr);
        EXPECT_EQ(editor.preview()->orientation, orientation);
    }
    editor.rightRelease(at(10, 10));
    EXPECT_EQ(editor.preview()->finishPoint, (Point{200, 140}));  // North: finish above
}

TEST_F(EditorTest, RightButtonInSelectAndWireModesDoesNothing)
{
    for (int mode : {MODE_SELECT, static_cast<int>(KIND_WIRE), MODE_DELETE}) {
        doc.mode = mode;
        EXPECT_FALSE(editor.rightRelease(at(3, 3)));
        EXPECT_EQ(doc.orientation, ORIENT_EAST);
    }
}

TEST_F(EditorTest, AWireReleasedWhereItWasPressedAddsNothing)
{
    doc.mode = KIND_WIRE;
    drag({101, 99}, {104, 95});
    EXPECT_TRUE(doc.components.empty());
    EXPECT_EQ(doc.wireCount, 1);
    EXPECT_FALSE(editor.wireInProgress());
    ASSERT_NE(editor.preview(), nullptr);  // its dot stays until the next paint
    EXPECT_EQ(port.redraws, 0);
}

TEST_F(EditorTest, ADrawnWireAddsTheWireThenAJointAtEachEnd)
{
    doc.mode = KIND_WIRE;
    editor.leftPress({41, 39});
    EXPECT_TRUE(editor.wireInProgress());
    editor.pointerMove({150, 44}, {150, 44});
    EXPECT_EQ(editor.anchorPoint(), (Point{40, 40}));
    EXPECT_EQ(editor.endPoint(), (Point{160, 40}));  // 150 is a tie and rounds up
    editor.leftRelease({181, 38});
    ASSERT_EQ(kinds(), (std::vector<int>{KIND_WIRE, KIND_JOINT, KIND_JOINT}));
    EXPECT_EQ(doc.components[0]->startPoint, (Point{40, 40}));
    EXPECT_EQ(doc.components[0]->finishPoint, (Point{180, 40}));
    EXPECT_EQ(doc.components[0]->name, "W1");
    EXPECT_EQ(doc.components[1]->position, (Point{40, 40}));
    EXPECT_EQ(doc.components[2]->position, (Point{180, 40}));
    EXPECT_EQ(doc.wireCount, 2);
    EXPECT_FALSE(editor.wireInProgress());
}

TEST_F(EditorTest, ReleaseInWireModeWithoutAPressAddsNothing)
{
    doc.mode = KIND_WIRE;
    editor.leftRelease(at(7, 3));
    EXPECT_TRUE(doc.components.empty());
}

TEST(GridSnap, NearestGridPointWithTiesUpward)
{
    struct Case {
        Point logical;
        int gridSize;
        Point snapped;
    };
    const Case cases[] = {
        {{0, 0}, 20, {0, 0}},       {{9, 10}, 20, {0, 20}},      {{29, 30}, 20, {20, 40}},
        {{7, 8}, 15, {0, 15}},      {{149, 150}, 100, {100, 200}}, {{-9, -10}, 20, {0, 0}},
        {{-31, 5000}, 20, {0, 5000}}, {{70000, 3}, 20, {65520, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(snapToGrid(c.logical, c.gridSize), c.snapped) << c.logical.x << "," << c.logical.y;
    }
}

TEST_F(EditorTest, StatusTextComesFromTheWindowPositionNotTheScrolledOne)
{
    doc.mode = MODE_SELECT;
    EXPECT_EQ(editor.pointerMove({1040, 520}, {40, 20}).statusText, "(2,1)");
}

TEST_F(EditorTest, FactoryRefusesModesThatInsertNothing)
{
    doc.mode = MODE_INFO;
    EXPECT_EQ(CreateElementForMode(doc, at(1, 1), at(1, 1), DISPLAY_GHOST), nullptr);
    EXPECT_EQ(port.messages, std::vector<std::string>{"Bad Element Code."});
}

// Escape leaves the placing, wire and joint modes for Select, taking the floating element and
// a wire being drawn with it; other modes stay.
TEST_F(EditorTest, EscapeLeavesPlacingWireAndJointModesForSelect)
{
    for (int mode : {int(KIND_RESISTOR), int(KIND_VOLTAGE_SOURCE), int(KIND_CURRENT_SOURCE), int(KIND_WIRE),
                     int(KIND_JOINT)}) {
        doc.mode = mode;
        editor.pointerMove(at(5, 5), at(5, 5));
        editor.leftPress(at(5, 5));
        editor.pointerMove(at(12, 5), at(12, 5));
        EXPECT_TRUE(editor.escape()) << mode;
        EXPECT_EQ(doc.mode, MODE_SELECT) << mode;
        EXPECT_EQ(editor.preview(), nullptr) << mode;
        EXPECT_FALSE(editor.wireInProgress()) << mode;
        editor.leftRelease(at(12, 5));
        EXPECT_TRUE(doc.components.empty()) << mode;
    }
    for (int mode : {MODE_SELECT, MODE_INFO, MODE_DELETE, MODE_MOVE, MODE_EDIT, setDatumMode, nodeEquationMode}) {
        doc.mode = mode;
        EXPECT_FALSE(editor.escape()) << mode;
        EXPECT_EQ(doc.mode, mode);
    }
}

}  // namespace
}  // namespace kirvolt
