#include "editing/document_commands.h"

#include <algorithm>
#include <string>

#include "analysis/known_methods.h"
#include "analysis/loop_method.h"
#include "analysis/mesh_method.h"
#include "analysis/nodal_solver.h"
#include "analysis/node_extraction.h"
#include "analysis/node_numbering.h"
#include "document/wording.h"
#include "editing/command_ids.h"
#include "equations/equation_check.h"
#include "equations/loop_equation_check.h"
#include "equations/mesh_equation_check.h"
#include "equations/method_equations.h"

namespace kirvolt {

namespace {

const char* const NOT_READY = WORDING_NOOP("DocumentCommands", "Will be ready in the next version.");

using Effect = void (*)(CKirvoltDoc&);
using CheckRule = bool (*)(const CKirvoltDoc&);

struct EffectEntry {
    int id;
    Effect run;
};

struct CheckEntry {
    int id;
    CheckRule checked;
};

template <int Mode>
void modeCommand(CKirvoltDoc& doc)
{
    setMode(doc, Mode);
}

template <int Orientation>
void orientationCommand(CKirvoltDoc& doc)
{
    setOrientation(doc, Orientation);
}

template <int Style>
void gridCommand(CKirvoltDoc& doc)
{
    setGridStyle(doc, Style);
}

template <int Style>
void styleCommand(CKirvoltDoc& doc)
{
    setResistorStyle(doc, Style);
}

void notReady(CKirvoltDoc& doc)
{
    doc.showMessage(wording("DocumentCommands", NOT_READY));
}

void assignNodeNumbers(CKirvoltDoc& doc)
{
    buildNodes(doc);
    numberBranches(doc);
    doc.UpdateAllViews();
}

// Datum selection needs node numbers on screen and nodes to click on.
void setDatumNodeMode(CKirvoltDoc& doc)
{
    doc.mode = setDatumMode;
    doc.display().showNodeNumbers = 1;
    if (doc.nodesValid == 0) {
        buildNodes(doc);
        numberBranches(doc);
    }
    doc.UpdateAllViews();
}

// The equations panel shows the equations of the circuit's method as the commands that number
// the circuit last wrote them; why they cannot be written is shown unless it was just said.
void writeShownEquations(CKirvoltDoc& doc, const std::string& saidAlready = {})
{
    if (doc.showEquations != 1) {
        return;
    }
    if (const auto problem = writePanelEquations(doc); problem && problem->message != saidAlready) {
        doc.port().showMessage(problem->message, problem->highlight);
    }
}

// The tables are filled from the drawing as it is now, so that the equations and the node
// clicks that follow read one consistent numbering.
void toggleEquations(CKirvoltDoc& doc)
{
    doc.showEquations = doc.showEquations == 1 ? 0 : 1;
    doc.mode = nodeEquationMode;
    prepareNumbering(doc);
    writeShownEquations(doc);
    doc.UpdateAllViews();
}

void useNodalAnalysis(CKirvoltDoc& doc)
{
    doc.analysisMethod = nodalMethod().name();
    prepareNumbering(doc);
    doc.mode = nodeEquationMode;
    writeShownEquations(doc);
    doc.UpdateAllViews();
}

// Clicking a node then opens its check; the node names are shown, since the equation is
// written with them. A circuit that cannot be checked against is refused straight away.
void checkMyNodeEquation(CKirvoltDoc& doc)
{
    if (const auto refusal = equationCheckRefusal(doc)) {
        doc.port().showMessage(refusal->message, refusal->highlight);
        return;
    }
    doc.mode = checkEquationMode;
    doc.display().showNodeNumbers = 1;
    doc.UpdateAllViews();
}

// Clicking inside a mesh then opens its check. A drawing the mesh current method cannot take
// is refused straight away.
template <typename System>
std::optional<Explanation> refusalOf(const std::variant<System, Explanation>& built)
{
    const auto* why = std::get_if<Explanation>(&built);
    return why ? std::optional(*why) : std::nullopt;
}

// Under the loop current method the equations to check are its loops'.
void checkMyMeshEquation(CKirvoltDoc& doc)
{
    const std::optional<Explanation> refusal =
        methodOf(doc).name() == loopMethod().name() ? refusalOf(loopEquationCheckSystem(doc)) : refusalOf(meshEquationCheckSystem(doc));
    if (refusal) {
        doc.port().showMessage(refusal->message, refusal->highlight);
        return;
    }
    doc.mode = checkMeshEquationMode;
    doc.UpdateAllViews();
}

// The circuit analysed by the method last chosen for it; a refusal is shown with the parts it
// marks.
void analyseByChosenMethod(CKirvoltDoc& doc)
{
    const AnalysisOutcome outcome = analyseCircuit(doc, methodOf(doc));
    showOutcome(doc, outcome);
    if (!outcome) {
        doc.port().showMessage(outcome.refusal->message, outcome.refusal->highlight);
    }
    if (doc.nodeCount >= 1) {
        writeShownEquations(doc, outcome ? std::string() : outcome.refusal->message);
        doc.UpdateAllViews();
    }
}

// Analyse > Using: the method chosen for the circuit, which Compute and Analyse as I Draw then
// run too.
template <const AnalysisMethod& (*Method)()>
void analyseBy(CKirvoltDoc& doc)
{
    doc.analysisMethod = Method().name();
    analyseByChosenMethod(doc);
}

const EffectEntry EFFECTS[] = {
    {ID_DRAW_SELECT, modeCommand<MODE_SELECT>},
    {ID_DRAW_RESISTOR, modeCommand<KIND_RESISTOR>},
    {ID_DRAW_VOLTAGE_SOURCE, modeCommand<KIND_VOLTAGE_SOURCE>},
    {ID_DRAW_CURRENT_SOURCE, modeCommand<KIND_CURRENT_SOURCE>},
    {ID_DRAW_AMMETER, modeCommand<KIND_AMMETER>},
    {ID_DRAW_VOLTMETER, modeCommand<KIND_VOLTMETER>},
    {ID_DRAW_WIRE, modeCommand<KIND_WIRE>},
    {ID_DRAW_TURNING_WIRE, modeCommand<KIND_WIRE_TURN_HV>},
    {ID_DRAW_TURNED_WIRE, modeCommand<KIND_WIRE_TURN_VH>},
    {ID_DRAW_JOINT, modeCommand<KIND_JOINT>},
    {ID_DRAW_EAST, orientationCommand<ORIENT_EAST>},
    {ID_DRAW_NORTH, orientationCommand<ORIENT_NORTH>},
    {ID_DRAW_WEST, orientationCommand<ORIENT_WEST>},
    {ID_DRAW_SOUTH, orientationCommand<ORIENT_SOUTH>},
    {ID_EDIT_INFO, modeCommand<MODE_INFO>},
    {ID_EDIT_MOVE, modeCommand<MODE_MOVE>},
    {ID_EDIT_DELETE, modeCommand<MODE_DELETE>},
    {ID_EDIT_VALUE, modeCommand<MODE_EDIT>},
    {ID_EDIT_NAME, modeCommand<MODE_NAME>},
    {ID_NODES_ASSIGN, assignNodeNumbers},
    {ID_NODES_SHOW, toggleNodeNumbers},
    {ID_NODES_DATUM, setDatumNodeMode},
    {ID_VIEW_NO_GRID, gridCommand<GRID_NONE>},
    {ID_VIEW_DOT_GRID, gridCommand<GRID_DOTS>},
    {ID_VIEW_SQUARE_GRID, gridCommand<GRID_SQUARES>},
    {ID_ZOOM_IN, zoomIn},
    {ID_ZOOM_OUT, zoomOut},
    {ID_VIEW_EUROPEAN_STYLE, styleCommand<STYLE_EUROPEAN>},
    {ID_VIEW_US_STYLE, styleCommand<STYLE_US>},
    {ID_VIEW_REDRAW, redraw},
    {ID_EQUATIONS_NODAL, useNodalAnalysis},
    {ID_SHOW_EQUATION, toggleEquations},
    {ID_TUTOR_CHECK_EQUATION, checkMyNodeEquation},
    {ID_TUTOR_CHECK_MESH_EQUATION, checkMyMeshEquation},
    {ID_ANALYSE_NODE_VOLTAGE, analyseBy<nodalMethod>},
    {ID_ANALYSE_MESH_CURRENT, analyseBy<meshMethod>},
    {ID_ANALYSE_LOOP_CURRENT, analyseBy<loopMethod>},
    {ID_COMPUTE, analyseByChosenMethod},
    {ID_EDIT_GROUP, notReady},
};

template <const AnalysisMethod& (*Method)()>
bool methodIs(const CKirvoltDoc& doc)
{
    return &methodOf(doc) == &Method();
}

template <int Mode>
bool modeIs(const CKirvoltDoc& doc)
{
    return doc.mode == Mode;
}

template <int Orientation>
bool orientationIs(const CKirvoltDoc& doc)
{
    return doc.orientation == Orientation;
}

template <int Style>
bool gridIs(const CKirvoltDoc& doc)
{
    return doc.gridStyle == Style;
}

template <int Style>
bool styleIs(const CKirvoltDoc& doc)
{
    return doc.display().resistorStyle == Style;
}

const CheckEntry CHECK_RULES[] = {
    {ID_DRAW_SELECT, modeIs<MODE_SELECT>},
    {ID_DRAW_RESISTOR, modeIs<KIND_RESISTOR>},
    {ID_DRAW_VOLTAGE_SOURCE, modeIs<KIND_VOLTAGE_SOURCE>},
    {ID_DRAW_CURRENT_SOURCE, modeIs<KIND_CURRENT_SOURCE>},
    {ID_ANALYSE_NODE_VOLTAGE, methodIs<nodalMethod>},
    {ID_ANALYSE_MESH_CURRENT, methodIs<meshMethod>},
    {ID_ANALYSE_LOOP_CURRENT, methodIs<loopMethod>},
    {ID_DRAW_AMMETER, modeIs<KIND_AMMETER>},
    {ID_DRAW_VOLTMETER, modeIs<KIND_VOLTMETER>},
    {ID_DRAW_WIRE, modeIs<KIND_WIRE>},
    {ID_DRAW_TURNING_WIRE, modeIs<KIND_WIRE_TURN_HV>},
    {ID_DRAW_TURNED_WIRE, modeIs<KIND_WIRE_TURN_VH>},
    {ID_DRAW_JOINT, modeIs<KIND_JOINT>},
    {ID_DRAW_EAST, orientationIs<ORIENT_EAST>},
    {ID_DRAW_NORTH, orientationIs<ORIENT_NORTH>},
    {ID_DRAW_WEST, orientationIs<ORIENT_WEST>},
    {ID_DRAW_SOUTH, orientationIs<ORIENT_SOUTH>},
    {ID_EDIT_INFO, modeIs<MODE_INFO>},
    {ID_EDIT_MOVE, modeIs<MODE_MOVE>},
    {ID_EDIT_DELETE, modeIs<MODE_DELETE>},
    {ID_EDIT_VALUE, modeIs<MODE_EDIT>},
    {ID_NODES_DATUM, modeIs<setDatumMode>},
    {ID_VIEW_NO_GRID, gridIs<GRID_NONE>},
    {ID_VIEW_DOT_GRID, gridIs<GRID_DOTS>},
    {ID_VIEW_SQUARE_GRID, gridIs<GRID_SQUARES>},
    {ID_VIEW_EUROPEAN_STYLE, styleIs<STYLE_EUROPEAN>},
    {ID_VIEW_US_STYLE, styleIs<STYLE_US>},
    {ID_TUTOR_NODAL, modeIs<nodeEquationMode>},
    {ID_TUTOR_CHECK_EQUATION, modeIs<checkEquationMode>},
    {ID_TUTOR_CHECK_MESH_EQUATION, modeIs<checkMeshEquationMode>},
};

std::optional<std::uint16_t> zoomLevelOf(int commandId)
{
    if (commandId < ID_ZOOM_50 || commandId > ID_ZOOM_500) {
        return std::nullopt;
    }
    return ZOOM_LEVELS[static_cast<std::size_t>(commandId - ID_ZOOM_50)];
}

// Moves gridSize by one level; returns false where there is no level to move to.
bool stepZoom(CKirvoltDoc& doc, std::uint16_t next)
{
    const bool atLevel = std::ranges::find(ZOOM_LEVELS, doc.gridSize) != ZOOM_LEVELS.end();
    if (atLevel && next == doc.gridSize) {
        return false;
    }
    doc.gridSize = next;
    return true;
}

}  // namespace

std::uint16_t zoomedIn(std::uint16_t gridSize)
{
    const auto level = std::ranges::find(ZOOM_LEVELS, gridSize);
    if (level == ZOOM_LEVELS.end() || level + 1 == ZOOM_LEVELS.end()) {
        return gridSize;
    }
    return *(level + 1);
}

std::uint16_t zoomedOut(std::uint16_t gridSize)
{
    const auto level = std::ranges::find(ZOOM_LEVELS, gridSize);
    if (level == ZOOM_LEVELS.end() || level == ZOOM_LEVELS.begin()) {
        return gridSize;
    }
    return *(level - 1);
}

void zoomIn(CKirvoltDoc& doc)
{
    if (stepZoom(doc, zoomedIn(doc.gridSize))) {
        redraw(doc);
    }
}

void zoomOut(CKirvoltDoc& doc)
{
    if (stepZoom(doc, zoomedOut(doc.gridSize))) {
        redraw(doc);
    }
}

void setZoomLevel(CKirvoltDoc& doc, std::uint16_t gridSize)
{
    doc.gridSize = gridSize;
    redraw(doc);
}

void setMode(CKirvoltDoc& doc, int mode)
{
    doc.mode = mode;
}

void setOrientation(CKirvoltDoc& doc, int orientation)
{
    doc.orientation = orientation;
}

void setGridStyle(CKirvoltDoc& doc, int gridStyle)
{
    doc.gridStyle = gridStyle;
    doc.UpdateAllViews();
}

void setResistorStyle(CKirvoltDoc& doc, int style)
{
    doc.display().resistorStyle = static_cast<std::uint16_t>(style);
    redraw(doc);
}

void toggleNodeNumbers(CKirvoltDoc& doc)
{
    int& shown = doc.display().showNodeNumbers;
    shown = shown == 1 ? 0 : 1;
    doc.UpdateAllViews();
}

void redraw(CKirvoltDoc& doc)
{
    doc.rescaleToGrid();
    doc.UpdateAllViews();
}

bool runDocumentCommand(CKirvoltDoc& doc, int commandId)
{
    if (const auto level = zoomLevelOf(commandId)) {
        setZoomLevel(doc, *level);
        return true;
    }
    const auto entry = std::ranges::find(EFFECTS, commandId, &EffectEntry::id);
    if (entry == std::end(EFFECTS)) {
        return false;
    }
    entry->run(doc);
    return true;
}

bool handlesDocumentCommand(int commandId)
{
    return zoomLevelOf(commandId).has_value() || std::ranges::find(EFFECTS, commandId, &EffectEntry::id) != std::end(EFFECTS);
}

std::optional<bool> commandChecked(const CKirvoltDoc& doc, int commandId)
{
    if (const auto level = zoomLevelOf(commandId)) {
        return doc.gridSize == *level;
    }
    const auto entry = std::ranges::find(CHECK_RULES, commandId, &CheckEntry::id);
    if (entry == std::end(CHECK_RULES)) {
        return std::nullopt;
    }
    return entry->checked(doc);
}

}  // namespace kirvolt
