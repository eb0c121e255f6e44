#include "analysis/branch_tables.h"

#include <algorithm>
#include <utility>

namespace kirvolt {
namespace {

int lastIndex(std::size_t tableSize) { return std::max(static_cast<int>(tableSize) - 1, 0); }

bool isNumberedBranch(const CKirvoltDoc& doc, int branch)
{
    return branch >= 1 && branch <= numberedBranchCount(doc);
}

}  // namespace

bool isNumberedNode(const CKirvoltDoc& doc, int node) { return node >= 1 && node <= numberedNodeCount(doc); }

int numberedNodeCount(const CKirvoltDoc& doc)
{
    return std::clamp(doc.nodeCount, 0, lastIndex(doc.nodeBranches.size()));
}

// fillComponentTables sizes labels, values, valueTexts and kinds together, and
// fillBranchTables the four branch tables; one table of each stands for its group.
int numberedBranchCount(const CKirvoltDoc& doc)
{
    return std::clamp(doc.branchCount, 0, std::min(lastIndex(doc.labels.size()), lastIndex(doc.branchKinds.size())));
}

int incidenceAt(const CKirvoltDoc& doc, int node, int branch)
{
    if (!isNumberedNode(doc, node) || !isNumberedBranch(doc, branch)) {
        return 0;
    }
    const auto b = static_cast<std::size_t>(branch);
    if (doc.branchFinishNodes[b] == node) {
        return -1;
    }
    return doc.branchStartNodes[b] == node ? +1 : 0;
}

bool touches(const CKirvoltDoc& doc, int node, int branch)
{
    return incidenceAt(doc, node, branch) != 0;
}

bool isBranchOfKind(const CKirvoltDoc& doc, int branch, int kind)
{
    return isNumberedBranch(doc, branch) && doc.branchKinds[static_cast<std::size_t>(branch)] == kind;
}

const std::vector<int>& branchesAt(const CKirvoltDoc& doc, int node)
{
    static const std::vector<int> none;
    return isNumberedNode(doc, node) ? doc.nodeBranches[static_cast<std::size_t>(node)] : none;
}

void BranchEnds::add(int node)
{
    if (count == 1 && nodes[0] == node) {
        return;
    }
    nodes[static_cast<std::size_t>(count++)] = node;
    if (count == 2 && nodes[0] > nodes[1]) {
        std::swap(nodes[0], nodes[1]);
    }
}

BranchEnds nodesTouched(const CKirvoltDoc& doc, int branch)
{
    BranchEnds ends;
    if (!isNumberedBranch(doc, branch)) {
        return ends;
    }
    for (int node : {doc.branchStartNodes[static_cast<std::size_t>(branch)],
                     doc.branchFinishNodes[static_cast<std::size_t>(branch)]}) {
        if (isNumberedNode(doc, node)) {
            ends.add(node);
        }
    }
    return ends;
}

bool endsOnOneNode(const CKirvoltDoc& doc, int branch)
{
    return nodesTouched(doc, branch).size() == 1;
}

std::vector<KclBranch> kclBranchesAt(const CKirvoltDoc& doc, int node)
{
    std::vector<KclBranch> kcl;
    for (int b : branchesAt(doc, node)) {
        const bool resistor = isBranchOfKind(doc, b, KIND_RESISTOR);
        if ((!resistor && !isBranchOfKind(doc, b, KIND_CURRENT_SOURCE)) || endsOnOneNode(doc, b)) {
            continue;
        }
        int other = 0;
        for (int k : nodesTouched(doc, b)) {
            other = k == node ? other : k;
        }
        const double value = doc.branchValues[static_cast<std::size_t>(b)];
        kcl.push_back({b, doc.branchKinds[static_cast<std::size_t>(b)], other,
                       resistor || incidenceAt(doc, node, b) == +1 ? value : -value});
    }
    return kcl;
}

double conductanceOf(const CKirvoltDoc& doc, int branch)
{
    if (!isNumberedBranch(doc, branch)) {
        return 0.0;
    }
    const double ohms = doc.branchValues[static_cast<std::size_t>(branch)];
    return ohms == 0.0 ? 0.0 : 1.0 / ohms;
}

}  // namespace kirvolt
