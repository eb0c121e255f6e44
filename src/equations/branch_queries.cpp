#include "equations/branch_queries.h"

#include <cstdlib>

namespace kirvolt {

int incidenceAt(const CKirvoltDoc& doc, int node, int branch)
{
    if (node < 1 || node >= static_cast<int>(doc.incidence.size())) {
        return 0;
    }
    const auto& row = doc.incidence[static_cast<std::size_t>(node)];
    if (branch < 1 || branch >= static_cast<int>(row.size())) {
        return 0;
    }
    return row[static_cast<std::size_t>(branch)];
}

bool touches(const CKirvoltDoc& doc, int node, int branch)
{
    return std::abs(incidenceAt(doc, node, branch)) == 1;
}

bool isBranchOfKind(const CKirvoltDoc& doc, int branch, int kind)
{
    return doc.branchKinds[static_cast<std::size_t>(branch)] == kind;
}

std::vector<int> nodesTouched(const CKirvoltDoc& doc, int branch)
{
    std::vector<int> nodes;
    for (int k = 1; k <= doc.nodeCount; ++k) {
        if (touches(doc, k, branch)) {
            nodes.push_back(k);
        }
    }
    return nodes;
}

bool endsOnOneNode(const CKirvoltDoc& doc, int branch)
{
    return nodesTouched(doc, branch).size() == 1;
}

double conductanceOf(const CKirvoltDoc& doc, int branch)
{
    const double ohms = doc.branchValues[static_cast<std::size_t>(branch)];
    return ohms == 0.0 ? 0.0 : 1.0 / ohms;
}

}  // namespace kirvolt
