#include <gtest/gtest.h>

#include "document/component.h"

namespace kirvolt {
namespace {

class ComponentTest : public ::testing::Test {
protected:
};

TEST_F(ComponentTest, ResistorFacingNorthHasItsTerminalsAndHitRect)
{
    const CResistor r(1, {200, 100}, ORIENT_NORTH, COLOUR_COMPONENT, DISPLAY_PLACED, 20, STYLE_EUROPEAN);
    EXPECT_EQ(r.name, "R1");
    EXPECT_EQ(r.label, "R1");
    EXPECT_EQ(r.startPoint, (Point{200, 160}));
    EXPECT_EQ(r.finishPoint, (Point{200, 40}));
    EXPECT_EQ(r.gridStart, (Point{10, 8}));
    EXPECT_EQ(r.gridFinish, (Point{10, 2}));
    EXPECT_EQ(r.hitRect, (Rect{180, 80, 220, 120}));
    EXPECT_EQ(r.arrowDirection, ARROW_NONE);
    EXPECT_EQ(r.kindCode, KIND_RESISTOR);
    EXPECT_EQ(r.connectorFlag, 0);
    EXPECT_EQ(r.resistorStyle, STYLE_EUROPEAN);
    EXPECT_EQ(r.value, 0.0);
}

struct TerminalCase {
    int orientation;
    Point resistorStart, resistorFinish;
};

TEST_F(ComponentTest, TerminalsInEveryOrientation)
{
    const TerminalCase cases[] = {
        {ORIENT_EAST, {140, 100}, {260, 100}},
        {ORIENT_NORTH, {200, 160}, {200, 40}},
        {ORIENT_WEST, {260, 100}, {140, 100}},
        {ORIENT_SOUTH, {200, 40}, {200, 160}},
    };
    for (const auto& c : cases) {
        const CResistor r(1, {200, 100}, c.orientation, COLOUR_COMPONENT, DISPLAY_PLACED, 20, STYLE_EUROPEAN);
        const CCurrentSource j(1, {200, 100}, c.orientation, COLOUR_COMPONENT, DISPLAY_PLACED, 20, STYLE_EUROPEAN);
        const CVoltageSource e(1, {200, 100}, c.orientation, COLOUR_COMPONENT, DISPLAY_PLACED, 20, STYLE_EUROPEAN);
        EXPECT_EQ(r.startPoint, c.resistorStart) << c.orientation;
        EXPECT_EQ(r.finishPoint, c.resistorFinish) << c.orientation;
        EXPECT_EQ(j.startPoint, c.resistorStart) << c.orientation;
        // A voltage source's positive start terminal lies on the side its orientation names.
        EXPECT_EQ(e.startPoint, c.resistorFinish) << c.orientation;
        EXPECT_EQ(e.finishPoint, c.resistorStart) << c.orientation;
    }
}

TEST_F(ComponentTest, DefaultNamesFromCounters)
{
    EXPECT_EQ(CVoltageSource(1, {0, 0}, 0, COLOUR_COMPONENT, DISPLAY_PLACED, 20, STYLE_EUROPEAN).name, "E1");
    EXPECT_EQ(CCurrentSource(1, {0, 0}, 0, COLOUR_COMPONENT, DISPLAY_PLACED, 20, STYLE_EUROPEAN).name, "J1");
    EXPECT_EQ(CVoltmeter(2, {0, 0}, 0, COLOUR_METER, DISPLAY_PLACED, 20, STYLE_EUROPEAN).name, "Vm2");
    EXPECT_EQ(CAmmeter(3, {0, 0}, 0, COLOUR_METER, DISPLAY_PLACED, 20, STYLE_EUROPEAN).name, "Am3");
    EXPECT_EQ(CResistor(-4, {0, 0}, 0, COLOUR_COMPONENT, DISPLAY_PLACED, 20, STYLE_EUROPEAN).name, "R-4");
    EXPECT_EQ(CWire(1, {0, 0}, {40, 0}, COLOUR_WIRE, KIND_WIRE, 20, STYLE_EUROPEAN).name, "W1");
    const CNode joint({40, 60}, 0, DISPLAY_PLACED, 20, STYLE_EUROPEAN);
    EXPECT_EQ(joint.name, "");
    EXPECT_EQ(joint.label, "0");
    EXPECT_EQ(joint.hitRect, (Rect{30, 50, 50, 70}));
    EXPECT_EQ(joint.connectorFlag, 1);
    EXPECT_EQ(joint.colour, COLOUR_JOINT);
}

TEST_F(ComponentTest, TurningWiresHaveTheirCornerAsPosition)
{
    EXPECT_EQ(CWire(1, {40, 40}, {100, 80}, COLOUR_WIRE, KIND_WIRE_TURN_HV, 20, STYLE_EUROPEAN).position, (Point{100, 40}));
    EXPECT_EQ(CWire(1, {40, 40}, {100, 80}, COLOUR_WIRE, KIND_WIRE_TURN_VH, 20, STYLE_EUROPEAN).position, (Point{40, 80}));
    const CWire straight(1, {40, 40}, {100, 80}, COLOUR_WIRE, KIND_WIRE, 20, STYLE_EUROPEAN);
    EXPECT_EQ(straight.position, (Point{40, 40}));
    EXPECT_EQ(straight.gridFinish, (Point{5, 4}));
}

TEST_F(ComponentTest, NegativeCoordinatesDivideTowardZero)
{
    const CResistor r(1, {-30, 50}, ORIENT_EAST, COLOUR_COMPONENT, DISPLAY_PLACED, 20, STYLE_EUROPEAN);
    EXPECT_EQ(r.gridPosition, (Point{-1, 2}));
}

TEST_F(ComponentTest, MovedElementTakesTheMovedNameAndValue)
{
    CCurrentSource j(2, {0, 0}, ORIENT_EAST, COLOUR_COMPONENT, DISPLAY_PLACED, 20, STYLE_EUROPEAN);
    j.label = "Supply";
    j.takeMovedIdentity("J7", 33.0);
    EXPECT_EQ(j.name, "J7");
    EXPECT_EQ(j.label, "J7");
    EXPECT_EQ(j.value, 33.0);
    EXPECT_EQ(j.current, 33.0);
    CWire w(2, {0, 0}, {20, 0}, COLOUR_WIRE, KIND_WIRE, 20, STYLE_EUROPEAN);
    w.takeMovedIdentity("J7", 33.0);
    EXPECT_EQ(w.name, "J7");
    EXPECT_EQ(w.value, 0.0);
}

TEST_F(ComponentTest, ConstructionTakesTheStyleItIsGiven)
{
    EXPECT_EQ(CResistor(1, {0, 0}, 0, COLOUR_COMPONENT, DISPLAY_PLACED, 20, STYLE_US).resistorStyle, STYLE_US);
    EXPECT_EQ(CNode({0, 0}, 0, DISPLAY_PLACED, 20, STYLE_US).resistorStyle, STYLE_US);
}

TEST_F(ComponentTest, EmptyRecordsByClassName)
{
    for (const char* name : {"CComponent", "CResistor", "CVoltageSource", "CCurrentSource", "CVoltmeter",
                             "CAmmeter", "CNode", "CWire"}) {
        const auto record = createComponentByName(name);
        ASSERT_NE(record, nullptr) << name;
        EXPECT_STREQ(record->className(), name);
        EXPECT_EQ(record->branchIndex, 0);
    }
    EXPECT_EQ(createComponentByName("CKirvoltDoc"), nullptr);
}

}  // namespace
}  // namespace kirvolt
