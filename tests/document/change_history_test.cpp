#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "document/change_history.h"
#include "document/circuit_file.h"
#include "support/circuit_builder.h"

namespace kirvolt {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Edits at the level of the document, chosen at random: elements placed, taken out and
// changed, counters moved. And what an analysis does between edits, without being one: every
// joint replaced by a new one, results written into the records, the node bookkeeping set.
class RandomEditor {
public:
    RandomEditor(CKirvoltDoc& doc, std::uint32_t seed) : doc(doc), state(seed) {}

    void edit()
    {
        testing::CircuitBuilder build(doc);
        switch (pick(0, 5)) {
        case 0:
        case 1:
            build.element(KIND_RESISTOR + pick(0, 2), {pick(3, 40), pick(3, 40)}, pick(0, 3), pick(1, 100));
            break;
        case 2:
            build.wire({pick(0, 40), pick(0, 40)}, {pick(0, 40), pick(0, 40)});
            build.joint(pick(0, 40), pick(0, 40));
            break;
        case 3:
            if (!doc.components.empty()) {
                doc.RemoveComponent(doc.components[index()].get());
            }
            break;
        case 4:
            if (!doc.components.empty()) {
                CComponent& c = *doc.components[index()];
                c.label = "L" + std::to_string(pick(0, 9));
                c.setValue(pick(0, 50));
                doc.noteEdit();
            }
            break;
        default:
            doc.datumNode = pick(0, 5);
            ++doc.resistorCount;
            doc.noteEdit();
            break;
        }
    }

    void analyse()
    {
        std::vector<Point> points;
        std::erase_if(doc.components, [&points](const auto& c) {
            if (c->kindCode == KIND_JOINT) {
                points.push_back(c->gridPosition);
            }
            return c->kindCode == KIND_JOINT;
        });
        for (Point p : points) {
            testing::CircuitBuilder(doc).joint(p.x, p.y).startVoltage = pick(0, 9);
        }
        for (const auto& c : doc.components) {
            c->pd = pick(0, 99) / 7.0;
            c->startNode = pick(1, 4);
        }
        doc.nodesValid = 1;
        doc.nodeCount = pick(1, 9);
        doc.jointCount = static_cast<int>(points.size()) + 1;
    }

    int pick(int low, int high)
    {
        state = state * 1664525u + 1013904223u;
        return low + static_cast<int>((state >> 8) % static_cast<std::uint32_t>(high - low + 1));
    }

private:
    std::size_t index() { return static_cast<std::size_t>(pick(0, static_cast<int>(doc.components.size()) - 1)); }

    CKirvoltDoc& doc;
    std::uint32_t state;
};

// The model: the bytes of the circuit at every step of the history, and where the history stands.
struct Model {
    std::vector<Bytes> states;
    std::size_t position = 0;
};

TEST(ChangeHistory, UndoAndRedoGiveBackEveryStateByteForByte)
{
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        CKirvoltDoc doc;
        ChangeHistory history;
        RandomEditor user(doc, seed);
        for (int warmUp = user.pick(0, 5); warmUp > 0; --warmUp) {
            user.edit();
        }
        history.restart(doc);
        Model model{{circuitBytes(doc)}, 0};
        for (int step = 0; step < 60; ++step) {
            const int what = user.pick(0, 9);
            const bool atTop = model.position + 1 == model.states.size();
            if (what <= 4) {
                history.settle(doc);
                user.edit();
                if (history.commit(doc, "Edit")) {
                    model.states.resize(model.position + 1);
                    model.states.push_back(circuitBytes(doc));
                    ++model.position;
                }
            } else if (what <= 6 && history.canUndo()) {
                history.undo(doc);
                --model.position;
            } else if (what <= 8 && history.canRedo()) {
                history.redo(doc);
                ++model.position;
            } else if (atTop) {
                // No step: the next undo passes over it with the step before.
                user.analyse();
                history.settle(doc);
                model.states[model.position] = circuitBytes(doc);
            }
            ASSERT_EQ(history.stepsDone(), model.position) << "seed " << seed << ", step " << step;
            ASSERT_EQ(circuitBytes(doc), model.states[model.position]) << "seed " << seed << ", step " << step;
        }
        while (history.canUndo()) {
            history.undo(doc);
        }
        EXPECT_EQ(circuitBytes(doc), model.states.front()) << "seed " << seed;
        while (history.canRedo()) {
            history.redo(doc);
        }
        EXPECT_EQ(circuitBytes(doc), model.states.back()) << "seed " << seed;
    }
}

TEST(ChangeHistory, AnAnalysisAfterAnUndoIsTakenBackBeforeTheRedo)
{
    CKirvoltDoc doc;
    ChangeHistory history;
    RandomEditor user(doc, 7);
    history.restart(doc);
    history.settle(doc);
    testing::CircuitBuilder(doc).resistor(10, 10, ORIENT_EAST, 5);
    ASSERT_TRUE(history.commit(doc, "Place R1"));
    const Bytes first = circuitBytes(doc);
    history.settle(doc);
    testing::CircuitBuilder(doc).joint(13, 10);
    ASSERT_TRUE(history.commit(doc, "Place joint"));
    const Bytes second = circuitBytes(doc);

    history.undo(doc);
    EXPECT_EQ(circuitBytes(doc), first);
    user.analyse();
    const Bytes analysed = circuitBytes(doc);
    history.redo(doc);
    EXPECT_EQ(circuitBytes(doc), second);
    history.undo(doc);
    EXPECT_EQ(circuitBytes(doc), first) << "the analysis was taken back for the redo";
    EXPECT_NE(circuitBytes(doc), analysed);
}

TEST(ChangeHistory, StepsCarryTheirNamesAndNothingIsNoStep)
{
    CKirvoltDoc doc;
    ChangeHistory history;
    history.restart(doc);
    EXPECT_FALSE(history.canUndo());
    history.settle(doc);
    EXPECT_FALSE(history.commit(doc, "Nothing"));
    history.settle(doc);
    testing::CircuitBuilder(doc).resistor(10, 10, ORIENT_EAST, 5);
    ASSERT_TRUE(history.commit(doc, "Place R1"));
    EXPECT_EQ(history.undoName(), "Place R1");
    history.undo(doc);
    EXPECT_TRUE(doc.components.empty());
    EXPECT_EQ(doc.resistorCount, 1);
    EXPECT_EQ(history.redoName(), "Place R1");
    history.redo(doc);
    ASSERT_EQ(doc.components.size(), 1u);
    EXPECT_EQ(doc.components[0]->name, "R1");
    EXPECT_EQ(doc.resistorCount, 2);
}

// Zooming is no edit: what undo brings back takes the present zoom.
TEST(ChangeHistory, UndoneRecordsTakeThePresentZoom)
{
    CKirvoltDoc doc;
    ChangeHistory history;
    history.restart(doc);
    testing::CircuitBuilder(doc).wire(2, 2, 8, 2);
    history.commit(doc, "Draw W1");
    history.settle(doc);
    doc.RemoveComponent(doc.components[0].get());
    history.commit(doc, "Delete W1");
    doc.gridSize = 40;
    doc.rescaleToGrid();
    history.undo(doc);
    ASSERT_EQ(doc.components.size(), 1u);
    EXPECT_EQ(doc.components[0]->startPoint, (Point{80, 80}));
    EXPECT_EQ(doc.gridSize, 40);
}

// A value turned on and on, with analyses between the turns, is one step: undone, the circuit
// is as before the first turn; redone, as after the last; and only the newest step carries on.
TEST(ChangeHistory, AnAmendedStepIsUndoneAndRedoneWhole)
{
    CKirvoltDoc doc;
    ChangeHistory history;
    RandomEditor user(doc, 11);
    history.restart(doc);
    history.settle(doc);
    CComponent& r = testing::CircuitBuilder(doc).resistor(10, 10, ORIENT_EAST, 300);
    ASSERT_TRUE(history.commit(doc, "Place R1"));
    const Bytes placed = circuitBytes(doc);
    const std::uint64_t id = r.recordId;
    const auto turn = [&](double ohms) {
        history.settle(doc);
        for (const auto& c : doc.components) {
            if (c->recordId == id) {
                c->setValue(ohms);
            }
        }
        doc.noteEdit();
    };
    turn(330);
    ASSERT_TRUE(history.commit(doc, "Edit R1"));
    for (double ohms : {390.0, 470.0}) {
        user.analyse();
        turn(ohms);
        ASSERT_TRUE(history.amend(doc));
    }
    const Bytes turned = circuitBytes(doc);
    EXPECT_EQ(history.stepCount(), 2u);
    EXPECT_EQ(history.undoName(), "Edit R1");
    history.undo(doc);
    EXPECT_EQ(circuitBytes(doc), placed);
    EXPECT_FALSE(history.amend(doc));
    history.redo(doc);
    EXPECT_EQ(circuitBytes(doc), turned);
}

}  // namespace
}  // namespace kirvolt
