#include "equations/node_equation_display.h"

#include <algorithm>

#include "analysis/branch_tables.h"
#include "analysis/macro_node.h"
#include "analysis/node_names.h"
#include "document/hit_test.h"
#include "document/wording.h"
#include "equations/all_equations.h"
#include "equations/macro_equation.h"
#include "equations/node_equation.h"
#include "equations/relation_lines.h"
#include "equations/term_texts.h"

namespace kirvolt {

const char* const macroNodeExplanation = WORDING_NOOP("NodeEquations",
    "To avoid involving the unknown currents delivered by the voltage sources in the nodal\n"
    "voltage equation, you may take the parts marked RED as a macro node, and get the nodal\n"
    "voltage equation of this macro node by equating the sum of the currents flowing out through\n"
    "the resistors connected to this macro node with the sum of currents flowing into this macro\n"
    "node from the active current sources connected to this macro node.\n\n"
    "If there are no current sources connected to this macro node, the sum of currents flowing\n"
    "into this macro node is then equal to zero.\n\n"
    "The nodal voltage of the nodes in this macro node is related by the connected Voltage Sources.\n\n"
    "The detail equations are as shown.");

namespace {

NodeEquationStep message(std::string text, Highlight highlight = {})
{
    return {NodeEquationStep::Kind::Message, std::move(text), {}, std::move(highlight)};
}

NodeEquationStep dialog(CKirvoltDoc& doc, int node, Highlight highlight)
{
    NodeEquationTexts texts;
    texts.nodeName = nodeName(doc, node);
    texts.datumNodeName = nodeName(doc, doc.datumNode);
    const auto& lines = equationLinesAt(doc, node);
    std::copy(lines.begin() + 1, lines.begin() + 6, texts.lines.begin());
    return {NodeEquationStep::Kind::Dialog, {}, std::move(texts), std::move(highlight)};
}

void explainOrdinaryNode(CKirvoltDoc& doc, const NodeNames& names, int node, std::vector<NodeEquationStep>& steps)
{
    Highlight highlight;
    markNodeArrows(doc, node, true, false, true, highlight);
    colourNodeJoints(doc, node, highlight);
    colourNodeWires(doc, node, highlight);
    writeNodeEquation(doc, names, node);
    steps.push_back(dialog(doc, node, std::move(highlight)));
}

void explainDatumRelation(CKirvoltDoc& doc, const NodeNames& names, const std::vector<int>& members, int node,
                          std::vector<NodeEquationStep>& steps)
{
    const SourcePath path = findSourcePath(doc, members, node, doc.datumNode);
    if (path.length == 0) {
        steps.push_back(message("numberLink returned is zero."));
        return;
    }
    Highlight highlight;
    colourSourcePath(doc, path, highlight);
    writeDatumRelation(doc, names, node, path);
    steps.push_back(dialog(doc, node, std::move(highlight)));
}

void explainMacroNodeMember(CKirvoltDoc& doc, const NodeNames& names, const std::vector<int>& members, int node,
                            std::vector<NodeEquationStep>& steps)
{
    const int first = firstMacroNode(members);
    Highlight highlight;
    if (node == first) {
        colourMacroNode(doc, members, highlight);
        colourMacroNodeWires(doc, members, highlight);
        markMacroNodeArrows(doc, members, true, false, true, highlight);
        steps.push_back(message(wording("NodeEquations", macroNodeExplanation), highlight));
        writeMacroEquation(doc, names, members, node);
    } else {
        const SourcePath path = findSourcePath(doc, members, node, first);
        colourSourcePath(doc, path, highlight);
        writeMemberRelation(doc, names, node, first, path);
    }
    steps.push_back(dialog(doc, node, std::move(highlight)));
}

}  // namespace

std::vector<NodeEquationStep> showNodeEquations(CKirvoltDoc& doc, Point point)
{
    std::vector<NodeEquationStep> steps;
    if (auto problem = writeAllEquations(doc)) {
        steps.push_back(message(std::move(*problem)));
    }
    const CComponent* hit = jointAt(doc, point);
    if (hit == nullptr) {
        return steps;
    }
    const int node = hit->startNode;
    if (hit->datumMark == 1) {
        steps.push_back(message(fillIn(wording("NodeEquations", "Node %1 is the chosen Datum Node,\n the voltage at this node is taken as zero."),
                                       {nodeName(doc, node)})));
        return steps;
    }
    // A joint placed since the last analysis belongs to no numbered node yet.
    if (node < 1 || node > numberedNodeCount(doc)) {
        return steps;
    }
    const NodeNames names(doc);
    const std::vector<int> members = collectMacroNode(doc, node);
    if (members.size() < 2) {
        explainOrdinaryNode(doc, names, node, steps);
    } else if (std::find(members.begin(), members.end(), doc.datumNode) != members.end()) {
        explainDatumRelation(doc, names, members, node, steps);
    } else {
        explainMacroNodeMember(doc, names, members, node, steps);
    }
    return steps;
}

void presentNodeEquations(UserPort& port, const std::vector<NodeEquationStep>& steps)
{
    for (const NodeEquationStep& step : steps) {
        if (step.kind == NodeEquationStep::Kind::Message) {
            port.showMessage(step.message, step.highlight);
        } else {
            port.showNodeEquationsDialog(step.dialog, step.highlight);
        }
    }
}

}  // namespace kirvolt
