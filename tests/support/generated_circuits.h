#pragma once

#include <string>
#include <vector>

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

// One part of a generated circuit by the nodes it joins, numbered by the generator: node 0 is
// the one node extraction makes node 1 and the analysis takes as its datum.
struct GeneratedPart {
    const CComponent* record;
    int kind;
    int start;
    int finish;
    double value;
};
using GeneratedParts = std::vector<GeneratedPart>;

// An n x n grid of node points six grid steps apart at grid size 10 (80 x 80 fills the
// drawing area): resistors whose terminals meet at the node points, no wires among them, and
// one 12 V source at the left, wired with its negative terminal to the top-left corner (the
// datum) and its positive terminal to the bottom-left corner. Node (i, j) is i + n * j.
GeneratedParts drawGrid(CKirvoltDoc& doc, int n);

// A chain of voltage sources whose every node is tied to a ground rail by a resistor, laid
// out in rows of at most 500 sources so that a long chain stays within the coordinates a file
// may hold. The ground rail is the datum; chain node c (0..sources) is c + 1.
GeneratedParts drawSourceChain(CKirvoltDoc& doc, int sources);

// The parts as a SPICE netlist, node 0 as ground, ending with the .control block that
// runNgspice expects. Part k is named r<k>, v<k> or i<k>, node k is n<k>.
std::string spiceNetlist(const GeneratedParts& parts);

}  // namespace kirvolt::testing
