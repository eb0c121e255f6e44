#pragma once

#include <vector>

#include "analysis/explanation.h"
#include "document/circuit_document.h"

namespace kirvolt {

// The Electrical Rule Check: the circuit's nodes found and numbered as the analysis does it,
// then every fault of the rule checks (allRuleFaults) and of the solvability check, without
// solving. Empty when the analysis would solve the circuit; the analysis itself still stops at
// the first fault.
std::vector<Explanation> electricalRuleCheck(CKirvoltDoc& doc);

// What the check says of a circuit without faults.
inline constexpr const char* CLEAN_CIRCUIT_TEXT =
    "No faults found: the circuit passes every rule check of the analysis and can be solved.";

}  // namespace kirvolt
