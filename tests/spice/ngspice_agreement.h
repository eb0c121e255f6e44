#pragma once

#include <map>
#include <string>

#include "document/circuit_document.h"
#include "spice/circuit_netlist.h"
#include "spice/spice_writer.h"

namespace kirvolt::testing {

// The voltage the analysis gave the node: every record at the node carries it.
double nodeVoltage(const CKirvoltDoc& doc, int node);

// Agreement to 1e-9 relative, with a floor of 1e-12 of the circuit's largest value for values
// that cancel to nearly nothing.
void expectClose(double kirvolt, double spice, double scale, const std::string& what);

// Every node voltage of an analysed circuit and every voltage-source current against what
// ngspice printed for its exported netlist, named as the export named them.
void expectAgreement(const CKirvoltDoc& doc, const CircuitNetlist& exported, const SpiceText& spice,
                     const std::map<std::string, double>& printed, const std::string& what);

}  // namespace kirvolt::testing
