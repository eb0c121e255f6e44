#include "app/mode_hints.h"

#include <QCoreApplication>

#include "document/codes.h"

namespace kirvolt {
namespace {

QString hint(const char* text)
{
    return QCoreApplication::translate("ModeHints", text);
}

}  // namespace

QString modeHint(int mode, std::string_view method)
{
    switch (mode) {
    case MODE_SELECT:
        return hint("Select: click to select (Shift adds), drag a box to select several, drag the selection to move it.");
    case KIND_RESISTOR:
        return hint("Resistor: click where the resistor goes; the right button turns it.");
    case KIND_VOLTAGE_SOURCE:
        return hint("Voltage source: click where the source goes; the right button turns it.");
    case KIND_CURRENT_SOURCE:
        return hint("Current source: click where the source goes; the right button turns it.");
    case KIND_VOLTMETER:
        return hint("Voltmeter: click where the voltmeter goes; the right button turns it.");
    case KIND_AMMETER:
        return hint("Ammeter: click where the ammeter goes; the right button turns it.");
    case KIND_WIRE:
    case KIND_WIRE_TURN_HV:
    case KIND_WIRE_TURN_VH:
        return hint("Wire: press on a terminal or a joint, drag to where the wire ends and let go.");
    case KIND_JOINT:
        return hint("Joint: click a wire where a component's terminal touches it, to connect the two.");
    case MODE_INFO:
        return hint("Info: click a component or a joint to see its values.");
    case MODE_DELETE:
        return hint("Delete: click a component or a wire to remove it.");
    case MODE_MOVE:
        return hint("Move: click a component to pick it up, then click where it goes.");
    case MODE_EDIT:
        return hint("Value: click a component to change its name and value, or a joint to rename its node. "
                    "Alt+Up or Alt+Down (or Alt and the wheel) steps the value under the pointer.");
    case setDatumMode:
        return hint("Set Datum Node: click any wire or joint of the node that is to be the datum (0 V).");
    case nodeEquationMode:
        if (method == "loop") {
            return hint("Loop equations: click a chord, a branch outside the thick tree, to see its loop's equation.");
        }
        return method == "mesh" ? hint("Mesh equations: click inside a mesh to see its equation.")
                                : hint("Node equations: click a joint to see the equation of its node.");
    case checkEquationMode:
        return hint("Check My Node Equation: click a joint of the node whose equation you have written.");
    case checkMeshEquationMode:
        return hint("Check My Mesh Equation: click inside the mesh whose equation you have written.");
    default:
        return hint("Ready");
    }
}

}  // namespace kirvolt
