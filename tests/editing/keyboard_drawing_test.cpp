#include "document/circuit_file.h"
#include "document/reading_order.h"
#include "editing/keyboard_drawing.h"
#include "editor_fixture.h"

namespace kirvolt {
namespace {

using testing::RecordingPort;
using testing::ScriptedDialogs;

// One circuit drawn by a hand: the pointer's events or the keys', on documents of their own.
struct Hand {
    Hand()
    {
        doc.setPort(&port);
        dialogs.componentAnswer = NameAndValue{"Rload", 4700.0};
    }
    RecordingPort port;
    ScriptedDialogs dialogs;
    CKirvoltDoc doc;
    ChangeHistory history;
    CircuitEditor editor{doc, history, dialogs};
    KeyboardDrawing keys{doc, editor};
};

// What the user does, in grid steps: a click (to == from), a press-drag-release, a click to
// pick up and a click to put down (Move), or in Select mode a Shift-click (toggle) or a drag of
// the selection.
struct Stroke {
    int mode;
    Point from;
    Point to;
    bool toggle = false;
};

Point logical(Point grid) { return {grid.x * 20, grid.y * 20}; }

void byPointer(Hand& h, const Stroke& s)
{
    h.doc.mode = s.mode;
    const Point a = logical(s.from);
    const Point b = logical(s.to);
    h.editor.pointerMove(a, a);
    if (s.mode == MODE_SELECT && s.toggle) {
        h.editor.leftPress(a, true);
        h.editor.leftRelease(a);
    } else if (s.mode == MODE_MOVE) {
        h.editor.leftPress(a);
        h.editor.leftRelease(a);
        h.editor.pointerMove(b, b);
        h.editor.leftPress(b);
        h.editor.leftRelease(b);
    } else {
        h.editor.leftPress(a);
        h.editor.pointerMove(b, b);
        h.editor.leftRelease(b);
    }
}

void goTo(Hand& h, Point grid)
{
    const Point now = h.keys.cursorGrid();
    h.keys.moveCursor(grid.x - now.x, grid.y - now.y);
    EXPECT_EQ(h.keys.cursorGrid(), grid);
}

void byKeys(Hand& h, const Stroke& s)
{
    h.doc.mode = s.mode;
    goTo(h, s.from);
    if (s.mode == MODE_SELECT) {
        if (s.toggle) {
            h.keys.toggleAtCursor();
        }
        // A step at a time, as Ctrl and the arrows move it.
        for (int x = s.from.x; x != s.to.x; x += s.to.x > x ? 1 : -1) {
            h.keys.moveSelection(s.to.x > x ? 1 : -1, 0);
        }
        for (int y = s.from.y; y != s.to.y; y += s.to.y > y ? 1 : -1) {
            h.keys.moveSelection(0, s.to.y > y ? 1 : -1);
        }
        h.keys.dropSelection();
        return;
    }
    h.keys.enter();
    if (isWireKind(s.mode) || s.mode == MODE_MOVE) {
        goTo(h, s.to);
        h.keys.enter();
    }
}

// A divider with a meter, moved, edited, partly deleted and dragged: every edit the pointer
// makes, made again by the keys, gives the same file byte for byte.
TEST(KeyboardDrawing, TheKeysMakeTheBytesThePointerMakes)
{
    const Stroke strokes[] = {
        {KIND_VOLTAGE_SOURCE, {5, 8}, {5, 8}},
        {KIND_RESISTOR, {8, 5}, {8, 5}},
        {KIND_WIRE, {6, 5}, {5, 5}},
        {KIND_WIRE, {5, 5}, {5, 6}},
        {KIND_WIRE_TURN_HV, {5, 10}, {12, 8}},
        {KIND_WIRE, {10, 5}, {12, 5}},
        {KIND_AMMETER, {12, 12}, {12, 12}},
        {KIND_RESISTOR, {16, 16}, {16, 16}},
        {MODE_MOVE, {16, 16}, {12, 6}},
        {MODE_DELETE, {12, 12}, {12, 12}},
        {MODE_EDIT, {8, 5}, {8, 5}},
        {MODE_SELECT, {8, 5}, {8, 5}, true},
        {MODE_SELECT, {8, 5}, {9, 3}},
    };
    Hand pointer;
    Hand keys;
    for (const Stroke& s : strokes) {
        byPointer(pointer, s);
        byKeys(keys, s);
        EXPECT_EQ(circuitBytes(keys.doc), circuitBytes(pointer.doc)) << s.mode << " at " << s.from.x << "," << s.from.y;
        EXPECT_EQ(keys.editor.selection().records(keys.doc).size(), pointer.editor.selection().records(pointer.doc).size());
    }
    EXPECT_EQ(keys.dialogs.edited.size(), 1U);
    EXPECT_EQ(keys.doc.components.size(), pointer.doc.components.size());
    EXPECT_GT(pointer.doc.components.size(), 10U);
}

// Tab walks the elements and joints row by row and round again; Shift+Tab walks back; each
// becomes the selection, takes the cursor and opens its own dialog on Enter.
TEST(KeyboardDrawing, TabStepsThroughTheElementsAndJointsInReadingOrder)
{
    Hand h;
    h.doc.mode = KIND_RESISTOR;
    for (const Point at : {Point{10, 9}, Point{4, 3}, Point{12, 3}}) {
        goTo(h, at);
        h.keys.enter();
    }
    h.doc.mode = MODE_SELECT;
    goTo(h, {0, 0});
    std::vector<std::string> walked;
    for (int i = 0; i < 10; ++i) {
        const CComponent* focused = h.keys.stepFocus(false);
        ASSERT_NE(focused, nullptr);
        walked.push_back(focused->kindCode == KIND_JOINT ? "." : focused->label);
        EXPECT_EQ(h.keys.cursorGrid(), readingPoint(*focused));
        EXPECT_EQ(h.editor.selectedRecords(), std::vector<const CComponent*>{focused});
    }
    EXPECT_EQ(walked, (std::vector<std::string>{".", "R2", ".", ".", "R3", ".", ".", "R1", ".", "."}));
    EXPECT_EQ(h.keys.stepFocus(true)->kindCode, KIND_JOINT);
    EXPECT_EQ(h.keys.stepFocus(true)->label, "R1");
    EXPECT_TRUE(h.keys.enter());
    ASSERT_EQ(h.dialogs.edited.size(), 1U);
    EXPECT_EQ(h.dialogs.edited[0].name, "R1");
    EXPECT_EQ(h.doc.components[2]->label, "Rload");
}

}  // namespace
}  // namespace kirvolt
