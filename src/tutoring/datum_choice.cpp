#include "tutoring/datum_choice.h"

#include "analysis/node_names.h"

namespace kirvolt {

DatumCandidates datumCandidates(const CKirvoltDoc& doc)
{
    DatumCandidates candidates;
    for (int i = 1; i <= doc.nodeCount; ++i) {
        // The node list misses nodes that only wires reach; such entries stand for no node.
        const int node = i < static_cast<int>(doc.nodeList.size()) ? doc.nodeList[i] : 0;
        candidates.nodes.push_back(node);
        candidates.names.push_back(nodeName(doc, node));
    }
    return candidates;
}

DatumChoiceTexts describeDatumChoice(const DatumCandidates& candidates, int choice)
{
    DatumChoiceTexts texts;
    const int chosenNode = candidates.nodes.at(choice);
    texts.chosenName = candidates.names.at(choice);
    for (std::size_t i = 0; i < candidates.nodes.size(); ++i) {
        if (candidates.nodes[i] != chosenNode) {
            texts.otherNames += candidates.names[i] + " , ";
        }
    }
    texts.otherNames.resize(texts.otherNames.size() >= 2 ? texts.otherNames.size() - 2 : 0);
    texts.equationCount = static_cast<int>(candidates.nodes.size()) - 1;
    return texts;
}

}  // namespace kirvolt
