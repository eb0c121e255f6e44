#include "editing/circuit_editor.h"

#include "analysis/node_numbering.h"
#include "document/hit_test.h"
#include "editing/element_edits.h"
#include "editing/element_factory.h"
#include "editing/grid_snap.h"
#include "editing/orphan_removal.h"
#include "editing/wire_split.h"
#include "equations/node_equation_display.h"

namespace kirvolt {
namespace {

// Modes that show a floating element under the pointer: components and joints.
bool isPlacingMode(int mode)
{
    return isTwoTerminalKind(mode) || mode == KIND_JOINT;
}

// What the pointer is over, as a click in the mode would take it.
CComponent* elementForMode(CKirvoltDoc& doc, int mode, Point logical)
{
    switch (mode) {
    case setDatumMode:
    case nodeEquationMode:
        return jointAt(doc, logical);
    case MODE_INFO:
    case MODE_EDIT:
        return HitTestForDialog(doc, logical);
    default:
        return HitTest(doc, logical);
    }
}

// The cursor over an element in the modes that act on what is clicked.
EditorCursor cursorForElement(int mode, const CComponent* element)
{
    const int kind = element != nullptr ? element->kindCode : 0;
    const bool joint = kind == KIND_JOINT;
    switch (mode) {
    case MODE_INFO:
        return isTwoTerminalKind(kind) || joint ? EditorCursor::CursorInfo : EditorCursor::CursorDefault;
    case MODE_DELETE:
        return isTwoTerminalKind(kind) || kind == KIND_WIRE || joint ? EditorCursor::CursorDelete
                                                                   : EditorCursor::CursorDefault;
    case MODE_MOVE:
        return isTwoTerminalKind(kind) || joint ? EditorCursor::CursorMove : EditorCursor::CursorDefault;
    case MODE_EDIT:
        return isSourceOrResistorKind(kind) || joint ? EditorCursor::CursorEdit : EditorCursor::CursorDefault;
    case setDatumMode:
        return joint ? EditorCursor::CursorDatum : EditorCursor::CursorDefault;
    case nodeEquationMode:
        return joint ? EditorCursor::CursorInfo : EditorCursor::CursorDefault;
    default:
        return EditorCursor::CursorDefault;
    }
}

bool actsOnElements(int mode)
{
    return mode == MODE_INFO || mode == MODE_DELETE || mode == MODE_MOVE || mode == MODE_EDIT ||
           mode == setDatumMode || mode == nodeEquationMode;
}

// Modes in which moving the pointer has nothing to show.
bool isQuietMode(int mode)
{
    return (mode >= 203 && mode <= MODE_NAME) || mode == 212;
}

}  // namespace

PointerFeedback CircuitEditor::pointerMove(Point logical, Point client)
{
    PointerFeedback feedback{EditorCursor::CursorDefault, gridStatusText(client, doc.gridSize), false};
    const int mode = doc.mode;
    if (mode == MODE_SELECT) {
        return feedback;
    }
    if (isWireKind(mode) && !wireDrawing) {
        if (mode == KIND_WIRE && jointAt(doc, logical) != nullptr) {
            feedback.cursor = EditorCursor::CursorPlace;
        }
        // The dot of a wire released where it started stays only until the pointer moves on.
        if (previewElement) {
            previewElement.reset();
            feedback.previewChanged = true;
        }
        return feedback;
    }
    if (isPlacingMode(mode)) {
        replacePreview(logical);
        feedback.cursor = EditorCursor::CursorPlace;
        feedback.previewChanged = true;
    } else if (isWireKind(mode)) {
        end = snapToGrid(logical, doc.gridSize);
        feedback.cursor = EditorCursor::CursorPlace;
        feedback.previewChanged = true;
    } else if (actsOnElements(mode)) {
        feedback.cursor = cursorForElement(mode, elementForMode(doc, mode, logical));
    } else if (!isQuietMode(mode)) {
        doc.showMessage(
            "Kirvolt default procedure for MouseMove is called, move cursor out of client area and press [Enter].");
    }
    return feedback;
}

bool CircuitEditor::leftPress(Point logical)
{
    pressedToPlace = isTwoTerminalKind(doc.mode) ? doc.mode : 0;
    if (isWireKind(doc.mode)) {
        previewElement.reset();
        wireDrawing = true;
        anchor = snapToGrid(logical, doc.gridSize);
        end = anchor;
        return true;
    }
    if (doc.mode == MODE_MOVE) {
        pickUp(logical);
    }
    return false;
}

bool CircuitEditor::leftRelease(Point logical)
{
    const Point snapped = snapToGrid(logical, doc.gridSize);
    const int mode = doc.mode;
    bool previewChanged = false;
    if (isTwoTerminalKind(mode)) {
        // The release of the click that picked an element up leaves it floating; released
        // anywhere else, the press-drag-release puts it there.
        const bool endsPickUp = pickedUpAt == snapped;
        if (pressedToPlace == mode && !endsPickUp) {
            placeComponent(snapped);
        }
        pickedUpAt.reset();
    } else if (isWireKind(mode)) {
        if (!wireDrawing) {
            return false;
        }
        if (!finishWire(snapped)) {
            return true;  // nothing added; the dot of the empty wire stays until the next paint
        }
    } else if (mode == KIND_JOINT) {
        const Point gridPoint{snapped.x / doc.gridSize, snapped.y / doc.gridSize};
        if (splitWireAtJoint(doc, gridPoint)) {
            previewElement.reset();
            previewChanged = true;
        }
    } else if (mode == MODE_INFO) {
        showInformation(logical);
    } else if (mode == MODE_DELETE) {
        if (CComponent* hit = HitTest(doc, logical)) {
            doc.RemoveComponent(hit);
        }
    } else if (mode == MODE_EDIT) {
        if (!edit(logical)) {
            return false;
        }
    } else if (mode == setDatumMode) {
        chooseDatum(logical);
    } else if (mode == nodeEquationMode) {
        presentNodeEquations(doc.port(), showNodeEquations(doc, logical));
    }
    doc.UpdateAllViews();
    return previewChanged;
}

bool CircuitEditor::rightRelease(Point logical)
{
    if (!isPlacingMode(doc.mode)) {
        return false;
    }
    doc.orientation = ((doc.orientation + 1) % 4 + 4) % 4;
    replacePreview(logical);
    return true;
}

void CircuitEditor::cancelPendingMove()
{
    if (pendingMove.active()) {
        previewElement.reset();
        pendingMove.cancel(doc);
    }
}

bool CircuitEditor::escape()
{
    if (pendingMove.active()) {
        cancelPendingMove();
        return true;
    }
    if (!isPlacingMode(doc.mode) && !isWireKind(doc.mode)) {
        return false;
    }
    previewElement.reset();
    wireDrawing = false;
    pressedToPlace = 0;
    doc.mode = MODE_SELECT;
    return true;
}

void CircuitEditor::replacePreview(Point logical)
{
    previewElement.reset();
    anchor = snapToGrid(logical, doc.gridSize);
    previewElement = createElement(DISPLAY_GHOST);
}

std::unique_ptr<CComponent> CircuitEditor::createElement(int displayState)
{
    std::unique_ptr<CComponent> element = CreateElementForMode(doc, anchor, end, displayState);
    if (const CComponent* moved = pendingMove.pickedUp(); element && moved != nullptr) {
        element->takeMovedIdentity(moved->name, moved->value);
    }
    return element;
}

void CircuitEditor::pickUp(Point logical)
{
    CComponent* hit = HitTest(doc, logical);
    if (hit != nullptr && hit->kindCode != KIND_WIRE) {
        pendingMove.pickUp(doc, *hit);
        pressedToPlace = doc.mode;
        pickedUpAt = snapToGrid(logical, doc.gridSize);
    }
}

void CircuitEditor::placeComponent(Point snapped)
{
    pressedToPlace = 0;
    previewElement.reset();
    anchor = snapped;
    std::unique_ptr<CComponent> element = createElement(DISPLAY_PLACED);
    if (!element) {
        return;
    }
    const int g = doc.gridSize;
    const int style = doc.display().resistorStyle;
    doc.AddComponent(std::make_unique<CNode>(element->startPoint, 0, DISPLAY_GHOST, g, style));
    doc.AddComponent(std::make_unique<CNode>(element->finishPoint, 0, DISPLAY_GHOST, g, style));
    const bool moving = pendingMove.active();
    if (!moving) {
        advanceNameCounter(doc, element->kindCode);
    }
    doc.AddComponent(std::move(element));
    if (moving) {
        doc.mode = MODE_MOVE;
        removeOrphans(doc, KIND_JOINT);
        removeOrphans(doc, KIND_WIRE);
        pendingMove.placed();
    }
}

bool CircuitEditor::finishWire(Point snapped)
{
    wireDrawing = false;
    end = snapped;
    std::unique_ptr<CComponent> wire = CreateElementForMode(doc, anchor, end, DISPLAY_GHOST);
    if (end == anchor) {
        previewElement = std::move(wire);
        return false;
    }
    const Point start = wire->startPoint;
    const Point finish = wire->finishPoint;
    const int g = doc.gridSize;
    const int style = doc.display().resistorStyle;
    doc.AddComponent(std::move(wire));
    doc.AddComponent(std::make_unique<CNode>(start, 0, DISPLAY_GHOST, g, style));
    doc.AddComponent(std::make_unique<CNode>(finish, 0, DISPLAY_GHOST, g, style));
    advanceNameCounter(doc, doc.mode);
    previewElement.reset();
    return true;
}

void CircuitEditor::showInformation(Point logical)
{
    const CComponent* hit = HitTestForDialog(doc, logical);
    if (hit == nullptr) {
        return;
    }
    if (isSourceOrResistorKind(hit->kindCode)) {
        dialogs.showComponentInfo(componentProperties(doc, *hit));
    } else if (hit->kindCode == KIND_JOINT) {
        dialogs.showNodeInfo(nodeProperties(*hit));
    }
}

bool CircuitEditor::edit(Point logical)
{
    CComponent* hit = HitTestForDialog(doc, logical);
    if (hit == nullptr) {
        return true;
    }
    if (hit->kindCode == KIND_WIRE) {
        return false;
    }
    if (hit->kindCode == KIND_JOINT) {
        const std::string oldLabel = hit->label;
        if (const auto name = dialogs.editNodeName(oldLabel)) {
            renameNode(doc, oldLabel, *name);
        }
    } else if (const auto accepted = dialogs.editComponent({hit->label, hit->value}, unitText(hit->kindCode))) {
        applyComponentEdit(doc, *hit, *accepted);
    }
    return true;
}

void CircuitEditor::chooseDatum(Point logical)
{
    if (const CComponent* joint = jointAt(doc, logical)) {
        // The datum is stored with the circuit: choosing another one is a change of it.
        if (joint->startNode != doc.datumNode) {
            doc.noteEdit();
        }
        selectDatum(doc, joint->startNode);
    }
}

}  // namespace kirvolt
