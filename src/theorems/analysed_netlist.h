#pragma once

#include <vector>

#include "document/circuit_document.h"
#include "spice/netlist.h"

namespace kirvolt {

// A numbered circuit's analysed elements between its nodes: the datum as netlist node 0, the
// others in ascending order, each named by its joints; meters are outside the equations and
// left out. nodeNumbers gets the circuit's number of each netlist node.
Netlist analysedNetlist(const CKirvoltDoc& doc, std::vector<int>& nodeNumbers);

}  // namespace kirvolt
