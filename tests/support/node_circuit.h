#pragma once

#include <string>

#include "document/circuit_document.h"

namespace kirvolt::testing {

// Builds a circuit straight from node numbers, for the passes that start once nodes are
// known: one joint per node (labelled with its number, as node extraction labels them), then
// branches between given nodes. number() fills the numbering tables the way the analysis does.
class NodeCircuit {
public:
    NodeCircuit(CKirvoltDoc& doc, int nodeCount);

    CComponent& resistor(int start, int finish, double ohms, const std::string& label = "");
    CComponent& voltageSource(int start, int finish, double volts, const std::string& label = "");
    CComponent& currentSource(int start, int finish, double amperes, const std::string& label = "");
    CComponent& wire(int node);

    // selectDatum(datum), fillComponentTables, fillBranchTables, fillIncidence.
    void number(int datum);

private:
    CComponent& branch(int kind, int start, int finish, double value, const std::string& label);

    CKirvoltDoc& doc;
};

}  // namespace kirvolt::testing
