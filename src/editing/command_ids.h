#pragma once

namespace kirvolt {

// Identifiers of the commands that the circuit document answers. The numbers are the
// program's command identifiers; the menus, toolbars and tests refer to them.
inline constexpr int ID_EDIT_INFO = 32771;
inline constexpr int ID_EDIT_MOVE = 32772;
inline constexpr int ID_COMPUTE = 32774;
inline constexpr int ID_DRAW_SELECT = 32775;
inline constexpr int ID_DRAW_RESISTOR = 32776;
inline constexpr int ID_DRAW_VOLTAGE_SOURCE = 32777;
inline constexpr int ID_DRAW_CURRENT_SOURCE = 32778;
inline constexpr int ID_DRAW_AMMETER = 32779;
inline constexpr int ID_DRAW_VOLTMETER = 32780;
inline constexpr int ID_EDIT_NAME = 32784;
inline constexpr int ID_EDIT_VALUE = 32785;
inline constexpr int ID_EDIT_DELETE = 32786;
inline constexpr int ID_DRAW_WIRE = 32789;
inline constexpr int ID_DRAW_JOINT = 32790;
inline constexpr int ID_VIEW_DOT_GRID = 32791;
inline constexpr int ID_VIEW_SQUARE_GRID = 32792;
inline constexpr int ID_VIEW_NO_GRID = 32793;
inline constexpr int ID_EDIT_ROTATE = 32794;
inline constexpr int ID_EDIT_MIRROR = 32795;
inline constexpr int ID_EDIT_COPY_COMPONENT = 32796;
inline constexpr int ID_EDIT_CUT_COMPONENT = 32797;
inline constexpr int ID_EDIT_PASTE_COMPONENT = 32798;
inline constexpr int ID_EDIT_GROUP = 32799;
inline constexpr int ID_ELECTRICAL_RULE_CHECK = 32801;
inline constexpr int ID_VIEW_COMMAND_TOOLBAR = 32802;
inline constexpr int ID_ZOOM_IN = 32804;
inline constexpr int ID_ZOOM_OUT = 32805;
inline constexpr int ID_ZOOM_50 = 32806;  // the eleven levels run on to ID_ZOOM_50 + 10 (500%)
inline constexpr int ID_ZOOM_500 = 32816;
inline constexpr int ID_VIEW_REDRAW = 32817;
inline constexpr int ID_VIEW_EUROPEAN_STYLE = 32818;
inline constexpr int ID_VIEW_US_STYLE = 32819;
inline constexpr int ID_DRAW_TURNING_WIRE = 32820;
inline constexpr int ID_DRAW_TURNED_WIRE = 32821;
inline constexpr int ID_DRAW_NORTH = 32824;
inline constexpr int ID_DRAW_WEST = 32825;
inline constexpr int ID_DRAW_SOUTH = 32826;
inline constexpr int ID_DRAW_EAST = 32829;
inline constexpr int ID_ZOOM_SCALE = 32835;
inline constexpr int ID_TUTOR_NODAL = 32836;
inline constexpr int ID_NODES_ASSIGN = 32838;
inline constexpr int ID_NODES_SHOW = 32839;
inline constexpr int ID_NODES_DATUM = 32840;
inline constexpr int ID_TUTOR_MODIFIED_NODAL = 32841;
inline constexpr int ID_TUTOR_LOOP_CURRENT = 32842;
inline constexpr int ID_TUTOR_MESH_CURRENT = 32843;
inline constexpr int ID_TUTOR_CHORD_CURRENT = 32844;
inline constexpr int ID_ANALYSE_NODE_VOLTAGE = 32846;
inline constexpr int ID_ANALYSE_MESH_CURRENT = 32847;
inline constexpr int ID_EQUATIONS_NODAL = 32848;
inline constexpr int ID_ANALYSE_LOOP_CURRENT = 32849;
inline constexpr int ID_SHOW_EQUATION = 32850;
inline constexpr int ID_PRINT_SCALE = 32852;
inline constexpr int ID_TUTOR_CHECK_EQUATION = 32853;
inline constexpr int ID_TUTOR_CHECK_MESH_EQUATION = 32854;

// The methods of Analyse > Using, of which a window keeps the last chosen for Compute.
constexpr bool isAnalysisMethodCommand(int id)
{
    return id == ID_ANALYSE_NODE_VOLTAGE || id == ID_ANALYSE_MESH_CURRENT || id == ID_ANALYSE_LOOP_CURRENT;
}

}  // namespace kirvolt
