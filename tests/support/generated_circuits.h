#pragma once

#include "document/circuit_document.h"

namespace kirvolt::testing {

// Circuits of any size for benchmarks and for tests of large circuits, drawn as a user would
// draw them: elements at grid points, wires from their terminals to the node points.

// A ladder of series and shunt resistors fed by a voltage source: node points along the
// top, a ground rail below. nodes = rungs + 1.
void drawLadder(CKirvoltDoc& doc, int nodes);

// A near-square mesh of about `nodes` node points joined by resistors, a voltage source across
// its diagonal and a current source into its middle.
void drawMesh(CKirvoltDoc& doc, int nodes);

// A large circuit of the usual mix, `elements` records in all: each resistor or voltage
// source with its two joints, and a wire from it.
void drawMixedCircuit(CKirvoltDoc& doc, int elements);

// A thousand placed elements spread over the whole drawing area at the grid step given (10 at
// 50%) in every orientation: per cell of a 20 x 10 layout a resistor, a voltage source, a
// current source, a turning wire and a joint.
void drawSpreadCircuit(CKirvoltDoc& doc, int gridSize);

}  // namespace kirvolt::testing
