#include "equations/node_equation_display.h"

#include <algorithm>

#include "analysis/branch_tables.h"
#include "analysis/nodal_analysis.h"
#include "document/hit_test.h"
#include "equations/all_equations.h"
#include "equations/macro_equation.h"
#include "equations/node_equation.h"
#include "equations/relation_lines.h"
#include "equations/term_texts.h"

namespace kirvolt {

const char* const macroNodeExplanation =
    "To avoid involving the unknown currents delivered by the voltage sources in the nodal\n"
    "voltage equation, you may take the parts marked RED as a macro node, and get the nodal\n"
    "voltage equation of this macro node by equating the sum of the currents flowing out through\n"
    "the resistors connected to this macro node with the sum of currents flowing into this macro\n"
    "node from the active current sources connected to this macro node.\n\n"
    "If there are no current sources connected to this macro node, the sum of currents flowing\n"
    "into this macro node is then equal to zero.\n\n"
    "The nodal voltage of the nodes in this macro node is related by the connected Voltage Sources.\n\n"
    "The detail equations are as shown.";

namespace {

void showDialog(CKirvoltDoc& doc, int node)
{
    NodeEquationTexts texts;
    texts.nodeName = nodeName(doc, node);
    texts.datumNodeName = nodeName(doc, doc.datumNode);
    const auto& lines = equationLinesAt(doc, node);
    std::copy(lines.begin() + 1, lines.begin() + 6, texts.lines.begin());
    doc.port().showNodeEquationsDialog(texts);
}

std::vector<int> pathNodes(const SourcePath& path)
{
    return {path.nodes.begin() + 1, path.nodes.begin() + 1 + path.length};
}

void showOrdinaryNode(CKirvoltDoc& doc, int node)
{
    markNodeArrows(doc, node, true, false, true);
    colourNodeJoints(doc, node, COLOUR_HIGHLIGHT);
    colourNodeWires(doc, node, COLOUR_HIGHLIGHT);
    doc.UpdateAllViews();
    writeNodeEquation(doc, node);
    showDialog(doc, node);
    clearArrows(doc);
    colourNodeJoints(doc, node, COLOUR_JOINT);
    colourNodeWires(doc, node, COLOUR_WIRE);
    doc.UpdateAllViews();
}

void showDatumRelation(CKirvoltDoc& doc, const std::vector<int>& members, int node)
{
    const SourcePath path = findSourcePath(doc, members, node, doc.datumNode);
    colourSourcePath(doc, path, COLOUR_HIGHLIGHT);
    if (path.length == 0) {
        doc.showMessage("numberLink returned is zero.");
        return;
    }
    writeDatumRelation(doc, node, path);
    showDialog(doc, node);
    colourSourcePath(doc, path, COLOUR_COMPONENT);
    colourMacroNodeWires(doc, pathNodes(path), COLOUR_WIRE);
    doc.UpdateAllViews();
}

void showMacroNodeMember(CKirvoltDoc& doc, const std::vector<int>& members, int node)
{
    const int first = firstMacroNode(members);
    if (node == first) {
        colourMacroNode(doc, members, COLOUR_HIGHLIGHT);
        colourMacroNodeWires(doc, members, COLOUR_HIGHLIGHT);
        markMacroNodeArrows(doc, members, true, false, true);
        doc.UpdateAllViews();
        doc.showMessage(macroNodeExplanation);
        writeMacroEquation(doc, members, node);
    } else {
        const SourcePath path = findSourcePath(doc, members, node, first);
        colourSourcePath(doc, path, COLOUR_HIGHLIGHT);
        doc.UpdateAllViews();
        writeMemberRelation(doc, node, first, path);
    }
    showDialog(doc, node);
    colourMacroNode(doc, members, COLOUR_COMPONENT);
    colourMacroNodeWires(doc, members, COLOUR_WIRE);
    clearArrows(doc);
    doc.UpdateAllViews();
}

}  // namespace

void showNodeEquations(CKirvoltDoc& doc, Point point)
{
    if (const auto problem = writeAllEquations(doc)) {
        doc.showMessage(*problem);
    }
    const CComponent* hit = jointAt(doc, point);
    if (hit == nullptr) {
        return;
    }
    const int node = hit->startNode;
    if (hit->datumMark == 1) {
        doc.showMessage("Node " + nodeName(doc, node) +
                        " is the chosen Datum Node,\n the voltage at this node is taken as zero.");
        return;
    }
    // A joint placed since the last analysis belongs to no numbered node yet.
    if (node < 1 || node > numberedNodeCount(doc)) {
        return;
    }
    const std::vector<int> members = collectMacroNode(doc, node);
    if (members.size() < 2) {
        showOrdinaryNode(doc, node);
    } else if (std::find(members.begin(), members.end(), doc.datumNode) != members.end()) {
        showDatumRelation(doc, members, node);
    } else {
        showMacroNodeMember(doc, members, node);
    }
}

}  // namespace kirvolt
