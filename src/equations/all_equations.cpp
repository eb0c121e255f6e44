#include "equations/all_equations.h"

#include <algorithm>
#include <cstdio>

#include "analysis/branch_tables.h"
#include "analysis/macro_node.h"
#include "analysis/node_names.h"
#include "equations/macro_equation.h"
#include "equations/node_equation.h"
#include "equations/relation_lines.h"
#include "equations/term_texts.h"

namespace kirvolt {
namespace {

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
            equationLinesAt(doc, node)[6] = voltageLine(node, component->startVoltage);
        }
        previous = node;
    }
    return nodes;
}

void writeDatumLines(CKirvoltDoc& doc, int node)
{
    char text[32];
    std::snprintf(text, sizeof text, "V%d = 0 Volt.", node);
    auto& lines = equationLinesAt(doc, node);
    for (int line = 2; line <= 6; ++line) {
        lines[static_cast<std::size_t>(line)] = text;
    }
}

}  // namespace

std::string voltageLine(int node, double volts)
{
    const char* format = "V%d = %6.2f Volt.";
    const int length = std::snprintf(nullptr, 0, format, node, volts);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, node, volts);
    text.resize(static_cast<std::size_t>(length));
    return text;
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
            writeDatumLines(doc, node);
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
