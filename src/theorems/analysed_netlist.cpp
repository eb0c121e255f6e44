#include "theorems/analysed_netlist.h"

#include "analysis/node_names.h"

namespace kirvolt {

Netlist analysedNetlist(const CKirvoltDoc& doc, std::vector<int>& nodeNumbers)
{
    Netlist netlist;
    const NodeNames names(doc);
    std::vector<int> indexOfNode(static_cast<std::size_t>(doc.nodeCount) + 1, 0);
    nodeNumbers = {doc.datumNode};
    netlist.nodes = {names(doc.datumNode)};
    for (int k = 1; k <= doc.nodeCount; ++k) {
        if (k != doc.datumNode) {
            indexOfNode[static_cast<std::size_t>(k)] = static_cast<int>(netlist.nodes.size());
            netlist.nodes.push_back(names(k));
            nodeNumbers.push_back(k);
        }
    }
    for (const auto& c : doc.components) {
        if (isAnalysedBranchKind(c->kindCode)) {
            netlist.elements.push_back({c->kindCode, c->label, indexOfNode.at(static_cast<std::size_t>(c->startNode)),
                                        indexOfNode.at(static_cast<std::size_t>(c->finishNode)), c->value});
        }
    }
    return netlist;
}

}  // namespace kirvolt
