#include "editing/circuit_editor.h"

#include <algorithm>

#include "analysis/known_methods.h"
#include "analysis/nodal_solver.h"
#include "analysis/node_extraction.h"
#include "analysis/node_names.h"
#include "analysis/node_numbering.h"
#include "document/hit_test.h"
#include "document/value_range.h"
#include "document/wording.h"
#include "editing/circuit_clipboard.h"
#include "editing/element_edits.h"
#include "editing/element_factory.h"
#include "editing/grid_snap.h"
#include "editing/orphan_removal.h"
#include "editing/selection_edits.h"
#include "editing/value_steps.h"
#include "editing/wire_split.h"
#include "equations/equation_check_click.h"
#include "equations/method_equations.h"
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
        return nodeJointAt(doc, logical);
    case nodeEquationMode:
    case checkEquationMode:
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
        return isTwoTerminalKind(kind) || isWireKind(kind) || joint ? EditorCursor::CursorDelete
                                                                   : EditorCursor::CursorDefault;
    case MODE_MOVE:
        return isTwoTerminalKind(kind) || joint ? EditorCursor::CursorMove : EditorCursor::CursorDefault;
    case MODE_EDIT:
        return isSourceOrResistorKind(kind) || joint ? EditorCursor::CursorEdit : EditorCursor::CursorDefault;
    case setDatumMode:
        return joint ? EditorCursor::CursorDatum : EditorCursor::CursorDefault;
    case nodeEquationMode:
    case checkEquationMode:
        return joint ? EditorCursor::CursorInfo : EditorCursor::CursorDefault;
    default:
        return EditorCursor::CursorDefault;
    }
}

// How the Edit menu names an edit of the element: "R3", "W4", or "Joint" for a joint.
std::string nameInMenu(const CComponent& element)
{
    return element.kindCode == KIND_JOINT || element.name.empty() ? wording("EditSteps", "Joint") : element.name;
}

bool actsOnElements(int mode)
{
    return mode == MODE_INFO || mode == MODE_DELETE || mode == MODE_MOVE || mode == MODE_EDIT ||
           mode == setDatumMode || mode == nodeEquationMode || mode == checkEquationMode ||
           mode == checkMeshEquationMode;
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
        feedback.previewChanged = selectMove(logical);
        return feedback;
    }
    if (isWireKind(mode) && !wireDrawing) {
        if (jointAt(doc, logical) != nullptr) {
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
        doc.showMessage(wording("CircuitEditor", "Kirvolt default procedure for MouseMove is called, move cursor out of "
                                                 "client area and press [Enter]."));
    }
    return feedback;
}

bool CircuitEditor::leftPress(Point logical, bool extend)
{
    if (doc.mode == MODE_SELECT) {
        return selectPress(logical, extend);
    }
    pressedToPlace = isTwoTerminalKind(doc.mode) ? doc.mode : 0;
    if (isWireKind(doc.mode)) {
        previewElement.reset();
        wireDrawing = true;
        anchor = snapToGrid(logical, doc.gridSize);
        end = anchor;
        return true;
    }
    if (doc.mode == MODE_MOVE) {
        settle();
        pickUp(logical);
    }
    return false;
}

bool CircuitEditor::leftRelease(Point logical)
{
    const Point snapped = snapToGrid(logical, doc.gridSize);
    const int mode = doc.mode;
    if (mode == MODE_SELECT) {
        return selectRelease(logical);
    }
    settle();
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
            commit(wording("EditSteps", "Place Joint"));
            previewElement.reset();
            previewChanged = true;
        }
    } else if (mode == MODE_INFO) {
        showInformation(logical);
    } else if (mode == MODE_DELETE) {
        if (CComponent* hit = HitTest(doc, logical)) {
            const std::string name = fillIn(wording("EditSteps", "Delete %1"), {nameInMenu(*hit)});
            doc.RemoveComponent(hit);
            commit(name);
        }
    } else if (mode == MODE_EDIT) {
        if (!edit(logical)) {
            return false;
        }
    } else if (mode == setDatumMode) {
        chooseDatum(logical);
    } else if (mode == nodeEquationMode) {
        if (!doc.tablesAreCurrent()) {
            prepareNumbering(doc);
        }
        if (const MethodEquations* equations = equationsOf(methodOf(doc))) {
            presentNodeEquations(doc.port(), equations->showAt(doc, logical));
        }
    } else if (mode == checkEquationMode) {
        presentEquationCheck(doc, logical, doc.port());
    } else if (mode == checkMeshEquationMode) {
        presentMeshEquationCheck(doc, logical, doc.port());
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

bool CircuitEditor::doubleClick(Point logical)
{
    if (doc.mode != MODE_SELECT) {
        return false;
    }
    const CComponent* hit = HitTestForDialog(doc, logical);
    if (hit == nullptr || isWireKind(hit->kindCode)) {
        return false;
    }
    editAt(logical);
    return true;
}

CircuitEditor::Pointed CircuitEditor::pointAt(Point logical)
{
    cancelPendingMove();
    const CComponent* hit = HitTestForDialog(doc, logical);
    if (hit == nullptr) {
        return Pointed::Nothing;
    }
    if (!chosen.contains(*hit)) {
        chosen.replace({hit->recordId});
    }
    if (hit->kindCode == KIND_JOINT) {
        return Pointed::Joint;
    }
    return isSourceOrResistorKind(hit->kindCode) ? Pointed::Component : Pointed::Other;
}

void CircuitEditor::editAt(Point logical)
{
    cancelPendingMove();
    settle();
    edit(logical);
    doc.UpdateAllViews();
}

bool CircuitEditor::editRecord(std::uint64_t recordId)
{
    const auto found = std::ranges::find_if(doc.components, [recordId](const auto& c) { return c->recordId == recordId; });
    if (found == doc.components.end() || isWireKind((*found)->kindCode)) {
        return false;
    }
    cancelPendingMove();
    settle();
    edit(found->get());
    doc.UpdateAllViews();
    return true;
}

void CircuitEditor::setDatumAt(Point logical)
{
    cancelPendingMove();
    if (doc.nodesValid == 0) {
        buildNodes(doc);
        numberBranches(doc);
    }
    doc.display().showNodeNumbers = 1;
    settle();
    chooseDatum(logical);
    doc.UpdateAllViews();
}

void CircuitEditor::cancelPendingMove()
{
    if (pendingMove.active()) {
        previewElement.reset();
        pendingMove.cancel(doc);
    }
    if (drag.active()) {
        drag.cancel(doc);
        doc.UpdateAllViews();
    }
    dragFrom.reset();
    bandFrom.reset();
}

void CircuitEditor::selectAll()
{
    cancelPendingMove();
    chosen.replace(allRecords(doc));
}

void CircuitEditor::selectOnly(std::uint64_t recordId)
{
    cancelPendingMove();
    chosen.replace({recordId});
}

bool CircuitEditor::dragSelectionBy(Point gridOffset)
{
    if (!drag.active()) {
        const std::vector<CComponent*> selected = chosen.records(doc);
        if (selected.empty() || pendingMove.active()) {
            return false;
        }
        settle();
        drag.begin(doc, selected);
    }
    if (!drag.moveBy(doc, gridOffset)) {
        return false;
    }
    doc.UpdateAllViews();
    return true;
}

bool CircuitEditor::dropSelection()
{
    if (!drag.active() || dragFrom) {
        return false;
    }
    if (drag.finish(doc)) {
        commit(selectionEditName("Move", chosen.records(doc)));
    }
    doc.UpdateAllViews();
    return true;
}

bool CircuitEditor::deleteSelection(const std::string& verb)
{
    cancelPendingMove();
    settle();
    const std::string name = selectionEditName(verb, chosen.records(doc));
    if (!kirvolt::deleteSelection(doc, chosen)) {
        return false;
    }
    commit(name);
    doc.UpdateAllViews();
    return true;
}

std::string CircuitEditor::paste(std::span<const std::uint8_t> bytes, std::optional<Point> pointerLogical)
{
    cancelPendingMove();
    settle();
    std::optional<Point> pointerGrid;
    if (pointerLogical) {
        const Point snapped = snapToGrid(*pointerLogical, doc.gridSize);
        pointerGrid = Point{snapped.x / doc.gridSize, snapped.y / doc.gridSize};
    }
    PasteOutcome outcome = pasteCircuit(doc, bytes, pointerGrid);
    if (!outcome.problem.empty()) {
        return outcome.problem;
    }
    if (!outcome.pasted.empty()) {
        chosen.replace(std::move(outcome.pasted));
        commit(wording("EditSteps", "Paste"));
        doc.UpdateAllViews();
    }
    return {};
}

bool CircuitEditor::turn(Turn how)
{
    if (isPlacingMode(doc.mode)) {
        doc.orientation = turnedOrientation(((doc.orientation % 4) + 4) % 4, how);
        if (previewElement) {
            replacePreview(anchor);
        }
        return true;
    }
    cancelPendingMove();
    settle();
    const std::vector<CComponent*> selected = chosen.records(doc);
    if (selected.empty()) {
        return false;
    }
    const std::string name = selectionEditName(how == Turn::Rotate ? "Rotate" : "Mirror", selected);
    if (const auto refusal = turnSelection(doc, selected, how)) {
        doc.showMessage(*refusal);
        return false;
    }
    commit(name);
    doc.UpdateAllViews();
    return true;
}

bool CircuitEditor::flipCorner()
{
    if (doc.mode != KIND_WIRE_TURN_HV && doc.mode != KIND_WIRE_TURN_VH) {
        return false;
    }
    doc.mode = doc.mode == KIND_WIRE_TURN_HV ? KIND_WIRE_TURN_VH : KIND_WIRE_TURN_HV;
    return true;
}

std::optional<Point> CircuitEditor::wireCorner() const
{
    if (!wireDrawing || doc.mode == KIND_WIRE) {
        return std::nullopt;
    }
    return doc.mode == KIND_WIRE_TURN_HV ? Point{end.x, anchor.y} : Point{anchor.x, end.y};
}

bool CircuitEditor::canTurn() const
{
    return isPlacingMode(doc.mode) || !chosen.records(doc).empty();
}

std::optional<Rect> CircuitEditor::rubberBand() const
{
    if (!bandFrom) {
        return std::nullopt;
    }
    return Rect{std::min(bandFrom->x, bandTo.x), std::min(bandFrom->y, bandTo.y), std::max(bandFrom->x, bandTo.x),
                std::max(bandFrom->y, bandTo.y)};
}

// A press on an element selects it (Shift: adds or takes it away) and may start a drag of the
// selection; a press on empty space starts a rubber band.
bool CircuitEditor::selectPress(Point logical, bool extend)
{
    cancelPendingMove();
    settle();
    CComponent* hit = HitTest(doc, logical);
    if (hit == nullptr) {
        bandFrom = logical;
        bandTo = logical;
        bandExtends = extend;
        if (!extend) {
            chosen.clear();
        }
        return true;
    }
    if (extend) {
        chosen.toggle(hit->recordId);
        return true;
    }
    if (!chosen.contains(*hit)) {
        chosen.replace({hit->recordId});
    }
    dragFrom = snapToGrid(logical, doc.gridSize);
    drag.begin(doc, chosen.records(doc));
    return true;
}

bool CircuitEditor::selectMove(Point logical)
{
    if (dragFrom && drag.active()) {
        const int g = doc.gridSize;
        const Point at = snapToGrid(logical, g);
        if (drag.moveBy(doc, {(at.x - dragFrom->x) / g, (at.y - dragFrom->y) / g})) {
            doc.UpdateAllViews();
            return true;
        }
        return false;
    }
    if (bandFrom) {
        bandTo = logical;
        return true;
    }
    return false;
}

bool CircuitEditor::selectRelease(Point logical)
{
    if (dragFrom) {
        selectMove(logical);
        dragFrom.reset();
        if (drag.finish(doc)) {
            commit(selectionEditName("Move", chosen.records(doc)));
            doc.UpdateAllViews();
        }
        return true;
    }
    if (bandFrom) {
        bandTo = logical;
        const std::vector<std::uint64_t> inside = recordsInside(doc, *rubberBand());
        bandFrom.reset();
        if (bandExtends) {
            for (const std::uint64_t id : inside) {
                chosen.add(id);
            }
        } else {
            chosen.replace(inside);
        }
        return true;
    }
    return false;
}

void CircuitEditor::settle()
{
    if (!pendingMove.active()) {
        history.settle(doc);
    }
}

void CircuitEditor::commit(const std::string& name)
{
    if (!pendingMove.active()) {
        history.commit(doc, name);
    }
}

bool CircuitEditor::escape()
{
    if (pendingMove.active() || drag.active() || bandFrom) {
        cancelPendingMove();
        return true;
    }
    if (isPlacingMode(doc.mode) || isWireKind(doc.mode)) {
        previewElement.reset();
        wireDrawing = false;
        pressedToPlace = 0;
        doc.mode = MODE_SELECT;
        return true;
    }
    if (!chosen.empty()) {
        chosen.clear();
        return true;
    }
    return false;
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
    if (hit != nullptr && !isWireKind(hit->kindCode)) {
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
    const std::string name = fillIn(moving ? wording("EditSteps", "Move %1") : wording("EditSteps", "Place %1"), {nameInMenu(*element)});
    doc.AddComponent(std::move(element));
    if (moving) {
        doc.mode = MODE_MOVE;
        removeOrphans(doc, KIND_JOINT);
        removeOrphans(doc, KIND_WIRE);
        pendingMove.placed();
    }
    commit(name);
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
    const std::string name = fillIn(wording("EditSteps", "Draw %1"), {nameInMenu(*wire)});
    const int g = doc.gridSize;
    const int style = doc.display().resistorStyle;
    doc.AddComponent(std::move(wire));
    doc.AddComponent(std::make_unique<CNode>(start, 0, DISPLAY_GHOST, g, style));
    doc.AddComponent(std::make_unique<CNode>(finish, 0, DISPLAY_GHOST, g, style));
    advanceNameCounter(doc, doc.mode);
    commit(name);
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
    return edit(HitTestForDialog(doc, logical));
}

bool CircuitEditor::edit(CComponent* hit)
{
    if (hit == nullptr) {
        return true;
    }
    if (isWireKind(hit->kindCode)) {
        return false;
    }
    if (hit->kindCode == KIND_JOINT) {
        const std::string oldLabel = hit->label;
        if (const auto name = dialogs.editNodeName(oldLabel)) {
            renameNode(doc, oldLabel, *name);
            commit(fillIn(wording("EditSteps", "Rename Node %1"), {oldLabel}));
        }
    } else if (const auto accepted = dialogs.editComponent({hit->label, hit->value}, unitText(hit->kindCode))) {
        // The dialog refuses these itself; a value from anywhere else must not make a circuit
        // that its own file would refuse.
        if (const auto why = valueRangeRefusal(hit->kindCode, accepted->name, accepted->value)) {
            doc.showMessage(*why);
            return true;
        }
        const std::string name = fillIn(wording("EditSteps", "Edit %1"), {nameInMenu(*hit)});
        applyComponentEdit(doc, *hit, *accepted);
        commit(name);
    }
    return true;
}

const CComponent* CircuitEditor::stepValueAt(Point logical, int steps, std::uint64_t carryOnRecord)
{
    return stepValueOf(HitTestForDialog(doc, logical), steps, carryOnRecord);
}

const CComponent* CircuitEditor::stepValueByKey(std::optional<Point> pointerLogical, int steps, std::uint64_t carryOnRecord)
{
    CComponent* pointed = pointerLogical ? HitTestForDialog(doc, *pointerLogical) : nullptr;
    if (pointed == nullptr || !isSourceOrResistorKind(pointed->kindCode)) {
        const std::vector<CComponent*> selected = chosen.records(doc);
        pointed = selected.size() == 1 ? selected.front() : nullptr;
    }
    return stepValueOf(pointed, steps, carryOnRecord);
}

const CComponent* CircuitEditor::stepValueOf(CComponent* hit, int steps, std::uint64_t carryOnRecord)
{
    if (pendingMove.active() || drag.active()) {
        return nullptr;
    }
    const std::optional<double> next = hit != nullptr ? wheelStepValue(hit->kindCode, hit->value, steps) : std::nullopt;
    if (!next) {
        return nullptr;
    }
    settle();
    const std::string name = fillIn(wording("EditSteps", "Edit %1"), {nameInMenu(*hit)});
    applyComponentEdit(doc, *hit, {hit->label, *next});
    if (carryOnRecord == 0 || hit->recordId != carryOnRecord || !history.amend(doc)) {
        commit(name);
    }
    doc.UpdateAllViews();
    return hit;
}

void CircuitEditor::chooseDatum(Point logical)
{
    if (const CComponent* joint = nodeJointAt(doc, logical)) {
        // The datum is stored with the circuit: choosing another one is a change of it.
        const int node = joint->startNode;
        if (node != doc.datumNode) {
            doc.noteEdit();
        }
        selectDatum(doc, node);
        commit(fillIn(wording("EditSteps", "Set Datum Node %1"), {nodeName(doc, node)}));
    }
}

}  // namespace kirvolt
