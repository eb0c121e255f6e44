#pragma once

#include <string>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt::testing {

// One branch as the node numbering would tabulate it.
struct BranchRow {
    int kind;
    std::string label;
    double value;
    int start;
    int finish;
};

// A circuit given node by node: one joint per node named by its number (none for the nodes
// listed as jointless), the branches in order, and the numbering tables filled with the
// given datum node. The equation writers then run on known tables.
void fillTables(CKirvoltDoc& doc, int nodeCount, int datumNode, const std::vector<BranchRow>& branches,
                const std::vector<int>& jointless = {});

BranchRow resistor(const std::string& label, double ohms, int start, int finish);
BranchRow voltageSource(const std::string& label, double volts, int start, int finish);
BranchRow currentSource(const std::string& label, double amperes, int start, int finish);

}  // namespace kirvolt::testing
