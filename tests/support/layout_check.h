#pragma once

#include <string>
#include <vector>

#include "document/circuit_document.h"
#include "spice/circuit_layout.h"

namespace kirvolt::testing {

// What is wrong with an automatically drawn circuit, judged from its records alone, after its
// nodes are built; empty when nothing is. The first `elements` records are the elements, the
// rest wires and joints. Faults: a point off the grid, an element that does not keep its
// standard geometry, a wire neither horizontal nor vertical, two elements overlapping or
// closer than two steps side by side, a wire across an element or through a terminal it does
// not end at, a wire ending on the middle of another, two wires along each other, a wire end
// that joins nothing (but for the datum's at the bottom, where the earth symbol stands), a point outside the drawing area, and a datum that is not the lowest
// line of the drawing.
std::vector<std::string> layoutFaults(const CKirvoltDoc& doc, std::size_t elements);

// The same faults of a netlist's drawing, and the nodes found in it unless they are exactly
// the netlist's: every element's terminals on the nodes the layout gave its netlist nodes, a
// node of its own for each netlist node that an element touches, and no other node.
std::vector<std::string> drawingFaults(const CKirvoltDoc& doc, const Netlist& netlist, const CircuitLayout& layout);

}  // namespace kirvolt::testing
