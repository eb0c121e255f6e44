#include "analysis/electrical_rule_check.h"

#include "analysis/circuit_solvability.h"
#include "analysis/nodal_solver.h"
#include "analysis/rule_checks.h"
#include "document/wording.h"

namespace kirvolt {

std::vector<Explanation> electricalRuleCheck(CKirvoltDoc& doc)
{
    const Explanation empty{wording("Analysis", "Create your circuit first."), {}};
    if (doc.components.empty()) {
        return {empty};
    }
    prepareNumbering(doc);
    if (doc.nodeCount < 1) {
        return {empty};
    }
    std::vector<Explanation> faults = allRuleFaults(doc);
    if (const auto why = unsolvableCircuitMessage(doc)) {
        faults.push_back({*why, {}});
    }
    return faults;
}

}  // namespace kirvolt
