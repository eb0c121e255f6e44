#pragma once

#include <string>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// The nodes step 3 of the tutor offers as the datum: list entry i stands for node nodes[i]
// and shows names[i].
struct DatumCandidates {
    std::vector<int> nodes;
    std::vector<std::string> names;
};

// What step 3 shows once an entry is chosen.
struct DatumChoiceTexts {
    std::string chosenName;
    std::string otherNames;  // "2 , 3 ": the other nodes, each followed by " , ", less the last two characters
    int equationCount = 0;
};

// One entry per node (nodeCount of them), in the order of the node list; a node without a
// joint shows "error".
DatumCandidates datumCandidates(const CKirvoltDoc& doc);

DatumChoiceTexts describeDatumChoice(const DatumCandidates& candidates, int choice);

}  // namespace kirvolt
