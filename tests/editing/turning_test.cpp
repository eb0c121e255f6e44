#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "document/circuit_file.h"
#include "editor_fixture.h"
#include "support/circuit_builder.h"

namespace kirvolt::testing {
namespace {

class Turning : public EditorTest {
protected:
    void select(const std::vector<CComponent*>& records)
    {
        doc.mode = MODE_SELECT;
        editor.clearSelection();
        for (const CComponent* record : records) {
            editor.leftPress(record->position, true);
            editor.leftRelease(record->position);
        }
    }
    std::vector<std::uint8_t> bytes() { return circuitBytes(doc); }
};

// Each kind facing each way turns about its own centre into the direction it would have been
// placed facing; a mirrored source faces the other way.
TEST_F(Turning, AnElementTurnsIntoTheDirectionItWouldBePlacedFacing)
{
    const struct {
        Turn turn;
        int from;
        int to;
    } cases[] = {
        {Turn::Rotate, ORIENT_EAST, ORIENT_NORTH}, {Turn::Rotate, ORIENT_NORTH, ORIENT_WEST},
        {Turn::Rotate, ORIENT_WEST, ORIENT_SOUTH}, {Turn::Rotate, ORIENT_SOUTH, ORIENT_EAST},
        {Turn::Mirror, ORIENT_EAST, ORIENT_WEST},  {Turn::Mirror, ORIENT_WEST, ORIENT_EAST},
        {Turn::Mirror, ORIENT_NORTH, ORIENT_NORTH}, {Turn::Mirror, ORIENT_SOUTH, ORIENT_SOUTH},
    };
    for (const int kind : {KIND_RESISTOR, KIND_VOLTAGE_SOURCE, KIND_CURRENT_SOURCE}) {
        for (const auto& c : cases) {
            doc.components.clear();
            CComponent& element = CircuitBuilder(doc).element(kind, {20, 20}, c.from, 5);
            select({&element});
            ASSERT_TRUE(editor.turn(c.turn));
            CComponent expected = element;
            expected.orientation = c.to;
            expected.deriveTerminals(20);
            EXPECT_EQ(element.orientation, c.to) << kind;
            EXPECT_EQ(element.position, (Point{400, 400})) << kind;
            EXPECT_EQ(element.startPoint, expected.startPoint) << kind << " " << c.from;
            EXPECT_EQ(element.finishPoint, expected.finishPoint) << kind << " " << c.from;
            EXPECT_EQ(element.gridStart, expected.gridStart) << kind << " " << c.from;
        }
    }
}

// R1 at (10,10) facing East, W1 straight from its finish terminal (13,10) to (20,10), W2 from
// its start (7,10) down to (7,16), and a 107 wire W3 from (20,10) to (24,14).
class TurningWired : public Turning {
protected:
    TurningWired()
    {
        CircuitBuilder build(doc);
        r1 = &build.resistor(10, 10, ORIENT_EAST, 100);
        build.wire({13, 10}, {20, 10});
        build.wire({7, 10}, {7, 16});
        build.wire({20, 10}, {24, 14}, KIND_WIRE_TURN_HV);
        for (const Point p : {Point{7, 10}, Point{13, 10}, Point{20, 10}, Point{7, 16}, Point{24, 14}}) {
            build.joint(p.x, p.y);
        }
    }
    const CComponent& record(std::size_t i) const { return *doc.components[i]; }
    CComponent* r1 = nullptr;
};

TEST_F(TurningWired, WiresOnTheTerminalsFollowAtRightAnglesAndRepeatsGiveTheBytesBack)
{
    select({r1});
    const std::vector<std::uint8_t> before = bytes();
    ASSERT_TRUE(editor.turn(Turn::Rotate));
    // The terminals now stand at (10,13) and (10,7); each wire keeps the direction of its leg
    // at the resistor and turns where it meets the end that stayed.
    EXPECT_EQ(record(1).gridStart, (Point{10, 7}));
    EXPECT_EQ(record(1).kindCode, KIND_WIRE_TURN_HV);
    EXPECT_EQ(record(1).gridPosition, (Point{20, 7}));
    EXPECT_EQ(record(2).gridStart, (Point{10, 13}));
    EXPECT_EQ(record(2).kindCode, KIND_WIRE_TURN_VH);
    EXPECT_EQ(record(2).gridPosition, (Point{10, 16}));
    EXPECT_EQ(record(3).gridStart, (Point{20, 10}));
    EXPECT_EQ(history.undoName(), "Rotate R1");
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(editor.turn(Turn::Rotate));
    }
    EXPECT_EQ(bytes(), before);
    history.undo(doc);
    EXPECT_NE(bytes(), before);
    for (int i = 0; i < 3; ++i) {
        history.undo(doc);
    }
    EXPECT_EQ(bytes(), before);

    editor.selectAll();
    ASSERT_TRUE(editor.turn(Turn::Mirror));
    EXPECT_EQ(history.undoName(), "Mirror Selection");
    EXPECT_EQ(record(3).kindCode, KIND_WIRE_TURN_HV);
    // Undo put back copies of the records, so R1 is looked up again.
    EXPECT_EQ(record(0).orientation, ORIENT_WEST);
    ASSERT_TRUE(editor.turn(Turn::Mirror));
    EXPECT_EQ(bytes(), before);
}

// Any selection of a circuit with wires everywhere, rotated four times or mirrored twice,
// gives the circuit back byte for byte, whatever the parity of its box.
TEST_F(TurningWired, RepeatedTurnsOfAnySelectionGiveTheBytesBack)
{
    std::mt19937 random(7);
    int turned = 0;
    for (int round = 0; round < 60; ++round) {
        std::vector<CComponent*> chosen;
        for (const auto& c : doc.components) {
            if (random() % 3 == 0) {
                chosen.push_back(c.get());
            }
        }
        select(chosen);  // a click on a shared point may take another record
        if (editor.selectedRecords().empty()) {
            continue;
        }
        // Clicks store the box they found in a wire; the turns must change nothing more.
        const std::vector<std::uint8_t> before = bytes();
        const Turn how = round % 2 == 0 ? Turn::Rotate : Turn::Mirror;
        for (int i = 0; i < (how == Turn::Rotate ? 4 : 2); ++i) {
            ASSERT_TRUE(editor.turn(how)) << round;
        }
        ASSERT_EQ(bytes(), before) << round;
        ++turned;
    }
    EXPECT_GT(turned, 40);
}

TEST_F(Turning, ATurnThatWouldLeaveTheDrawingAreaIsRefused)
{
    CComponent& r = CircuitBuilder(doc).resistor(2, 10, ORIENT_NORTH, 1);
    select({&r});
    const std::vector<std::uint8_t> before = bytes();
    const std::size_t steps = history.stepCount();
    EXPECT_FALSE(editor.turn(Turn::Rotate));
    EXPECT_EQ(port.messages.back(),
              "Turned about its centre, the selection would leave the drawing area. Move it further in first.");
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(history.stepCount(), steps);
    EXPECT_TRUE(editor.turn(Turn::Mirror));  // a vertical element mirrors onto itself
}

TEST_F(Turning, WhilePlacingTheFloatingElementTurns)
{
    doc.mode = KIND_VOLTAGE_SOURCE;
    editor.pointerMove(at(10, 10), at(10, 10));
    EXPECT_TRUE(editor.turn(Turn::Rotate));
    EXPECT_EQ(doc.orientation, ORIENT_NORTH);
    EXPECT_EQ(editor.preview()->orientation, ORIENT_NORTH);
    doc.orientation = ORIENT_EAST;
    EXPECT_TRUE(editor.turn(Turn::Mirror));
    EXPECT_EQ(editor.preview()->orientation, ORIENT_WEST);
    EXPECT_TRUE(doc.components.empty());
}

}  // namespace
}  // namespace kirvolt::testing
