#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "analysis/named_system.h"
#include "document/circuit_document.h"
#include "document/highlight.h"

namespace kirvolt {

// One window of the Modified Nodal Analysis Tutor: the system G · x = b as far as it has been
// built, the entries this step wrote, what the drawing marks and what the step says.
struct ModifiedNodalPage {
    int step = 1;  // 1 names the unknowns, 2 adds one element, 3 solves
    std::string text;
    std::vector<std::vector<double>> g;  // [row][column], both from 0
    std::vector<double> b;
    // The entries this step wrote: (row, column) of G, with column == size() for b.
    std::vector<std::pair<std::size_t, std::size_t>> changed;
    Highlight highlight;
    bool last = false;

    bool isChanged(std::size_t row, std::size_t column) const;
};

// The whole lesson on the solved circuit: the unknowns of its system, the name of each row's
// equation, and the pages in order.
struct ModifiedNodalLesson {
    std::vector<std::string> columns;  // the unknowns' symbols: "V2", "I(E1)"
    std::vector<std::string> rows;     // "Node 2" for a node's KCL, "E1" for a source's row
    std::vector<ModifiedNodalPage> pages;
};

// The pages that build system, the modified nodal system of the analysed circuit (its
// unknowns, their order and the solution as namedNodalSystem gives them), one element at a
// time in branch order, as the solver assembles it: the last page's G and b are system's.
ModifiedNodalLesson modifiedNodalLesson(const CKirvoltDoc& doc, const NamedSystem& system);

}  // namespace kirvolt
