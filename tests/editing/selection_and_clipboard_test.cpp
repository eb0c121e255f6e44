#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "document/circuit_document.h"
#include "document/selection.h"
#include "editing/circuit_clipboard.h"
#include "editing/selection_drag.h"
#include "editing/selection_edits.h"
#include "support/circuit_builder.h"

namespace kirvolt {
namespace {

using testing::CircuitBuilder;

std::vector<std::string> namesOf(const CKirvoltDoc& doc)
{
    std::vector<std::string> names;
    for (const auto& c : doc.components) {
        names.push_back(c->name.empty() ? "joint" : c->name + (c->label != c->name ? "(" + c->label + ")" : ""));
    }
    return names;
}

std::vector<const CComponent*> named(const CKirvoltDoc& doc, const std::vector<std::string>& names)
{
    std::vector<const CComponent*> found;
    for (const auto& c : doc.components) {
        if (std::ranges::find(names, c->name) != names.end()) {
            found.push_back(c.get());
        }
    }
    return found;
}

// R1 across the top from (2,2) to (8,2), a wire W1 down from its right end to (8,8), R2 apart;
// joints at the resistors' terminals.
class SelectionEdits : public ::testing::Test {
protected:
    SelectionEdits()
    {
        CircuitBuilder build(doc);
        build.joint(2, 2);
        build.joint(8, 2);
        build.resistor(5, 2, ORIENT_EAST, 100).label = "Load";
        build.wire(8, 2, 8, 8);
        build.joint(17, 10);
        build.joint(23, 10);
        build.resistor(20, 10, ORIENT_EAST, 47);
        for (auto& c : doc.components) {
            c->recordId = doc.issueRecordId();
        }
    }
    CKirvoltDoc doc;
};

TEST_F(SelectionEdits, ARubberBandTakesWhatLiesWhollyInsideIt)
{
    struct Band {
        Rect grid;
        std::vector<std::string> chosen;
    };
    const std::vector<Band> bands = {
        {{1, 1, 9, 3}, {"R1"}},               // the wire reaches out of it
        {{1, 1, 9, 8}, {"R1", "W1"}},         // corners count as inside
        {{3, 1, 9, 9}, {"W1"}},               // R1's left end is outside
        {{0, 0, 30, 30}, {"R1", "W1", "R2"}},
        {{10, 0, 14, 30}, {}},
    };
    for (const Band& band : bands) {
        const Rect logical{band.grid.left * 20, band.grid.top * 20, band.grid.right * 20, band.grid.bottom * 20};
        std::vector<std::string> chosen;
        for (const std::uint64_t id : recordsInside(doc, logical)) {
            for (const auto& c : doc.components) {
                if (c->recordId == id && !c->name.empty()) {
                    chosen.push_back(c->name);
                }
            }
        }
        EXPECT_EQ(chosen, band.chosen) << band.grid.left << "," << band.grid.top;
    }
}

TEST_F(SelectionEdits, DeletingTakesTheJointsThatTouchNothingAnyMore)
{
    Selection selection;
    selection.replace({named(doc, {"R2"})[0]->recordId});
    EXPECT_EQ(selectionEditName("Delete", selection.records(doc)), "Delete R2");
    ASSERT_TRUE(deleteSelection(doc, selection));
    EXPECT_EQ(namesOf(doc), (std::vector<std::string>{"joint", "joint", "R1(Load)", "W1"}));

    selection.replace({named(doc, {"R1"})[0]->recordId, named(doc, {"W1"})[0]->recordId});
    EXPECT_EQ(selectionEditName("Cut", selection.records(doc)), "Cut Selection");
    ASSERT_TRUE(deleteSelection(doc, selection));
    EXPECT_TRUE(doc.components.empty());
    EXPECT_FALSE(deleteSelection(doc, selection));
}

// Dragging R1 three steps right and one down: its joints go with it, and the wire's upper end,
// which lay on R1's right terminal, follows while its lower end stays.
TEST_F(SelectionEdits, ADragCarriesTheSelectionAndTheWireEndsOnIt)
{
    CComponent& r1 = *doc.components[2];
    CComponent& w1 = *doc.components[3];
    SelectionDrag drag;
    drag.begin(doc, {&r1});
    ASSERT_TRUE(drag.moveBy(doc, {3, 1}));
    EXPECT_EQ(r1.gridPosition, (Point{8, 3}));
    EXPECT_EQ(doc.components[0]->gridPosition, (Point{5, 3}));
    EXPECT_EQ(w1.gridStart, (Point{11, 3}));
    EXPECT_EQ(w1.gridFinish, (Point{8, 8}));
    // Never off the drawing area: a drag far up and left stops at the edge.
    drag.moveBy(doc, {-100, -100});
    EXPECT_EQ(doc.components[0]->gridPosition, (Point{0, 0}));
    ASSERT_TRUE(drag.moveBy(doc, {3, 1}));
    EXPECT_TRUE(drag.finish(doc));
    EXPECT_EQ(r1.gridPosition, (Point{8, 3}));

    SelectionDrag back;
    back.begin(doc, {&r1});
    back.moveBy(doc, {-3, -1});
    back.cancel(doc);
    EXPECT_EQ(r1.gridPosition, (Point{8, 3}));
    EXPECT_EQ(w1.gridStart, (Point{11, 3}));
}

TEST_F(SelectionEdits, PastedCopiesKeepValuesAndLabelsAndTakeFreshNames)
{
    doc.components[0]->label = "4";
    doc.components[0]->displayState = DISPLAY_PLACED;
    const std::vector<std::uint8_t> copied = copiedCircuitBytes(doc, named(doc, {"R1", "W1"}));
    // Beside the originals: moved on two steps, since in place it would lie over them.
    PasteOutcome beside = pasteCircuit(doc, copied, std::nullopt);
    ASSERT_EQ(beside.problem, "");
    EXPECT_EQ(beside.pasted.size(), 4u);  // two joints, the resistor and the wire
    EXPECT_EQ(namesOf(doc), (std::vector<std::string>{"joint", "joint", "R1(Load)", "W1", "joint", "joint", "R2",
                                                      "joint", "joint", "R3(Load)", "W2"}));
    EXPECT_EQ(doc.components[9]->value, 100);
    // The joints come without node numbers, as placed ones do, whatever the copy's were.
    EXPECT_EQ(doc.components[7]->label, "0");
    EXPECT_EQ(doc.components[7]->displayState, DISPLAY_GHOST);
    EXPECT_EQ(doc.components[9]->gridPosition, (Point{7, 4}));
    // At the pointer: the copy's top left grid point lands there.
    PasteOutcome atPointer = pasteCircuit(doc, copied, Point{30, 30});
    ASSERT_EQ(atPointer.problem, "");
    EXPECT_EQ(doc.components.back()->gridStart, (Point{36, 30}));
}

TEST_F(SelectionEdits, WhatCannotBePastedIsSaidAndChangesNothing)
{
    const std::size_t before = doc.components.size();
    const std::vector<std::uint8_t> copied = copiedCircuitBytes(doc, named(doc, {"R1", "W1"}));
    struct Refused {
        std::vector<std::uint8_t> bytes;
        std::optional<Point> pointer;
        std::string problem;
    };
    const std::vector<Refused> refused = {
        {{1, 2, 3}, std::nullopt, "The Clipboard holds no circuit that Kirvolt can paste."},
        {{}, std::nullopt, "The Clipboard holds no circuit that Kirvolt can paste."},
        {copied, Point{248, 248}, "The circuit on the Clipboard reaches too far to be pasted here."},
    };
    for (const Refused& r : refused) {
        EXPECT_EQ(pasteCircuit(doc, r.bytes, r.pointer).problem, r.problem);
        EXPECT_EQ(doc.components.size(), before);
    }
}

}  // namespace
}  // namespace kirvolt
