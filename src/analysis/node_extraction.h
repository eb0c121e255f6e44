#pragma once

#include "document/circuit_document.h"

namespace kirvolt {

// Turns the drawing into electrical nodes: removes every joint, ties wire ends and terminals
// that share a grid point into numbered nodes, makes a fresh joint at every node point and
// writes startNode/finishNode into every other record. Returns nodeCount.
int buildNodes(CKirvoltDoc& doc);

}  // namespace kirvolt
