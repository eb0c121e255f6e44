#pragma once

#include <cstdint>

#include "document/circuit_document.h"
#include "editing/circuit_editor.h"

namespace kirvolt {

// The keys' hand on the drawing: a cursor on the grid that the arrows move, Enter as a click
// of the mouse at the cursor, and a focus that Tab steps through the elements and joints in
// reading order. Every key drives the editor exactly as the pointer's events at the cursor's
// point would, so the same keys and the same clicks make the same circuit.
class KeyboardDrawing {
public:
    KeyboardDrawing(CKirvoltDoc& doc, CircuitEditor& editor) : doc(doc), editor(editor) {}

    // The cursor in grid steps, and at the document's grid step.
    Point cursorGrid() const { return cursor; }
    Point cursorPoint() const;
    // The cursor moved by whole grid steps, kept inside the drawing area; what floats and the
    // wire being drawn follow it as they follow the pointer. The focus goes. Whether it moved.
    bool moveCursor(int dx, int dy);
    // The cursor put on a grid point, as moveCursor puts it.
    void placeCursor(Point grid);
    // After the mode has changed: the element of a placing mode floats at the cursor.
    void floatAtCursor();

    // Enter. In Select mode the focused element's dialog, else the dialog of what is under the
    // cursor, as a double-click opens it; in a wire mode the first Enter presses the button at
    // the cursor and the second lets it go there; in every other mode a click at the cursor.
    // Whether the preview, the wire or the selection may have changed.
    bool enter();
    // Tab (or Shift+Tab, backwards): the next element or joint in reading order after the focus
    // (or after the cursor, when nothing has the focus) takes the focus and becomes the
    // selection, and the cursor goes to it. The record focused; null on an empty drawing.
    const CComponent* stepFocus(bool backwards);
    // The focused record, while it is still in the circuit.
    const CComponent* focused() const;
    // Ctrl+Space: what is under the cursor joins the selection or leaves it, as a Shift-click
    // there does.
    bool toggleAtCursor();
    // Ctrl and the arrows: the selection is dragged with the cursor by whole grid steps; letting
    // go of Ctrl puts it down (dropSelection), as letting go of the button ends a drag.
    bool moveSelection(int dx, int dy);
    bool dropSelection();

private:
    CKirvoltDoc& doc;
    CircuitEditor& editor;
    Point cursor{5, 5};
    std::uint64_t focus = 0;
    Point dragCursor;  // where the cursor stood when the keys' drag began
};

}  // namespace kirvolt
