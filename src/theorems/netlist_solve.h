#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/circuit_document.h"
#include "spice/netlist.h"

namespace kirvolt {

// A netlist drawn as a circuit and solved by the node voltage method, or why it was not.
struct SolvedNetlist {
    std::optional<std::string> refusal;
    std::unique_ptr<CKirvoltDoc> doc;
    std::vector<int> nodeNumbers;  // by netlist node index, 0 for a node no element touches

    // The voltage of netlist node `node` against the drawing's datum.
    double voltage(int node) const;
    // The current a voltage source element carries from its start through it to its finish.
    double sourceCurrent(std::size_t element) const;
};

// The circuits a theorem makes have elements of value zero (a source set to zero) and ends
// that only the taken-out load used to join; the rule checks, which would stop a student
// drawing them, stand aside, and the topology is still tested before the solve.
SolvedNetlist solveNetlist(const Netlist& netlist);

// The netlist drawn as a circuit to look at; none for no netlist or one the layout refuses.
std::unique_ptr<CKirvoltDoc> drawNetlist(const std::optional<Netlist>& netlist);

}  // namespace kirvolt
