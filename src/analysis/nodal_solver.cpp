#include "analysis/nodal_solver.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "analysis/branch_tables.h"
#include "analysis/circuit_solvability.h"
#include "analysis/equilibrated_system.h"
#include "analysis/named_system.h"
#include "analysis/solution_check.h"

namespace kirvolt {
namespace {

// A pivot is taken as zero when it is this small beside the largest entry its column had
// before elimination: what is left then is rounding, not a value. Relative, so that a circuit
// of gigaohms solves as surely as one of ohms.
constexpr double PIVOT_TOLERANCE = 1e-13;

int countVoltageSources(const CKirvoltDoc& doc)
{
    int count = 0;
    for (int i = 1; i <= numberedBranchCount(doc); ++i) {
        count += isBranchOfKind(doc, i, KIND_VOLTAGE_SOURCE) ? 1 : 0;
    }
    return count;
}

// The writes of the system go to a dense matrix or a sparse one alike, in branch order.
class DenseWrites {
public:
    explicit DenseWrites(AugmentedMatrix& a) : a(a) {}
    void add(int r, int c, double value) { a.at(r, c) += value; }
    void set(int r, int c, double value) { a.at(r, c) = value; }
    double& rhs(int r) { return a.at(r, a.size() + 1); }

private:
    AugmentedMatrix& a;
};

// The current unknown of a voltage source is positive from its start node through it to its
// finish node; its row imposes V(start) - V(finish) = E.
template <class Matrix>
void addVoltageSource(Matrix& a, int row, int c, int d, double emf)
{
    if (c != 0) {
        a.set(c, row, 1);
        a.set(row, c, 1);
    }
    if (d != 0) {
        a.set(d, row, -1);
        a.set(row, d, -1);
    }
    a.rhs(row) = emf;
}

// The writes of one node's row alone, for reading the system's equation of a node.
class RowWrites {
public:
    explicit RowWrites(NodalRow& row) : row(row) {}
    void add(int, int c, double value) { row.columns[c] += value; }
    double& rhs(int) { return row.rhs; }

private:
    NodalRow& row;
};

// Row c of a node is its KCL: the currents leaving it through resistors, (V(c) - V(d))/R, and
// the currents its sources drive out of it, moved to the right-hand side. Each cell takes its
// terms in branch order, as a write per branch would give them.
template <class Matrix>
void addNodeRow(const CKirvoltDoc& doc, Matrix& a, int node)
{
    const int c = doc.nodeMap[static_cast<std::size_t>(node)];
    if (c == 0) {
        return;  // the datum has no row
    }
    for (const KclBranch& term : kclBranchesAt(doc, node)) {
        if (term.kind == KIND_CURRENT_SOURCE) {
            a.rhs(c) -= term.value;
        } else if (term.value != 0.0) {
            const double g = 1.0 / term.value;
            a.add(c, c, g);
            if (const int d = doc.nodeMap[static_cast<std::size_t>(term.other)]; d != 0) {
                a.add(c, d, -g);
            }
        }
    }
}

// Writes every node's row and every voltage source into the matrix and gives the branch of each
// voltage-source row ([row], 0 for the rows of nodes).
template <class Matrix>
std::vector<int> writeBranches(const CKirvoltDoc& doc, Matrix& a)
{
    const int n = doc.nodeCount;
    const int unknowns = nodalUnknownCount(doc);
    std::vector<int> sourceRowBranch(static_cast<std::size_t>(unknowns) + 1, 0);
    for (int node = 1; node <= n; ++node) {
        addNodeRow(doc, a, node);
    }
    int row = n - 1;
    for (int i = 1; i <= numberedBranchCount(doc); ++i) {
        if (doc.branchKinds[i] == KIND_VOLTAGE_SOURCE) {
            addVoltageSource(a, ++row, doc.nodeMap[doc.branchStartNodes[i]], doc.nodeMap[doc.branchFinishNodes[i]],
                             doc.branchValues[i]);
            sourceRowBranch[static_cast<std::size_t>(row)] = i;
        }
    }
    return sourceRowBranch;
}

int pivotRow(const AugmentedMatrix& a, int column)
{
    int best = column;
    for (int r = column + 1; r <= a.size(); ++r) {
        if (std::abs(a.at(r, column)) > std::abs(a.at(best, column))) {
            best = r;
        }
    }
    return best;
}

void eliminateColumn(AugmentedMatrix& a, int i)
{
    const int last = a.size() + 1;
    double* pivot = a.row(i);
    const double divisor = pivot[i];
    for (int k = i; k <= last; ++k) {
        pivot[k] /= divisor;
    }
    for (int r = 1; r <= a.size(); ++r) {
        double* row = a.row(r);
        const double f = row[i];
        // Subtracting a zero multiple changes nothing, so sparse rows are passed over.
        if (r == i || f == 0.0) {
            continue;
        }
        for (int k = i; k <= last; ++k) {
            row[k] -= f * pivot[k];
        }
    }
}

// Voltage sources take their currents from their own rows of the solution.
std::vector<std::optional<double>> sourceCurrents(const CKirvoltDoc& doc, const std::vector<int>& sourceRowBranch,
                                                  const std::vector<double>& x)
{
    std::vector<std::optional<double>> currents(static_cast<std::size_t>(doc.branchCount) + 1);
    for (std::size_t r = static_cast<std::size_t>(doc.nodeCount); r < sourceRowBranch.size(); ++r) {
        const auto branch = static_cast<std::size_t>(sourceRowBranch[r]);
        if (branch >= 1 && branch < currents.size()) {
            currents[branch] = x[r];
        }
    }
    return currents;
}

// Shifts the voltages above the datum up one place and puts the datum in at 0 V, so that
// x[k] becomes the voltage of node k.
void reinsertDatum(const CKirvoltDoc& doc, std::vector<double>& x)
{
    for (int k = doc.nodeCount; k >= 2; --k) {
        if (k > doc.datumNode) {
            x[k] = x[k - 1];
        }
    }
    x[doc.datumNode] = 0.0;
}

// One step of iterative refinement: the residual from the elements in extended precision,
// solved with the same matrix and added, which takes what double precision can resolve.
template <class Solve>
bool refine(const SolutionCheck& check, std::vector<double>& x, Solve solve)
{
    std::vector<double> correction;
    if (!solve(check.residual(x), correction)) {
        return false;
    }
    for (std::size_t k = 1; k < x.size() && k < correction.size(); ++k) {
        x[k] += correction[k];
    }
    return true;
}

enum class Solved { yes, noPivot, unresolved };

Solved solveSystem(const CKirvoltDoc& doc, std::vector<double>& x, std::vector<int>& sourceRowBranch)
{
    bool solved = false;
    std::optional<SolutionCheck> check;
    if (nodalUnknownCount(doc) <= DENSE_SOLVE_LIMIT) {
        NodalSystem system = buildNodalSystem(doc);
        sourceRowBranch = std::move(system.sourceRowBranch);
        check.emplace(doc, sourceRowBranch);
        const int n = system.matrix.size();
        std::vector<double> b(static_cast<std::size_t>(n) + 1, 0.0);
        for (int r = 1; r <= n; ++r) {
            b[static_cast<std::size_t>(r)] = system.matrix.at(r, n + 1);
        }
        const EquilibratedSystem scaled(system.matrix);
        const auto solve = [&scaled](const std::vector<double>& rhs, std::vector<double>& y) {
            return scaled.solve(rhs, y);
        };
        solved = solve(b, x) && refine(*check, x, solve);
    } else {
        SparseNodalSystem system = buildSparseNodalSystem(doc);
        sourceRowBranch = std::move(system.sourceRowBranch);
        check.emplace(doc, sourceRowBranch);
        solved = sparseSolve(system.matrix, x, [&check](const std::vector<double>& y) { return check->residual(y); });
    }
    if (!solved) {
        return Solved::noPivot;
    }
    return check->holds(x) ? Solved::yes : Solved::unresolved;
}

// With positive resistances and a topology that passed its checks, the system has exactly one
// solution; elimination that finds no pivot then met only the limits of double precision.
bool allResistancesPositive(const CKirvoltDoc& doc)
{
    for (int i = 1; i <= numberedBranchCount(doc); ++i) {
        if (doc.branchKinds[i] == KIND_RESISTOR && doc.branchValues[i] < 0.0) {
            return false;
        }
    }
    return true;
}

// The node voltage method: the modified nodal system, solved densely or sparsely and checked
// against the elements.
class NodalMethod final : public AnalysisMethod {
public:
    std::string name() const override { return "nodal"; }
    int unknownCount(const CKirvoltDoc& doc) const override { return nodalUnknownCount(doc); }
    NamedSystem namedSystem(CKirvoltDoc& doc) const override { return namedNodalSystem(doc); }

    std::variant<MethodSolution, Explanation> solve(const CKirvoltDoc& doc) const override
    {
        std::vector<double> x;
        std::vector<int> sourceRowBranch;
        const Solved solved = solveSystem(doc, x, sourceRowBranch);
        if (solved == Solved::noPivot && !allResistancesPositive(doc)) {
            return Explanation{singularSystemMessage(), {}};
        }
        if (solved != Solved::yes) {
            return Explanation{precisionMessage(doc), {}};
        }
        x.resize(std::max<std::size_t>(x.size(), static_cast<std::size_t>(doc.nodeCount) + 1), 0.0);
        MethodSolution solution{{}, sourceCurrents(doc, sourceRowBranch, x)};
        reinsertDatum(doc, x);
        solution.nodeVoltages = std::move(x);
        return solution;
    }
};

}  // namespace

const AnalysisMethod& nodalMethod()
{
    static const NodalMethod method;
    return method;
}

AnalysisOutcome runNodalAnalysis(CKirvoltDoc& doc) { return analyseCircuit(doc, nodalMethod()); }

AnalysisOutcome solveNodalSystem(CKirvoltDoc& doc) { return runAnalysis(doc, nodalMethod(), RuleChecks::skipped); }

int nodalUnknownCount(const CKirvoltDoc& doc) { return doc.nodeCount - 1 + countVoltageSources(doc); }

NodalSystem buildNodalSystem(const CKirvoltDoc& doc)
{
    NodalSystem system{AugmentedMatrix(nodalUnknownCount(doc)), {}};
    DenseWrites writes(system.matrix);
    system.sourceRowBranch = writeBranches(doc, writes);
    return system;
}

NodalRow nodalRow(const CKirvoltDoc& doc, int node)
{
    NodalRow row;
    RowWrites writes(row);
    addNodeRow(doc, writes, node);
    return row;
}

SparseNodalSystem buildSparseNodalSystem(const CKirvoltDoc& doc)
{
    SparseNodalSystem system{SparseSystem(nodalUnknownCount(doc)), {}};
    system.sourceRowBranch = writeBranches(doc, system.matrix);
    return system;
}

// The largest magnitude in each column of the system, before elimination changes it.
std::vector<double> columnScales(const AugmentedMatrix& a)
{
    std::vector<double> scale(static_cast<std::size_t>(a.size()) + 1, 0.0);
    for (int r = 1; r <= a.size(); ++r) {
        for (int c = 1; c <= a.size(); ++c) {
            scale[static_cast<std::size_t>(c)] = std::max(scale[static_cast<std::size_t>(c)], std::abs(a.at(r, c)));
        }
    }
    return scale;
}

bool gaussJordanSolve(AugmentedMatrix& a, std::vector<double>& x)
{
    const int n = a.size();
    const std::vector<double> scale = columnScales(a);
    for (int i = 1; i <= n; ++i) {
        const int best = pivotRow(a, i);
        if (!(std::abs(a.at(best, i)) > PIVOT_TOLERANCE * scale[static_cast<std::size_t>(i)])) {
            return false;
        }
        if (best != i) {
            std::swap_ranges(a.row(best) + i, a.row(best) + n + 2, a.row(i) + i);
        }
        eliminateColumn(a, i);
    }
    x.assign(n + 1, 0.0);
    for (int r = 1; r <= n; ++r) {
        x[r] = a.at(r, n + 1);
    }
    return true;
}

}  // namespace kirvolt
