#pragma once

#include <string>
#include <vector>

#include "analysis/loop_tree.h"
#include "document/circuit_document.h"

namespace kirvolt {

// How far a loop traced branch by branch has come: the branches taken so far, each signed by
// the way the loop runs through it (a lone first branch is taken from its start terminal until
// the second says which way the loop goes), whether the loop has come back to where it
// started, and, when a branch was refused, which (from 1) and why, the branches after it being
// left untried. message says what to do next when nothing was refused.
struct TracedLoop {
    std::vector<LoopStep> steps;
    bool closed = false;
    int refused = 0;
    std::string message;
};

// The branches, in the order clicked, as a loop of the numbered circuit: each must touch the
// one before it at the node the loop has reached, the loop must pass no node twice, and it is
// closed once it is back at the node it started from.
TracedLoop traceLoop(const CKirvoltDoc& doc, const std::vector<int>& branches);

}  // namespace kirvolt
