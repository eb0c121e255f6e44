#include "analysis/node_numbering.h"

#include <algorithm>
#include <vector>

#include "document/format_value.h"

namespace kirvolt {
namespace {

int countBranches(const CKirvoltDoc& doc)
{
    return static_cast<int>(std::count_if(doc.components.begin(), doc.components.end(),
                                          [](const auto& c) { return isAnalysedBranchKind(c->kindCode); }));
}


}  // namespace

void selectDatum(CKirvoltDoc& doc, int d)
{
    if (doc.nodeCount <= 0) {
        return;
    }
    doc.datumNode = d;
    doc.nodeMap.assign(doc.nodeCount + 1, 0);
    for (int i = 1; i <= doc.nodeCount; ++i) {
        doc.nodeMap[i] = i < d ? i : (i == d ? 0 : i - 1);
    }
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_JOINT) {
            element->datumMark = element->startNode == d ? 1 : 0;
        }
    }
}

void fillComponentTables(CKirvoltDoc& doc)
{
    const int b = countBranches(doc);
    doc.labels.resize(b + 1);
    doc.values.resize(b + 1);
    doc.kinds.resize(b + 1);
    doc.valueTexts.resize(b + 1);
    int i = 1;
    for (const auto& element : doc.components) {
        CComponent& c = *element;
        if (!isAnalysedBranchKind(c.kindCode)) {
            // A meter read from a file may carry the branch number an older numbering gave it.
            if (isMeterKind(c.kindCode)) {
                c.branchIndex = 0;
            }
            continue;
        }
        c.branchIndex = i;
        doc.labels[i] = c.label;
        doc.values[i] = c.value;
        doc.kinds[i] = c.kindCode;
        doc.valueTexts[i] = valueText(c.value);
        ++i;
    }
}

void fillBranchTables(CKirvoltDoc& doc)
{
    const int b = countBranches(doc);
    doc.branchValues.resize(b + 1);
    doc.branchStartNodes.resize(b + 1);
    doc.branchFinishNodes.resize(b + 1);
    doc.branchKinds.resize(b + 1);
    std::vector<int> terminalNodes;
    terminalNodes.reserve(2 * b);
    doc.branchCount = 0;
    for (const auto& element : doc.components) {
        const CComponent& c = *element;
        if (!isAnalysedBranchKind(c.kindCode)) {
            continue;
        }
        const int i = doc.branchCount + 1;
        doc.branchValues[i] = c.value;
        doc.branchStartNodes[i] = c.startNode;
        doc.branchFinishNodes[i] = c.finishNode;
        doc.branchKinds[i] = c.kindCode;
        terminalNodes.push_back(c.startNode);
        terminalNodes.push_back(c.finishNode);
        doc.branchCount = i;
    }
    std::sort(terminalNodes.begin(), terminalNodes.end());
    // Node numbers are positive; the copy stops at the first one that is not.
    doc.nodeList.assign(1, 0);
    for (int node : terminalNodes) {
        if (node <= 0) {
            break;
        }
        if (node != doc.nodeList.back()) {
            doc.nodeList.push_back(node);
        }
    }
}

void fillIncidence(CKirvoltDoc& doc)
{
    const int n = std::max(doc.nodeCount, 0);
    doc.nodeBranches.assign(static_cast<std::size_t>(n) + 1, {});
    for (int j = 1; j <= doc.branchCount; ++j) {
        const int start = doc.branchStartNodes[j];
        const int finish = doc.branchFinishNodes[j];
        if (doc.isNode(start)) {
            doc.nodeBranches[start].push_back(j);
        }
        if (doc.isNode(finish) && finish != start) {
            doc.nodeBranches[finish].push_back(j);
        }
    }
}

void numberBranches(CKirvoltDoc& doc)
{
    fillComponentTables(doc);
    fillBranchTables(doc);
    fillIncidence(doc);
    doc.noteTablesFilled();
}

void numberCircuit(CKirvoltDoc& doc)
{
    selectDatum(doc, doc.datumNode);
    numberBranches(doc);
}

}  // namespace kirvolt
