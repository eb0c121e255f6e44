#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/circuit_document.h"
#include "spice/layout_plan.h"
#include "spice/netlist.h"

namespace kirvolt {

// What drawing a netlist gave: which Kirvolt node each netlist node became (0 for a node no
// element touches), or why it could not be drawn.
struct CircuitLayout {
    std::optional<std::string> refusal;
    std::vector<int> nodeNumbers;
};

// Draws a netlist of resistors and sources into an empty document, at its grid step: every
// element on grid points with its standard geometry, none overlapping another, no element or
// wire across a terminal it does not join, wires only where a node needs them, the datum
// along the bottom, all within the drawing area. The elements come first in the component
// list, in netlist order, the wires after them; the nodes are built, the datum chosen and
// the joints named after the netlist's nodes when every name fits a joint. The textbook
// drawing when it fits, else the one for any netlist.
CircuitLayout layoutCircuit(const Netlist& netlist, CKirvoltDoc& doc);

// The same, except that the drawing has no crossing wherever the netlist allows one: the
// textbook drawing with its spines in an order in which no two elements across them cross
// (SpineOrder::withoutCrossings) where there is one, else the rails of planPlaneLayout.
CircuitLayout layoutCircuitWithoutCrossings(const Netlist& netlist, CKirvoltDoc& doc);

// The datum of the drawing: node 0 when an element touches it, else the node most elements
// touch.
int layoutDatum(const Netlist& netlist);

// Puts a plan of the netlist into an empty document as layoutCircuit does after choosing it.
CircuitLayout drawLayout(const Netlist& netlist, int datum, LayoutPlan plan, CKirvoltDoc& doc);

}  // namespace kirvolt
