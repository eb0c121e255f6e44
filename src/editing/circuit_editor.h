#pragma once

#include <memory>
#include <optional>
#include <string>

#include "document/circuit_document.h"
#include "editing/editor_cursor.h"
#include "editing/element_dialogs.h"
#include "editing/pending_move.h"

namespace kirvolt {

// What the view shows after a pointer move.
struct PointerFeedback {
    EditorCursor cursor = EditorCursor::CursorDefault;
    std::string statusText;     // "(x,y)": the grid point nearest the pointer in the window
    bool previewChanged = false;  // the preview or the rubber band has to be painted again
};

// What a pointer event means in the document's current mode: placing elements, drawing
// wires, splitting wires at joints, moving, deleting, the element dialogs, choosing the
// datum node and the node equations. The view hands it logical points (scroll offset
// added); it keeps the floating preview and the wire being drawn, which the view paints.
class CircuitEditor {
public:
    CircuitEditor(CKirvoltDoc& doc, ElementDialogs& dialogs) : doc(doc), dialogs(dialogs) {}
    CircuitEditor(const CircuitEditor&) = delete;
    CircuitEditor& operator=(const CircuitEditor&) = delete;

    // client is the pointer position in the window, for the status text.
    PointerFeedback pointerMove(Point logical, Point client);
    // Each returns whether the preview or the rubber band has changed.
    bool leftPress(Point logical);
    bool leftRelease(Point logical);
    bool rightRelease(Point logical);

    // A move abandoned before its element is placed again (another command chosen,
    // Escape, the circuit saved or closed) puts the element back where it was.
    void cancelPendingMove();
    // Escape: a pending move is cancelled; in a placing, wire or joint mode the floating element
    // and the wire being drawn go and the mode becomes Select. False when there was nothing
    // to leave.
    bool escape();
    bool movePending() const { return pendingMove.active(); }

    // The floating element goes when the circuit changes under it (a command or an edit
    // elsewhere) or the pointer leaves; paints of the window alone keep it.
    void discardPreview() { previewElement.reset(); }

    const CComponent* preview() const { return previewElement.get(); }
    bool wireInProgress() const { return wireDrawing; }
    Point anchorPoint() const { return anchor; }
    Point endPoint() const { return end; }

private:
    void replacePreview(Point logical);
    // The element the mode places at the anchor, carrying the name and value of a moved one.
    std::unique_ptr<CComponent> createElement(int displayState);
    void pickUp(Point logical);
    void placeComponent(Point snapped);
    bool finishWire(Point snapped);
    void showInformation(Point logical);
    bool edit(Point logical);
    void chooseDatum(Point logical);

    CKirvoltDoc& doc;
    ElementDialogs& dialogs;
    Point anchor;
    Point end;
    std::unique_ptr<CComponent> previewElement;
    bool wireDrawing = false;
    // A release places a component only after a press in the same placing mode, whether or
    // not a paint has taken the floating element away in between.
    int pressedToPlace = 0;
    std::optional<Point> pickedUpAt;
    PendingMove pendingMove;
};

}  // namespace kirvolt
