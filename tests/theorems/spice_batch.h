#pragma once

#include <map>
#include <string>
#include <vector>

#include "document/circuit_document.h"
#include "spice/netlist.h"

namespace kirvolt::testing {

// Many netlists in one ngspice run: each gets names of its own and shares only the ground.
class SpiceBatch {
public:
    // Adds the netlist and gives its number.
    int add(const Netlist& netlist);
    // Prints everything once; afterwards the readings below.
    void run();
    double voltage(int circuit, int node) const;
    // The current through a voltage source from its + terminal to its - terminal.
    double sourceCurrent(int circuit, int element) const;
    // The largest value printed, for the tolerance of values that cancel.
    double scale() const { return largest; }

private:
    std::string text = "kirvolt theorems\n";
    std::map<std::string, double> printed;
    double largest = 0.0;
    int count = 0;
};

// The circuit as it was analysed, node k of the records as netlist node k and the datum as 0.
Netlist analysedCircuit(const CKirvoltDoc& doc);

// Every circuit of examples/ that the analysis solves, read and analysed.
std::vector<std::string> solvableExamples();

}  // namespace kirvolt::testing
