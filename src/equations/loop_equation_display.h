#pragma once

#include <string>
#include <vector>

#include "analysis/loop_tree.h"
#include "document/circuit_document.h"
#include "document/geometry.h"
#include "equations/node_equation_display.h"

namespace kirvolt {

// The elements of the loop, painted red.
Highlight loopMarking(const CKirvoltDoc& doc, const FundamentalLoop& loop);

// What a click at the point shows after a loop analysis over the tree of those branches (the
// textbook's when none are named): on a chord, the elements of its loop marked and its
// equation in the node-equation dialog, under the chord's name; a tree that is none gets why.
std::vector<NodeEquationStep> showLoopEquation(CKirvoltDoc& doc, Point point, const std::vector<std::string>& tree);

}  // namespace kirvolt
