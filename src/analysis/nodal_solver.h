#pragma once

#include <map>
#include <vector>

#include "analysis/analysis_method.h"
#include "analysis/augmented_matrix.h"
#include "analysis/sparse_system.h"
#include "document/circuit_document.h"

namespace kirvolt {

// Systems of up to this many unknowns are eliminated densely, as teaching-sized circuits
// always have been, so that their results keep every digit; beyond it the dense matrix would
// grow as N squared and the elimination as N cubed, and a sparse factorization takes over.
inline constexpr int DENSE_SOLVE_LIMIT = 200;

// The modified nodal system: unknowns 1..n-1 are the voltages of the non-datum nodes in
// ascending order, then one current per voltage source in branch order.
struct NodalSystem {
    AugmentedMatrix matrix;
    std::vector<int> sourceRowBranch;  // [row]: branch of the voltage source owning the row, else 0
};

// The same system with its matrix kept sparse, for circuits of more unknowns than a dense
// matrix is worth.
struct SparseNodalSystem {
    SparseSystem matrix;
    std::vector<int> sourceRowBranch;
};

// The node voltage method: the modified nodal system, dense up to DENSE_SOLVE_LIMIT unknowns
// and sparse beyond, each solve checked against the elements.
const AnalysisMethod& nodalMethod();

// runAnalysis with the node voltage method, as the analysis command runs it.
AnalysisOutcome runNodalAnalysis(CKirvoltDoc& doc);

// The same solve without the rule checks, for the tutor after its own steps. Stale or
// out-of-range nodes are still built again and a datum that is not a node still falls back to
// node 1, because the tables cannot be indexed otherwise.
AnalysisOutcome solveNodalSystem(CKirvoltDoc& doc);

// The number of unknowns of the numbered circuit: one per node but the datum, one per voltage
// source.
int nodalUnknownCount(const CKirvoltDoc& doc);

// The row of a node's KCL in the modified nodal system, as its assembly writes it: G[row][column]
// by column and the right-hand side. The currents of the voltage sources at the node are left
// out; summed over a macro node, they cancel.
struct NodalRow {
    std::map<int, double> columns;
    double rhs = 0.0;
};

// The row of a node other than the datum. The tables must be filled.
NodalRow nodalRow(const CKirvoltDoc& doc, int node);

// Assembles [G | J] from the branch tables and nodeMap.
NodalSystem buildNodalSystem(const CKirvoltDoc& doc);
// The same entries written into a sparse matrix.
SparseNodalSystem buildSparseNodalSystem(const CKirvoltDoc& doc);

// Gauss-Jordan elimination with partial pivoting (ties keep the lowest row). Returns false,
// leaving x untouched, when a column has no pivot above rounding beside the largest entry the
// column had; otherwise x[1..N] is the solution.
bool gaussJordanSolve(AugmentedMatrix& matrix, std::vector<double>& x);

}  // namespace kirvolt
