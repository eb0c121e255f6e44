#pragma once

#include <string>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// One unknown of the modified nodal system: a node's voltage, named by the node's name, or the
// current of a voltage source, named by its label.
struct Unknown {
    enum class Kind { NodeVoltage, SourceCurrent };
    Kind kind = Kind::NodeVoltage;
    std::string name;

    // "V3" or "I(E1)", as the equation text and the results write them.
    std::string text() const;
};

// The modified nodal system G·x = b of a solved circuit with its unknowns named: the voltage of
// every node but the datum (ascending node numbers), then the current of each voltage source,
// positive from its start node through it to its finish node. x is the solution as the records
// hold it, so that the system checks the numbers the program shows.
struct NamedSystem {
    std::vector<Unknown> unknowns;
    std::string datumName;
    std::vector<std::vector<double>> g;  // [row][column], both from 0
    std::vector<double> b;
    std::vector<double> x;

    // Row r of G·x - b.
    double residual(std::size_t row) const;
};

// Reads the numbering tables and the records of the last successful analysis.
NamedSystem namedNodalSystem(CKirvoltDoc& doc);

// The voltage the solver wrote for the node: every record at the node carries it.
double solvedNodeVoltage(const CKirvoltDoc& doc, int node);

}  // namespace kirvolt
