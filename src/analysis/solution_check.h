#pragma once

#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// Whether the solution holds for the circuit itself and not only for its rounded matrix: each
// element's current is worked out from the solution in extended precision, element by element,
// as the records will show it.
//
// x is indexed by unknown (node voltages by nodeMap, then the voltage-source currents);
// sourceRowBranch[row] is the branch of the voltage source that owns the row, else 0.
class SolutionCheck {
public:
    SolutionCheck(const CKirvoltDoc& doc, const std::vector<int>& sourceRowBranch);

    // b - A x for every unknown's row, from the elements rather than the assembled matrix, so
    // that the rounding of a sum of conductances is seen as well: the current law at each
    // non-datum node, and E - (V(start) - V(finish)) for each voltage source.
    std::vector<double> residual(const std::vector<double>& x) const;

    // Whether the solution is finite, the current law holds at every node (the datum's too) to
    // a ten-millionth of the currents that meet there (or to rounding beside the largest
    // current of the circuit), and every voltage source's p.d. is its EMF to a ten-millionth:
    // what double precision resolves is then shown to three digits and more, and no two
    // numbers shown contradict each other.
    bool holds(const std::vector<double>& x) const;

private:
    struct Branch {
        int kind;
        int start;   // node numbers
        int finish;
        double value;
        int row;  // a voltage source's own row, else 0
    };

    long double voltage(const std::vector<double>& x, int node) const;
    long double current(const std::vector<double>& x, const Branch& b) const;

    const CKirvoltDoc& doc;
    std::vector<Branch> branches;
};

}  // namespace kirvolt
