#pragma once

#include <optional>
#include <vector>

#include "analysis/augmented_matrix.h"
#include "analysis/explanation.h"
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

// How an analysis ended: solved (results written into the records), or refused with the
// explanation to show; and how far it got, for the caller to act on.
struct AnalysisOutcome {
    std::optional<Explanation> refusal;
    // Past the empty-circuit test the circuit is numbered, so its node equations can be shown
    // even when a rule check then stopped the solve.
    bool numbered = false;
    // The size of the system, once one was built.
    std::optional<int> unknownCount;
    explicit operator bool() const { return !refusal.has_value(); }
};

// What a document on screen takes from its analysis: the node equation mode once the circuit
// was numbered, the count of unknowns once a system was built, and a redraw when results were
// written.
void showOutcome(CKirvoltDoc& doc, const AnalysisOutcome& outcome);

// The Node Voltage Method: refuses an empty circuit, builds the nodes when they are stale,
// falls back to datum node 1 when the stored one is not a node, fills the tables, runs the rule
// checks and solves. A refusal sets analysisFailed and changes no result in any record; the
// caller shows why. Neither mode, count nor view is touched: see showOutcome.
AnalysisOutcome runNodalAnalysis(CKirvoltDoc& doc);

// The same solve without the rule checks, for the tutor after its own steps. Stale or
// out-of-range nodes are still built again and a datum that is not a node still falls back to
// node 1, because the tables cannot be indexed otherwise.
AnalysisOutcome solveNodalSystem(CKirvoltDoc& doc);

// What the rule checks, the solver, the macro nodes and the equation writers read, made
// consistent with the drawing: the nodes built again when they are stale or their numbers
// out of range, the datum a node (node 1 when the stored one is not), and every numbering
// table filled from the records.
void prepareNumbering(CKirvoltDoc& doc);

// The number of unknowns of the numbered circuit: one per node but the datum, one per voltage
// source.
int nodalUnknownCount(const CKirvoltDoc& doc);

// Assembles [G | J] from the branch tables and nodeMap.
NodalSystem buildNodalSystem(const CKirvoltDoc& doc);
// The same entries written into a sparse matrix.
SparseNodalSystem buildSparseNodalSystem(const CKirvoltDoc& doc);

// Gauss-Jordan elimination with partial pivoting (ties keep the lowest row). Returns false,
// leaving x untouched, when a column has no pivot above rounding beside the largest entry the
// column had; otherwise x[1..N] is the solution.
bool gaussJordanSolve(AugmentedMatrix& matrix, std::vector<double>& x);

// Writes node voltages (x[k] is the voltage of node k), p.d.s and resistor currents into the
// records, turning round every resistor whose p.d. came out negative.
void distributeResults(CKirvoltDoc& doc, const std::vector<double>& x);

}  // namespace kirvolt
