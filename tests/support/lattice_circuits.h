#pragma once

#include <random>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt::testing {

// A part on one side of a cell of a lattice: the side from point (i, j) one step right
// (horizontal) or down, with its start terminal towards (i, j) or towards the far point. A
// wire is a part too, so that a drawing may join points without an element.
struct LatticeEdge {
    bool horizontal;
    int i;
    int j;
    int kind;
    double value = 0.0;
    bool startsNear = true;
};

// A plane drawing on a lattice of cols x rows cells, ten grid steps a side: its meshes are
// the faces the cells make, no two parts ever cross.
struct LatticeCircuit {
    int cols = 1;
    int rows = 1;
    std::vector<LatticeEdge> edges;
};

// Draws the parts in order, each element between the two lattice points and wired to both;
// returns the records, [edge] (a wire's record for a wire).
std::vector<CComponent*> drawLattice(const LatticeCircuit& circuit, CKirvoltDoc& doc);

// Grid coordinates of lattice point (i, j).
Point latticePoint(int i, int j);

// A random lattice of one to three cells each way with most sides taken by resistors, some by
// voltage or current sources turned either way and a few by wires or ammeters that close no
// loop. Not every one passes the rule checks.
LatticeCircuit randomLatticeCircuit(std::mt19937& random);

}  // namespace kirvolt::testing
