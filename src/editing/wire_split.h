#pragma once

#include "document/circuit_document.h"

namespace kirvolt {

// A joint placed on a straight wire where a component terminal lies splits the wire in two
// at that terminal, so that the terminal joins the wire's node. Only the last such wire in
// list order is split, and only when a resistor or source has a terminal at the grid point
// and the wire runs through it; returns whether a wire was split.
bool splitWireAtJoint(CKirvoltDoc& doc, Point gridPoint);

}  // namespace kirvolt
