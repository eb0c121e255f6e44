#pragma once

#include <string>
#include <vector>

#include "spice/netlist.h"

namespace kirvolt {

// A netlist as SPICE text, with the names it gave the nodes and the elements.
struct SpiceText {
    std::string text;
    std::vector<std::string> nodeNames;     // by node index; node 0 is "0"
    std::vector<std::string> elementNames;  // by element; empty where SPICE gets no card
};

// The title line, the notes as "*" comments, one card per element, .op and .end. Node 0 is
// SPICE's ground; every other node is named after its own name, made of letters, digits and
// underscores and kept apart from every other name, as SPICE compares names without case. An
// element is named with its SPICE letter in place of Kirvolt's (E1 is V1) or before any other
// name: a resistor R, a voltage source V (never E, which is a controlled source to SPICE), a
// current source I, an ammeter a 0 V source V (read back as that ammeter). A voltmeter gets a
// comment only: SPICE needs no element to read a voltage.
SpiceText writeSpiceNetlist(const Netlist& netlist);

}  // namespace kirvolt
