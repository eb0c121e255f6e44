#include "theorems/netlist_solve.h"

#include "analysis/named_system.h"
#include "analysis/nodal_solver.h"
#include "spice/circuit_layout.h"

namespace kirvolt {

double SolvedNetlist::voltage(int node) const
{
    const int number = nodeNumbers.at(static_cast<std::size_t>(node));
    return number == 0 ? 0.0 : solvedNodeVoltage(*doc, number);
}

double SolvedNetlist::sourceCurrent(std::size_t element) const
{
    // The drawing puts the elements first in the list, in netlist order.
    return doc->components.at(element)->current;
}

SolvedNetlist solveNetlist(const Netlist& netlist)
{
    SolvedNetlist solved;
    solved.doc = std::make_unique<CKirvoltDoc>();
    CircuitLayout layout = layoutCircuit(netlist, *solved.doc);
    if (layout.refusal) {
        solved.refusal = layout.refusal;
        return solved;
    }
    solved.nodeNumbers = std::move(layout.nodeNumbers);
    if (const AnalysisOutcome outcome = runAnalysis(*solved.doc, nodalMethod(), RuleChecks::skipped); !outcome) {
        solved.refusal = outcome.refusal->message;
    }
    return solved;
}

std::unique_ptr<CKirvoltDoc> drawNetlist(const std::optional<Netlist>& netlist)
{
    if (!netlist) {
        return nullptr;
    }
    auto doc = std::make_unique<CKirvoltDoc>();
    if (layoutCircuit(*netlist, *doc).refusal) {
        return nullptr;
    }
    return doc;
}

}  // namespace kirvolt
