#include "equations/all_equations.h"

#include <algorithm>
#include <cfloat>
#include <cstdio>

#include "analysis/branch_tables.h"
#include "analysis/macro_node.h"
#include "analysis/node_names.h"
#include "document/readable_value.h"
#include "equations/macro_equation.h"
#include "equations/node_equation.h"
#include "equations/relation_lines.h"
#include "equations/term_texts.h"

namespace kirvolt {
namespace {

constexpr std::size_t VOLTAGE_FIELD = 6;

// The nodes in the order of their joints in the list; the joints of a node stand together.
// Only joints of numbered nodes count: one placed after the analysis has no node yet.
std::vector<int> nodesWithVoltageLines(CKirvoltDoc& doc)
{
    std::vector<int> nodes;
    int previous = 0;
    for (const auto& component : doc.components) {
        if (component->kindCode != KIND_JOINT) {
            continue;
        }
        const int node = component->startNode;
        if (node != previous && node >= 1 && node <= numberedNodeCount(doc)) {
            nodes.push_back(node);
            equationLinesAt(doc, node)[6] = voltageLine(component->label, component->startVoltage);
        }
        previous = node;
    }
    return nodes;
}

void writeDatumLines(CKirvoltDoc& doc, const std::string& name, int node)
{
    auto& lines = equationLinesAt(doc, node);
    for (int line = 2; line <= 6; ++line) {
        lines[static_cast<std::size_t>(line)] = "V" + name + " = 0 Volt.";
    }
}

}  // namespace

std::string voltageLine(const std::string& name, double volts)
{
    // printf's rounding, not FormatValue's, as these lines have always been written.
    // Room for the longest a double can print as: sign, 309 integer digits, point, two decimals.
    char fixed[DBL_MAX_10_EXP + 6];
    std::snprintf(fixed, sizeof fixed, "%6.2f", volts);
    std::string number(fixed);
    if (showsTooFewDigits(volts, number)) {
        number = threeDigitNumber(volts);
        number.insert(0, number.size() < VOLTAGE_FIELD ? VOLTAGE_FIELD - number.size() : 0, ' ');
    }
    return "V" + name + " = " + number + " Volt.";
}

void writeMacroNodeText(CKirvoltDoc& doc, const NodeNames& names, const std::vector<int>& members, int node)
{
    const int first = firstMacroNode(members);
    if (node == first) {
        writeMacroEquation(doc, names, members, node);
        return;
    }
    writeMemberRelation(doc, names, node, first, findSourcePath(doc, members, node, first));
}

std::optional<std::string> writeAllEquations(CKirvoltDoc& doc)
{
    doc.equationText.resize(static_cast<std::size_t>(numberedNodeCount(doc)) + 1);
    const std::vector<int> nodes = nodesWithVoltageLines(doc);
    const std::size_t count = std::min(nodes.size(), static_cast<std::size_t>(numberedNodeCount(doc)));
    const NodeNames names(doc);
    MacroNodeIndex macroNodes(doc);
    TreeRelations treeRelations(doc, names, macroNodes);
    for (std::size_t i = 0; i < count; ++i) {
        const int node = nodes[i];
        if (node == doc.datumNode) {
            writeDatumLines(doc, names(node), node);
        } else if (macroNodes.isOrdinary(node)) {
            writeNodeEquation(doc, names, node);
        } else if (macroNodes.formsTree(node) && node != macroNodes.referenceOf(node)) {
            // Without loops the one chain to the reference is the shortest; no search needed.
            treeRelations.write(node);
        } else if (macroNodes.holdsDatum(node)) {
            const SourcePath path = findSourcePath(doc, macroNodes.collect(node), node, doc.datumNode);
            if (path.length == 0) {
                return "numberLink returned is zero.";
            }
            writeDatumRelation(doc, names, node, path);
        } else {
            writeMacroNodeText(doc, names, macroNodes.collect(node), node);
        }
    }
    return std::nullopt;
}

}  // namespace kirvolt
