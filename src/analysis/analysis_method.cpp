#include "analysis/analysis_method.h"

#include <algorithm>
#include <utility>

#include "analysis/circuit_solvability.h"
#include "analysis/meter_readings.h"
#include "analysis/node_extraction.h"
#include "analysis/node_numbering.h"
#include "analysis/results_text.h"
#include "analysis/rule_checks.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

// Node numbers read from a file may not belong to the stored node count; such nodes are
// built again rather than trusted.
bool nodesInRange(const CKirvoltDoc& doc)
{
    return std::all_of(doc.components.begin(), doc.components.end(), [&](const auto& c) {
        return !isAnalysedBranchKind(c->kindCode) || (doc.isNode(c->startNode) && doc.isNode(c->finishNode));
    });
}

void prepareNodes(CKirvoltDoc& doc)
{
    if (!doc.nodesValid || !nodesInRange(doc)) {
        buildNodes(doc);
    }
    // Without nodes there is no datum to fall back to, and a datum beyond the nodes would not
    // survive the next reading of the file.
    if (!doc.isNode(doc.datumNode) && doc.nodeCount >= 1) {
        doc.datumNode = 1;
    }
}

AnalysisOutcome refuse(CKirvoltDoc& doc, AnalysisOutcome outcome, Explanation why)
{
    doc.forgetResults();
    doc.analysisFailed = 1;
    outcome.refusal = std::move(why);
    return outcome;
}

// Voltage sources, and whatever else a method solves for directly, take their currents from
// the solution; the other currents follow from the node voltages.
void assignBranchCurrents(CKirvoltDoc& doc, const MethodSolution& solution)
{
    const auto& currents = solution.branchCurrents;
    for (const auto& element : doc.components) {
        const auto j = static_cast<std::size_t>(element->branchIndex);
        if (element->branchIndex >= 1 && element->branchIndex <= doc.branchCount && j < currents.size() && currents[j]) {
            element->current = *currents[j];
        }
    }
}

// Swaps the resistor's terminals so that its p.d., and so its current, is not negative.
void turnRound(CComponent& r)
{
    std::swap(r.startNode, r.finishNode);
    std::swap(r.gridStart, r.gridFinish);
    std::swap(r.startVoltage, r.finishVoltage);
    r.pd = -r.pd;
    r.orientation = turnedRound(r.orientation);
}

// A larger system is shown nowhere but in a report, which asks the method for it; keeping it
// would cost every analysis of a large circuit a dense matrix.
void keepSystem(CKirvoltDoc& doc, const AnalysisMethod& method, AnalysisOutcome& outcome)
{
    if (outcome.unknownCount && *outcome.unknownCount <= MATRIX_FORM_LIMIT) {
        outcome.system = method.namedSystem(doc);
    }
}

}  // namespace

AnalysisOutcome runAnalysis(CKirvoltDoc& doc, const AnalysisMethod& method, RuleChecks checks)
{
    AnalysisOutcome outcome;
    if (checks == RuleChecks::run && doc.components.empty()) {
        return refuse(doc, outcome, {wording("Analysis", "Create your circuit first."), {}});
    }
    prepareNodes(doc);
    // A list of nothing but user joints is empty once the joints are rebuilt.
    if (doc.nodeCount < 1) {
        return refuse(doc, outcome, {wording("Analysis", "Create your circuit first."), {}});
    }
    numberCircuit(doc);
    outcome.numbered = true;
    // Without the rule checks a 0 ohm resistor is still refused: no method can solve it.
    if (auto failure = checks == RuleChecks::run ? runRuleChecks(doc) : checkZeroResistances(doc)) {
        return refuse(doc, outcome, std::move(*failure));
    }
    if (const auto why = unsolvableCircuitMessage(doc)) {
        return refuse(doc, outcome, {*why, {}});
    }
    outcome.unknownCount = method.unknownCount(doc);
    auto solved = method.solve(doc);
    if (auto* why = std::get_if<Explanation>(&solved)) {
        return refuse(doc, outcome, std::move(*why));
    }
    MethodSolution& solution = std::get<MethodSolution>(solved);
    solution.nodeVoltages.resize(std::max<std::size_t>(solution.nodeVoltages.size(), static_cast<std::size_t>(doc.nodeCount) + 1), 0.0);
    assignBranchCurrents(doc, solution);
    distributeResults(doc, solution.nodeVoltages);
    std::vector<MeterReading> readings = takeMeterReadings(doc);
    std::vector<ResultsLine> lines = buildResultsText(doc, readings);
    doc.keepResults(std::move(lines), std::move(readings));
    keepSystem(doc, method, outcome);
    return outcome;
}

AnalysisOutcome analyseCircuit(CKirvoltDoc& doc, const AnalysisMethod& method)
{
    AnalysisOutcome outcome = runAnalysis(doc, method);
    if (!outcome) {
        outcome.refusal->message += ammeterNote(doc);
    }
    return outcome;
}

AnalysisOutcome analyseUnlessCurrent(CKirvoltDoc& doc, const AnalysisMethod& method)
{
    if (!doc.resultsAreCurrent()) {
        return analyseCircuit(doc, method);
    }
    prepareNumbering(doc);
    AnalysisOutcome outcome;
    outcome.numbered = true;
    outcome.unknownCount = method.unknownCount(doc);
    keepSystem(doc, method, outcome);
    return outcome;
}

void showOutcome(CKirvoltDoc& doc, const AnalysisOutcome& outcome)
{
    if (outcome.numbered) {
        doc.mode = nodeEquationMode;
    }
    if (outcome) {
        doc.UpdateAllViews();
    }
}

void prepareNumbering(CKirvoltDoc& doc)
{
    prepareNodes(doc);
    numberCircuit(doc);
}

void distributeResults(CKirvoltDoc& doc, const std::vector<double>& x)
{
    for (const auto& element : doc.components) {
        CComponent& c = *element;
        // Only a voltmeter's terminal can lie on no node; it keeps no voltage of an earlier circuit.
        c.startVoltage = doc.isNode(c.startNode) ? x[c.startNode] : 0.0;
        c.finishVoltage = doc.isNode(c.finishNode) ? x[c.finishNode] : 0.0;
        c.pd = c.startVoltage - c.finishVoltage;
        if (c.kindCode == KIND_CURRENT_SOURCE) {
            c.current = c.value;  // an ideal current source drives its value whatever the circuit
        }
        if (c.kindCode != KIND_RESISTOR) {
            continue;
        }
        if (c.pd < 0) {
            turnRound(c);
        }
        // Every analysis refuses a 0 ohm resistor; the results written here never divide by it.
        c.current = c.value != 0.0 ? c.pd / c.value : 0.0;
    }
}

}  // namespace kirvolt
