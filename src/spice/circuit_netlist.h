#pragma once

#include <string>
#include <vector>

#include "document/circuit_document.h"
#include "spice/netlist.h"

namespace kirvolt {

// A drawn circuit as a netlist, and which Kirvolt node each netlist node is.
struct CircuitNetlist {
    Netlist netlist;
    std::vector<int> nodeNumbers;  // by netlist node index
};

// The circuit's branch elements between its nodes, in list order, as the analysis sees them:
// nodes built when they are stale, the datum (node 1 when none is chosen) as netlist node 0,
// the other nodes in ascending order named by their joints. The circuit itself is left as it
// was; the work is done on a copy. When the analysis refuses the circuit the netlist's notes
// say why it will not solve.
CircuitNetlist circuitNetlist(CKirvoltDoc& doc, const std::string& title);

}  // namespace kirvolt
