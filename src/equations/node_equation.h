#pragma once

#include <functional>
#include <string>
#include <vector>

#include "analysis/node_names.h"
#include "document/circuit_document.h"
#include "equations/equation_text.h"

namespace kirvolt {

// Lines 1 to 5 of an ordinary node's KCL equation, from words down to numbers, stored in
// equationText at the node. The branch and node tables must be filled.
void writeNodeEquation(CKirvoltDoc& doc, const NodeNames& names, int node);

// Line 1: the equation in words.
std::string nodeWordsLine(const CKirvoltDoc& doc, const NodeNames& names, int node);

// The left side of line 2: one voltage-difference term per neighbouring node, resistors in
// parallel taken together.
std::string nodeTermsLine(const CKirvoltDoc& doc, const NodeNames& names, int node);

// One term "( V1 -  V2 ) * ( 1/R1 + 1/R2 ) + " per neighbouring node that the resistors reach,
// resistors in parallel taken together, each reaching the node otherEnd gives. A node's own
// line and a macro node's member lines write the difference to the datum differently
// (minusDatum: " -  0" and " - 0"), and the recorded texts keep both.
std::string parallelGroupTerms(const CKirvoltDoc& doc, const NodeNames& names, int node,
                               const std::vector<int>& resistors, const std::function<int(int)>& otherEnd,
                               const std::string& minusDatum);

// The right sides of lines 2 to 5: the current sources, each taken as flowing into the node.
EquationSides nodeSourceSides(const CKirvoltDoc& doc, int node);

// The same over several nodes in turn, each node's sources in branch order.
EquationSides sourceSidesOfNodes(const CKirvoltDoc& doc, const std::vector<int>& nodes);

// The left sides of lines 3, 4 and 5: the node's self term, then its mutual terms.
EquationSides nodeCollectedSides(const CKirvoltDoc& doc, const NodeNames& names, int node);

// The mutual terms of lines 3, 4 and 5 of a node or a macro node, the conductance to each
// neighbouring node but the datum times its voltage, each followed by " - ". The numbers line
// opens them with numbersOpen: "(" at a node and "( " at a macro node, as the recorded texts
// have them.
EquationSides mutualTerms(const CKirvoltDoc& doc, const NodeNames& names, const std::vector<int>& members,
                          const std::string& numbersOpen);

// The self terms followed by the mutual ones, each line's last " - " cut.
EquationSides withMutualTerms(EquationSides self, const EquationSides& mutual);

// The resistors through which current leaves the node: every resistor touching it except one
// whose two ends lie on the node itself.
std::vector<int> resistorsCarryingCurrent(const CKirvoltDoc& doc, int node);

}  // namespace kirvolt
