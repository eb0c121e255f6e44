#pragma once

#include <string>

namespace kirvolt {

// What the tutor tells a student who has counted the nodes of the circuit.
struct NodeCountVerdict {
    bool correct = false;
    std::string message;
};

// Praise for the right count; otherwise a hint graded by how far off the count is and on
// which side, so the student is nudged towards the real number without being told it.
NodeCountVerdict checkNodeCount(int counted, int nodeCount);

}  // namespace kirvolt
