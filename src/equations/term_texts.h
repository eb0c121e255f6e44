#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "analysis/node_names.h"
#include "document/circuit_document.h"

namespace kirvolt {

// The six lines of the node in equationText, the table grown to hold every node first.
std::array<std::string, CKirvoltDoc::EQUATION_LINES + 1>& equationLinesAt(CKirvoltDoc& doc, int node);

// "V" + the node's name, as every equation writes a node voltage.
std::string voltageName(const NodeNames& names, int node);

std::vector<std::string> labelsOf(const CKirvoltDoc& doc, const std::vector<int>& branches);
std::vector<std::string> valueTextsOf(const CKirvoltDoc& doc, const std::vector<int>& branches);
double conductanceSum(const CKirvoltDoc& doc, const std::vector<int>& branches);

// opening + "1/" + item + " + " for every item, cut at the last '+':
// «( 1/R1 + 1/R3 » from "( " and R1, R3.
std::string reciprocalSum(const std::string& opening, const std::vector<std::string>& items);

// The resistors touching both nodes, in branch order.
std::vector<int> resistorsBetween(const CKirvoltDoc& doc, int node, int other);

// For every node outside the group that a resistor joins to a node of the group, ascending,
// the resistors doing so in branch order.
std::map<int, std::vector<int>> resistorsToNeighbours(const CKirvoltDoc& doc, const std::vector<int>& group);

}  // namespace kirvolt
