#pragma once

#include <cstdint>

namespace kirvolt {

// Kind codes; the same numbers are the document's modes for inserting an element of that kind.
inline constexpr std::uint16_t KIND_RESISTOR = 101;
inline constexpr std::uint16_t KIND_VOLTAGE_SOURCE = 102;
inline constexpr std::uint16_t KIND_CURRENT_SOURCE = 103;
inline constexpr std::uint16_t KIND_VOLTMETER = 104;
inline constexpr std::uint16_t KIND_AMMETER = 105;
inline constexpr std::uint16_t KIND_WIRE = 106;
inline constexpr std::uint16_t KIND_WIRE_TURN_HV = 107;  // corner at (finish x, start y)
inline constexpr std::uint16_t KIND_WIRE_TURN_VH = 108;  // corner at (start x, finish y)
inline constexpr std::uint16_t KIND_JOINT = 109;

// Orientation and arrow direction codes.
inline constexpr int ORIENT_EAST = 0;
inline constexpr int ORIENT_NORTH = 1;
inline constexpr int ORIENT_WEST = 2;
inline constexpr int ORIENT_SOUTH = 3;
inline constexpr int ARROW_NONE = 4;

// Drawing modes of the document.
inline constexpr int MODE_SELECT = 100;
inline constexpr int MODE_INFO = 200;
inline constexpr int MODE_DELETE = 201;
inline constexpr int MODE_MOVE = 202;
inline constexpr int MODE_NAME = 209;
inline constexpr int MODE_EDIT = 210;
inline constexpr int setDatumMode = 213;
inline constexpr int nodeEquationMode = 214;
inline constexpr int checkEquationMode = 215;
inline constexpr int checkMeshEquationMode = 216;

// Grid styles.
inline constexpr int GRID_NONE = 400;
inline constexpr int GRID_DOTS = 401;
inline constexpr int GRID_SQUARES = 402;

// Resistor symbol styles.
inline constexpr int STYLE_US = 301;
inline constexpr int STYLE_EUROPEAN = 302;

// Display states of an element.
inline constexpr int DISPLAY_GHOST = 501;
inline constexpr int DISPLAY_PLACED = 502;

// Raster operations of the drawing surface: copy the pen, or exclusive-or it with the surface.
inline constexpr int RASTER_COPY = 13;
inline constexpr int RASTER_XOR = 7;

constexpr bool isWireKind(int kind) { return kind >= KIND_WIRE && kind <= KIND_WIRE_TURN_VH; }

// Branch components are everything that is neither a wire, straight or turning, nor a joint.
constexpr bool isBranchKind(int kind) { return !isWireKind(kind) && kind != KIND_JOINT; }

// Meters measure the circuit without being part of it: an ammeter joins its terminals as a
// wire would, a voltmeter draws no current, and neither is a branch of the node equations.
constexpr bool isMeterKind(int kind) { return kind == KIND_VOLTMETER || kind == KIND_AMMETER; }

// The branches the analysis numbers, tabulates and solves.
constexpr bool isAnalysedBranchKind(int kind) { return isBranchKind(kind) && !isMeterKind(kind); }

// Resistors, sources and meters: a symbol between two terminals, 3 grid steps either side.
constexpr bool isTwoTerminalKind(int kind) { return kind >= KIND_RESISTOR && kind <= KIND_AMMETER; }

// Whether the start terminal lies on the side the orientation names: a voltage source's and a
// meter's start is their plus terminal, which their symbols draw there; resistors and current
// sources point from start to finish in that direction.
constexpr bool startsAhead(int kind) { return kind == KIND_VOLTAGE_SOURCE || isMeterKind(kind); }

// What the commands place and the dialogs edit: resistors and the two kinds of source.
constexpr bool isSourceOrResistorKind(int kind) { return kind >= KIND_RESISTOR && kind <= KIND_CURRENT_SOURCE; }

// A direction turned by half a turn: East and West, North and South change places. Any other
// value is no direction and stays.
constexpr int turnedRound(int direction)
{
    return direction >= ORIENT_EAST && direction <= ORIENT_SOUTH ? (direction + 2) % 4 : direction;
}

}  // namespace kirvolt
