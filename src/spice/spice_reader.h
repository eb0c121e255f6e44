#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "spice/netlist.h"

namespace kirvolt {

// What reading a netlist gave: the circuit, or what to tell the user about the line that was
// refused.
struct NetlistReading {
    std::optional<Netlist> netlist;
    std::string message;
};

// Reads a SPICE netlist of resistors, voltage sources and current sources with DC values: the
// title line, "*" comment lines, ";" comments, "+" continuation lines, .end, and every other
// dot-command passed over. Anything else is refused with a message naming its line. Names are
// case-insensitive as in SPICE; node 0 (or gnd) is the datum, the other nodes follow in the
// order they first appear, named as they were first written. An element's Kirvolt name is its
// SPICE name with a source's letter made Kirvolt's ("V1" is E1, "Icc" Jcc), or what follows the
// SPICE letter when that is a Kirvolt name of the same kind ("VE1" is E1, "IJ2" J2, "RR3" R3);
// a Kirvolt name an earlier element took gets "_2" (then "_3", ...).
NetlistReading readSpiceNetlist(std::string_view text);

}  // namespace kirvolt
