#include "app/command_table.h"

#include <QtGlobal>

#include "app/app_command_ids.h"
#include "editing/command_ids.h"

namespace kirvolt {

namespace {

#define T(text) QT_TRANSLATE_NOOP("CMainFrame", text)

constexpr CommandRoute APP = CommandRoute::Application;
constexpr CommandRoute DOC = CommandRoute::Document;

const CommandEntry COMMANDS[] = {
    {ID_FILE_NEW, T("&New"), T("Create a new document\nNew"), "new.svg", "Ctrl+N", APP},
    {ID_FILE_NEW_EXERCISE, T("New Exerc&ise..."),
     T("Make a circuit to solve, at the difficulty and from the seed chosen\nNew Exercise"), nullptr, nullptr, APP},
    {ID_FILE_OPEN, T("&Open..."), T("Open an existing document\nOpen"), nullptr, "Ctrl+O", APP},
    {ID_FILE_CLOSE, T("&Close"), T("Close the active document\nClose"), nullptr, nullptr, DOC},
    {ID_FILE_SAVE, T("&Save"), T("Save the active document\nSave"), nullptr, "Ctrl+S", DOC},
    {ID_FILE_SAVE_AS, T("Save &As..."), T("Save the active document with a new name\nSave As"), nullptr, nullptr,
     DOC},
    {ID_FILE_EXPORT_NETLIST, T("&Export SPICE Netlist..."),
     T("Write the active circuit as a SPICE netlist\nExport SPICE Netlist"), nullptr, nullptr, DOC},
    {ID_FILE_PRINT, T("&Print..."), T("Print the active document\nPrint"), nullptr, "Ctrl+P", DOC},
    {ID_FILE_PRINT_PREVIEW, T("Print Pre&view"), T("Display full pages\nPrint Preview"), nullptr, nullptr, DOC},
    {ID_FILE_PRINT_SETUP, T("P&rint Setup..."), T("Change the printer and printing options\nPrint Setup"), nullptr,
     nullptr, APP},
    {ID_FILE_EXPORT_PICTURE, T("&Export Picture..."),
     T("Save a picture of the circuit as PNG, SVG or PDF\nExport Picture"), nullptr, nullptr, DOC},
    {ID_FILE_EXPORT_SOLUTION, T("Export &Worked Solution..."),
     T("Save the analysed circuit's worked solution as HTML or PDF\nExport Worked Solution"), nullptr, nullptr, DOC},
    {ID_APP_EXIT, T("E&xit"), T("Quit the application; prompts to save documents\nExit"), nullptr, nullptr, APP},

    {ID_EDIT_UNDO, T("&Undo"), T("Undo the last action\nUndo"), nullptr, "Ctrl+Z; Alt+Backspace", DOC},
    {ID_EDIT_REDO, T("&Redo"), T("Redo the previously undone action\nRedo"), nullptr, "Ctrl+Y; Ctrl+Shift+Z", DOC},
    {ID_EDIT_CUT, T("Cu&t"), T("Cut the selection and put it on the Clipboard\nCut"), nullptr,
     "Ctrl+X; Shift+Del", DOC},
    {ID_EDIT_COPY, T("&Copy"), T("Copy the selection and put it on the Clipboard\nCopy"), nullptr,
     "Ctrl+C; Ctrl+Ins", DOC},
    {ID_EDIT_PASTE, T("&Paste"), T("Insert Clipboard contents\nPaste"), nullptr, "Ctrl+V; Shift+Ins", DOC},
    {ID_EDIT_CLEAR, T("De&lete Selection"), T("Delete the selection\nDelete Selection"), nullptr, "Del; Backspace",
     DOC},
    {ID_EDIT_SELECT_ALL, T("Select &All"), T("Select the entire circuit\nSelect All"), nullptr, "Ctrl+A", DOC},
    {ID_EDIT_COPY_PICTURE, T("Copy P&icture"), T("Put a picture of the circuit on the Clipboard\nCopy Picture"),
     nullptr, nullptr, DOC},
    {ID_EDIT_ROTATE, T("R&otate"), T("Rotate Component\nRotate"), "rotate.svg", "R", DOC},
    {ID_EDIT_MIRROR, T("M&irror"), T("Mirror Component\nMirror"), "mirror.svg", "M", DOC},
    {ID_EDIT_MOVE, T("&Move"), T("Move a Component\nMove"), "move.svg", nullptr, DOC},
    {ID_EDIT_DELETE, T("&Delete"), T("Delete a Component\nDelete"), "delete.svg", nullptr, DOC},
    {ID_EDIT_INFO, T("Info"), T("Show the Component Information\nInfo"), "info.svg", nullptr, DOC},
    {ID_EDIT_VALUE, T("Value"), T("Edit the Value of a Component\nValue"), "value.svg", nullptr, DOC},
    {ID_NODES_ASSIGN, T("Assign Node Numbers"),
     T("Assign new Node Number to the nodes of the circuit\nAssign Node Numbers"), "node_numbers.svg", nullptr,
     DOC},
    {ID_NODES_SHOW, T("Hide/Show node numbers"),
     T("Hide/Show thr Node Numbers of the circuit\nHide/Show node numbers"), "show_node_numbers.svg", nullptr,
     DOC},
    {ID_NODES_DATUM, T("Set Datum Node"), T("Set a node in the circuit as Datum Node\nSet Datum Node"),
     "datum.svg", nullptr, DOC},

    {ID_VIEW_TOOLBAR, T("&Toolbar"), T("Show or hide the toolbar\nToggle ToolBar"), nullptr, nullptr, APP},
    {ID_VIEW_COMMAND_TOOLBAR, T("&Command Toolbar"),
     T("Show or Hide the Command Toolbar\nToggle Command Toolbar"), nullptr, nullptr, APP},
    {ID_VIEW_STATUS_BAR, T("&Status Bar"), T("Show or hide the status bar\nToggle StatusBar"), nullptr, nullptr,
     APP},
    {ID_VIEW_NO_GRID, T("&No Grid"), T("Hide the Grid Display\nHide Grid"), "no_grid.svg", nullptr, DOC},
    {ID_VIEW_DOT_GRID, T("&Dot Grid"), T("Show the Display of the Dot Grid\nDot Grid"), "dot_grid.svg", nullptr,
     DOC},
    {ID_VIEW_SQUARE_GRID, T("S&quare Grid"), T("Show the Display of Orhtogonal Grid\nSquare Grid"),
     "square_grid.svg", nullptr, DOC},
    {ID_ZOOM_50, T("50%"), nullptr, nullptr, nullptr, DOC},
    {ID_ZOOM_50 + 1, T("75%"), nullptr, nullptr, nullptr, DOC},
    {ID_ZOOM_50 + 2, T("100%"), nullptr, nullptr, nullptr, DOC},
    {ID_ZOOM_50 + 3, T("150%"), nullptr, nullptr, nullptr, DOC},
    {ID_ZOOM_50 + 4, T("200%"), nullptr, nullptr, nullptr, DOC},
    {ID_ZOOM_50 + 5, T("250%"), nullptr, nullptr, nullptr, DOC},
    {ID_ZOOM_50 + 6, T("300%"), nullptr, nullptr, nullptr, DOC},
    {ID_ZOOM_50 + 7, T("350%"), nullptr, nullptr, nullptr, DOC},
    {ID_ZOOM_50 + 8, T("400%"), nullptr, nullptr, nullptr, DOC},
    {ID_ZOOM_50 + 9, T("450%"), nullptr, nullptr, nullptr, DOC},
    {ID_ZOOM_500, T("500%"), nullptr, nullptr, nullptr, DOC},
    {ID_ZOOM_IN, T("Zoom In"), T("Zoom In\nzoom in"), "zoom_in.svg", nullptr, DOC},
    {ID_ZOOM_OUT, T("Zoom Out"), T("Zoom Out\nzoom out"), "zoom_out.svg", nullptr, DOC},
    {ID_ZOOM_SCALE, T("Zoom In or Out"), T("Zoom In or Out\nscale"), "zoom_scale.svg", nullptr, DOC},
    {ID_VIEW_EUROPEAN_STYLE, T("&European Style"), T("Display all Resistors in European Style\nEU Style"),
     "european_style.svg", nullptr, DOC},
    {ID_VIEW_US_STYLE, T("&US Style"), T("Dsiplay all Resistors in US Style\nUS Style"), "us_style.svg", nullptr,
     DOC},
    {ID_VIEW_REDRAW, T("&Re-Draw"), T("Re-Draw\nRe-Draw"), nullptr, nullptr, DOC},
    {ID_EQUATIONS_NODAL, T("Using Nodal Analysis"), nullptr, nullptr, nullptr, DOC},
    {ID_VIEW_MATRIX_FORM, T("&Matrix Form"),
     T("Show the analysed circuit's modified nodal system G x = b, to read or to copy\nMatrix Form"), nullptr,
     nullptr, DOC},
    {ID_VIEW_FORMULAS, T("&Formulas"),
     T("Show every node voltage as a formula in the elements' names, with its value\nFormulas"), nullptr, nullptr,
     DOC},
    {ID_SHOW_EQUATION, T("Show equation"),
     T("Show voltage-current equation and calculation steps.\nShow equation"), "equation.svg", nullptr, DOC},

    {ID_DRAW_SELECT, T("&Select"), T("Select Component Mode\nSelect"), "select.svg", nullptr, DOC},
    {ID_DRAW_RESISTOR, T("&Resistor"), T("Insert a Resistor to the circuit\nResistor"), "resistor.svg", nullptr,
     DOC},
    {ID_DRAW_VOLTAGE_SOURCE, T("&Voltage Source"), T("Insert a Voltage Source to the circuit\nVoltage Source"),
     "voltage_source.svg", nullptr, DOC},
    {ID_DRAW_CURRENT_SOURCE, T("&Current Source"), T("Insert a Current Source to the circuit\nCurrent Source"),
     "current_source.svg", nullptr, DOC},
    {ID_DRAW_AMMETER, T("&Ammeter"), T("Insert Ammeter\nAmmeter"), "ammeter.svg", nullptr, DOC},
    {ID_DRAW_VOLTMETER, T("V&oltmeter"), T("Insert Voltmeter\nVoltmeter"), "voltmeter.svg", nullptr, DOC},
    {ID_DRAW_WIRE, T("&Wire"), T("Place a Wire to Connect Components\nWire"), "wire.svg", nullptr, DOC},
    {ID_DRAW_TURNING_WIRE, T("Turning Wire, &Across First"), T("Connect Wire with Right-Angle Turn\nTurning Wire"),
     "turning_wire.svg", nullptr, DOC},
    {ID_DRAW_TURNED_WIRE, T("Turning Wire, Up or D&own First"),
     T("Connect Wire with Right-Angled Turn\nTurning Wire"), "turned_wire.svg", nullptr, DOC},
    {ID_DRAW_JOINT, T("&Joint"), T("Made a joint between two or more Components\nJoint"), "joint.svg", nullptr,
     DOC},
    {ID_DRAW_EAST, T("&Eastwards"), T("Set Component Direction to the East\nEast"), "east.svg", nullptr, DOC},
    {ID_DRAW_NORTH, T("&Northwards"), T("Set Component Direction to the North\nNorth"), "north.svg", nullptr, DOC},
    {ID_DRAW_WEST, T("&Westwar&ds"), T("Set Component Direction to the West\nWest"), "west.svg", nullptr, DOC},
    {ID_DRAW_SOUTH, T("So&uthwards"), T("Set Component Direction to the South\nSouth"), "south.svg", nullptr, DOC},

    {ID_ANALYSE_NODE_VOLTAGE, T("Node Voltage Method"), nullptr, nullptr, "F5", DOC},
    {ID_ANALYSE_MESH_CURRENT, T("Mesh Current Method"), nullptr, nullptr, nullptr, DOC},
    {ID_COMPUTE, T("Compute"), T("Compute Voltages & Currents\nCompute"), "compute.svg", nullptr, DOC},
    {ID_ELECTRICAL_RULE_CHECK, T("Electrical &Rule Check"), T("Electrical Rule Check\nERC"), "erc.svg", nullptr,
     DOC},
    {ID_ANALYSE_THEVENIN, T("Th\xC3\xA9venin Equivalent..."),
     T("Find the Th\xC3\xA9venin and Norton equivalents between two nodes or as seen by a resistor\nTh\xC3\xA9venin Equivalent"),
     nullptr, nullptr, DOC},
    {ID_ANALYSE_SUPERPOSITION, T("Superposition"),
     T("Solve the circuit once for each source with the others set to zero, and add the parts\nSuperposition"), nullptr,
     nullptr, DOC},
    {ID_TUTOR_NODAL, T("Nodal Analysis Tutor"),
     T("This will guide you through the steps in the Nodal Analysis Process\nNodal Analysis Tutor"), "tutor.svg",
     nullptr, DOC},
    {ID_TUTOR_CHECK_EQUATION, T("Check My Node Equation"),
     T("Click a node, type its KCL equation and let Kirvolt check it\nCheck My Node Equation"), nullptr, nullptr,
     DOC},
    {ID_PRINT_SCALE, T("Set Print Scale"), T("Set the scale factor for printing hardcopy.\nSet Print Scale"),
     "print_scale.svg", nullptr, DOC},

    {ID_WINDOW_NEW, T("&New Window"), T("Open another window for the active document\nNew Window"), nullptr,
     nullptr, DOC},
    {ID_WINDOW_CASCADE, T("&Cascade"), T("Arrange windows so they overlap\nCascade Windows"), nullptr, nullptr,
     DOC},
    {ID_WINDOW_TILE, T("&Tile"), T("Arrange windows as non-overlapping tiles\nTile Windows"), nullptr, nullptr,
     DOC},
    {ID_WINDOW_ARRANGE, T("&Arrange Icons"), T("Arrange icons at the bottom of the window\nArrange Icons"),
     nullptr, nullptr, DOC},
    {ID_NEXT_PANE, T("Next Pane"), T("Switch to the next window pane\nNext Pane"), nullptr, "F6", DOC},
    {ID_PREV_PANE, T("Previous Pane"), T("Switch back to the previous window pane\nPrevious Pane"), nullptr,
     "Shift+F6", DOC},
    {ID_APP_ABOUT, T("&About Kirvolt..."), T("Display program information, version number and copyright\nAbout"),
     "about.svg", nullptr, APP},

    // Handled but offered by no menu, toolbar or accelerator.
    {ID_EDIT_COPY_COMPONENT, T("Copy"), T("Copy Component\nCopy"), nullptr, nullptr, DOC},
    {ID_EDIT_CUT_COMPONENT, T("Cut"), T("Cut Component\nCut"), nullptr, nullptr, DOC},
    {ID_EDIT_PASTE_COMPONENT, T("Paste"), T("Paste Component\nPaste"), nullptr, nullptr, DOC},
    {ID_EDIT_GROUP, T("Group"), T("Group Component\nGroup"), nullptr, nullptr, DOC},
    {ID_TUTOR_MODIFIED_NODAL, T("Modified Nodal Analysis Tutor"),
     T("Modified Nodal Analysis Tutor\nModified Nodal Analysis Tutor"), nullptr, nullptr, DOC},
    {ID_TUTOR_LOOP_CURRENT, T("Loop Current Tutor"), T("Loop Current Tutor\nLoop Current Tutor"), nullptr, nullptr,
     DOC},
    {ID_TUTOR_MESH_CURRENT, T("Mesh Current Tutor"), T("Mesh Current Tutor\nMesh Current Tutor"), nullptr, nullptr,
     DOC},
    {ID_TUTOR_CHORD_CURRENT, T("Chord Current Tutor"), T("Chord Current \nChord Current Tutor"), nullptr, nullptr,
     DOC},
    {ID_EDIT_NAME, T("Name"), T("Name Component\nName"), nullptr, nullptr, DOC},
};

#undef T

}  // namespace

std::span<const CommandEntry> commandTable()
{
    return COMMANDS;
}

}  // namespace kirvolt
