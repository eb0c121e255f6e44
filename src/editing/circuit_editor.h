#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/change_history.h"
#include "document/circuit_document.h"
#include "document/selection.h"
#include "editing/editor_cursor.h"
#include "editing/element_dialogs.h"
#include "editing/pending_move.h"
#include "editing/selection_drag.h"
#include "editing/selection_turn.h"

namespace kirvolt {

// What the view shows after a pointer move.
struct PointerFeedback {
    EditorCursor cursor = EditorCursor::CursorDefault;
    std::string statusText;     // "(x,y)": the grid point nearest the pointer in the window
    bool previewChanged = false;  // the preview or the rubber band has to be painted again
};

// What a pointer event means in the document's current mode: selecting and dragging the
// selection, placing elements, drawing wires, splitting wires at joints, moving, deleting, the
// element dialogs, choosing the datum node and the node equations. The view hands it logical
// points (scroll offset added); it keeps the floating preview, the wire being drawn, the
// rubber band and the selection, which the view paints. Every edit becomes one step of the
// circuit's history.
class CircuitEditor {
public:
    CircuitEditor(CKirvoltDoc& doc, ChangeHistory& history, ElementDialogs& dialogs)
        : doc(doc), history(history), dialogs(dialogs)
    {
    }
    CircuitEditor(const CircuitEditor&) = delete;
    CircuitEditor& operator=(const CircuitEditor&) = delete;

    // client is the pointer position in the window, for the status text.
    PointerFeedback pointerMove(Point logical, Point client);
    // Each returns whether the preview, the rubber band or the selection has changed. With
    // extend (Shift held), a click in Select mode adds to the selection or takes away from it.
    bool leftPress(Point logical, bool extend = false);
    bool leftRelease(Point logical);
    bool rightRelease(Point logical);
    // A double-click in Select mode opens the element's value dialog (a joint's node name), as
    // a click in Value mode does. Whether there was an element to edit.
    bool doubleClick(Point logical);

    // What a right-click outside the placing modes finds. The element becomes the selection
    // unless it is part of it already, so that Rotate, Mirror and Delete Selection act on it.
    enum class Pointed { Nothing, Component, Other, Joint };
    Pointed pointAt(Point logical);
    // The context menu's own commands, each as its twin does it: the Value mode's click (the
    // name and value of a component, the name of a node) and the Datum mode's click, nodes
    // found first when they are stale.
    void editAt(Point logical);
    // The same dialog for a record known by its id (the keys' focus); false when it has none.
    bool editRecord(std::uint64_t recordId);
    void setDatumAt(Point logical);

    // A move abandoned before its element is placed again (another command chosen,
    // Escape, the circuit saved or closed) puts the element back where it was; so does a
    // drag of the selection.
    void cancelPendingMove();
    // Escape steps back one thing: an element picked up, a selection being dragged or a rubber
    // band goes back; in a placing, wire or joint mode the floating element and the wire being
    // drawn go and the mode becomes Select; in Select mode the selection is cleared. False when
    // there was nothing to leave.
    bool escape();
    bool movePending() const { return pendingMove.active(); }
    bool dragging() const { return drag.active(); }

    const Selection& selection() const { return chosen; }
    void selectAll();
    void clearSelection() { chosen.clear(); }
    void selectOnly(std::uint64_t recordId);
    // The keys' drag of the selection: moved to the offset in grid steps from where the drag
    // began (beginning it when none is under way), then put down as one step, exactly as the
    // pointer's drag that far does. Escape and other commands put it back, as they do a drag.
    bool dragSelectionBy(Point gridOffset);
    bool dropSelection();
    Point dragOffset() const { return drag.offset(); }
    // The selected records in list order.
    std::vector<const CComponent*> selectedRecords() const { return chosen.records(doc); }
    // Delete (or Cut: the step is named by the verb) takes the selection out as one step.
    bool deleteSelection(const std::string& verb);
    // Puts a copied circuit in as one step and selects it; the problem to show when nothing
    // could be pasted.
    std::string paste(std::span<const std::uint8_t> bytes, std::optional<Point> pointerLogical);

    // Rotate and Mirror: the floating element while placing, else the selection as one step
    // (a refusal is shown). Whether anything turned.
    bool turn(Turn how);
    bool canTurn() const;
    // Space while a turning wire is drawn or about to be: the corner goes to the other side.
    bool flipCorner();
    // Turns the value of the resistor or source under the pointer by `steps` wheel steps (see
    // wheelStepValue) as one step named "Edit R1", or as part of the last step when the record
    // is the one named to carry on (its id; 0 for none) and that step is still the newest. The
    // record turned, or none when nothing there has such a value, an element is out for moving,
    // or the value would leave its range.
    const CComponent* stepValueAt(Point logical, int steps, std::uint64_t carryOnRecord);
    // The same for the value keys, which need no wheel: the resistor or source under the
    // pointer (when it is over the circuit), or else the one selected element.
    const CComponent* stepValueByKey(std::optional<Point> pointerLogical, int steps, std::uint64_t carryOnRecord);

    // The corner of the turning wire being drawn.
    std::optional<Point> wireCorner() const;

    // The rubber band from where it was started to the pointer, while one is drawn.
    std::optional<Rect> rubberBand() const;

    // The floating element goes when the circuit changes under it (a command or an edit
    // elsewhere) or the pointer leaves; paints of the window alone keep it.
    void discardPreview() { previewElement.reset(); }

    const CComponent* preview() const { return previewElement.get(); }
    bool wireInProgress() const { return wireDrawing; }
    Point anchorPoint() const { return anchor; }
    Point endPoint() const { return end; }

private:
    bool selectPress(Point logical, bool extend);
    bool selectMove(Point logical);
    bool selectRelease(Point logical);
    // Folds what happened since the last edit into it, unless an element is out for moving.
    void settle();
    void commit(const std::string& name);
    void replacePreview(Point logical);
    // The element the mode places at the anchor, carrying the name and value of a moved one.
    std::unique_ptr<CComponent> createElement(int displayState);
    void pickUp(Point logical);
    void placeComponent(Point snapped);
    bool finishWire(Point snapped);
    void showInformation(Point logical);
    bool edit(Point logical);
    bool edit(CComponent* hit);
    void chooseDatum(Point logical);
    // stepValueAt and stepValueByKey once they know the record (or that there is none).
    const CComponent* stepValueOf(CComponent* hit, int steps, std::uint64_t carryOnRecord);

    CKirvoltDoc& doc;
    ChangeHistory& history;
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
    Selection chosen;
    SelectionDrag drag;
    // Where the left button went down in Select mode: on an element to drag the selection, or
    // on empty space to draw a rubber band.
    std::optional<Point> dragFrom;
    std::optional<Point> bandFrom;
    Point bandTo;
    bool bandExtends = false;
};

}  // namespace kirvolt
