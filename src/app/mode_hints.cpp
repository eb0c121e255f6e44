#include "app/mode_hints.h"

#include <QCoreApplication>

#include "document/codes.h"

namespace kirvolt {
QString modeHint(int mode, std::string_view method)
{
    switch (mode) {
    case MODE_SELECT:
        return QCoreApplication::translate("ModeHints", "Select: click to select (Shift adds), drag a box to select several, drag the selection to move it.");
    case KIND_RESISTOR:
        return QCoreApplication::translate("ModeHints", "Resistor: click where the resistor goes; the right button turns it.");
    case KIND_VOLTAGE_SOURCE:
        return QCoreApplication::translate("ModeHints", "Voltage source: click where the source goes; the right button turns it.");
    case KIND_CURRENT_SOURCE:
        return QCoreApplication::translate("ModeHints", "Current source: click where the source goes; the right button turns it.");
    case KIND_VOLTMETER:
        return QCoreApplication::translate("ModeHints", "Voltmeter: click where the voltmeter goes; the right button turns it.");
    case KIND_AMMETER:
        return QCoreApplication::translate("ModeHints", "Ammeter: click where the ammeter goes; the right button turns it.");
    case KIND_WIRE:
    case KIND_WIRE_TURN_HV:
    case KIND_WIRE_TURN_VH:
        return QCoreApplication::translate("ModeHints", "Wire: press on a terminal or a joint, drag to where the wire ends and let go.");
    case KIND_JOINT:
        return QCoreApplication::translate("ModeHints", "Joint: click a wire where a component's terminal touches it, to connect the two.");
    case MODE_INFO:
        return QCoreApplication::translate("ModeHints", "Info: click a component or a joint to see its values.");
    case MODE_DELETE:
        return QCoreApplication::translate("ModeHints", "Delete: click a component or a wire to remove it.");
    case MODE_MOVE:
        return QCoreApplication::translate("ModeHints", "Move: click a component to pick it up, then click where it goes.");
    case MODE_EDIT:
        return QCoreApplication::translate("ModeHints", "Value: click a component to change its name and value, or a joint to rename its node. "
                    "Alt+Up or Alt+Down (or Alt and the wheel) steps the value under the pointer.");
    case setDatumMode:
        return QCoreApplication::translate("ModeHints", "Set Datum Node: click any wire or joint of the node that is to be the datum (0 V).");
    case nodeEquationMode:
        if (method == "loop") {
            return QCoreApplication::translate("ModeHints", "Loop equations: click a chord, a branch outside the thick tree, to see its loop's equation.");
        }
        return method == "mesh" ? QCoreApplication::translate("ModeHints", "Mesh equations: click inside a mesh to see its equation.")
                                : QCoreApplication::translate("ModeHints", "Node equations: click a joint to see the equation of its node.");
    case checkEquationMode:
        return QCoreApplication::translate("ModeHints", "Check My Node Equation: click a joint of the node whose equation you have written.");
    case checkMeshEquationMode:
        return QCoreApplication::translate("ModeHints", "Check My Mesh Equation: click inside the mesh whose equation you have written.");
    default:
        return QCoreApplication::translate("ModeHints", "Ready");
    }
}

}  // namespace kirvolt
