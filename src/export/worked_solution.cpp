#include "export/worked_solution.h"

#include <algorithm>
#include <cmath>

#include "analysis/branch_tables.h"
#include "analysis/known_methods.h"
#include "analysis/macro_node.h"
#include "analysis/mesh_method.h"
#include "analysis/node_names.h"
#include "analysis/results_text.h"
#include "document/readable_value.h"
#include "equations/all_equations.h"
#include "export/worked_meshes.h"

namespace kirvolt {
namespace {

std::string jointText(const CComponent& joint)
{
    const std::string at = "(" + std::to_string(joint.gridPosition.x) + ", " + std::to_string(joint.gridPosition.y) + ")";
    return joint.name.empty() ? at : joint.name + " " + at;
}

std::vector<NodeJoints> nodeJoints(const CKirvoltDoc& doc)
{
    const NodeNames names(doc);
    std::vector<NodeJoints> nodes;
    for (int node = 1; node <= doc.nodeCount; ++node) {
        NodeJoints entry{node, names(node), {}};
        for (const auto& element : doc.components) {
            if (element->kindCode == KIND_JOINT && element->startNode == node) {
                entry.joints.push_back(jointText(*element));
            }
        }
        nodes.push_back(std::move(entry));
    }
    return nodes;
}

// The node's KCL as the solver wrote it, with the computed voltages. Meters draw none.
CurrentCheck checkNode(const CKirvoltDoc& doc, const NodeNames& names, int node)
{
    CurrentCheck check{node, names(node), {}, 0.0};
    for (const KclBranch& term : kclBranchesAt(doc, node)) {
        const std::string& label = doc.labels[static_cast<std::size_t>(term.branch)];
        if (term.kind == KIND_CURRENT_SOURCE) {
            check.currents.push_back({label, term.other, names(term.other), term.value});
        } else if (term.value != 0.0) {
            const double amperes = (solvedNodeVoltage(doc, node) - solvedNodeVoltage(doc, term.other)) / term.value;
            check.currents.push_back({label, term.other, names(term.other), amperes});
        }
    }
    for (const LeavingCurrent& current : check.currents) {
        check.sum += current.amperes;
    }
    return check;
}

std::vector<CurrentCheck> currentChecks(const CKirvoltDoc& doc)
{
    std::vector<CurrentCheck> checks;
    const NodeNames names(doc);
    for (int node = 1; node <= doc.nodeCount; ++node) {
        if (node != doc.datumNode && collectMacroNode(doc, node).size() == 1) {
            checks.push_back(checkNode(doc, names, node));
        }
    }
    return checks;
}

std::vector<std::string> resultsText(const CKirvoltDoc& doc)
{
    std::vector<std::string> lines;
    for (const ResultsLine& line : resultsPaneLines(doc)) {
        lines.push_back(line.plainText());
    }
    return lines;
}

// Rounding leaves about 1e-16 of the largest current; a billionth is far above that and far
// below any current a circuit drives.
constexpr double ROUNDING_SHARE = 1e-9;

}  // namespace

std::string checkCurrentText(double amperes) { return quantityText(amperes, 2, "A"); }

std::string checkSumText(const CurrentCheck& check)
{
    double largest = 0.0;
    for (const LeavingCurrent& current : check.currents) {
        largest = std::max(largest, std::fabs(current.amperes));
    }
    return std::fabs(check.sum) <= ROUNDING_SHARE * largest ? "0 A" : checkCurrentText(check.sum);
}

std::string checkVoltageText(double volts) { return quantityText(volts, 2, "V"); }

std::string checkSumText(const VoltageCheck& check)
{
    double largest = 0.0;
    for (const VoltageDrop& drop : check.drops) {
        largest = std::max(largest, std::fabs(drop.volts));
    }
    return std::fabs(check.sum) <= ROUNDING_SHARE * largest ? "0 V" : checkVoltageText(check.sum);
}

AnalysisOutcome analyseForShowing(CKirvoltDoc& doc)
{
    const bool analyses = !doc.resultsAreCurrent();
    AnalysisOutcome outcome = analyseUnlessCurrent(doc, methodOf(doc));
    if (analyses) {
        showOutcome(doc, outcome);
    }
    return outcome;
}

std::optional<Explanation> analyseForReport(CKirvoltDoc& doc) { return analyseForShowing(doc).refusal; }

WorkedSolution buildWorkedSolution(CKirvoltDoc& doc, std::string circuitName, const AnalysisOutcome& analysis)
{
    const MethodEquations* equations = equationsOf(methodOf(doc));
    return buildWorkedSolution(doc, std::move(circuitName), analysis, equations != nullptr ? *equations : nodalEquations());
}

WorkedSolution buildWorkedSolution(CKirvoltDoc& doc, std::string circuitName, const AnalysisOutcome& analysis,
                                   const MethodEquations& equations)
{
    const AnalysisMethod& method = equations.method();
    // The equation text by node stays the node voltage method's, whichever method solved.
    writeAllEquations(doc);
    WorkedSolution solution;
    solution.circuitName = std::move(circuitName);
    solution.datumNode = doc.datumNode;
    solution.datumName = nodeName(doc, doc.datumNode);
    solution.nodes = nodeJoints(doc);
    auto written = equations.write(doc);
    if (auto* list = std::get_if<EquationList>(&written)) {
        solution.equationsTitle = list->title;
        solution.equations = std::move(list->blocks);
    } else {
        solution.equationsStopped = std::get<Explanation>(written).message;
    }
    solution.system = analysis.system ? *analysis.system : method.namedSystem(doc);
    solution.results = resultsText(doc);
    if (&method == &meshMethod()) {
        WorkedMeshes meshes = workedMeshes(doc);
        solution.meshes = std::move(meshes.meshes);
        solution.voltageChecks = std::move(meshes.checks);
    } else {
        solution.checks = currentChecks(doc);
    }
    return solution;
}

WorkedSolution buildWorkedSolution(CKirvoltDoc& doc, std::string circuitName)
{
    return buildWorkedSolution(doc, std::move(circuitName), AnalysisOutcome{});
}

}  // namespace kirvolt
