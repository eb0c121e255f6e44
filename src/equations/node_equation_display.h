#pragma once

#include "document/circuit_document.h"
#include "document/geometry.h"

namespace kirvolt {

// A click in node-equation mode: when the point hits a joint, paints the parts its node's
// equation is about red with the assumed current directions, explains a macro node, shows
// the node-equation dialog and then puts the normal colours back.
void showNodeEquations(CKirvoltDoc& doc, Point point);

// The long explanation shown before the combined equation of a macro node.
extern const char* const macroNodeExplanation;

}  // namespace kirvolt
