#pragma once

#include <string>
#include <vector>

#include "analysis/loop_independence.h"
#include "document/circuit_document.h"
#include "document/geometry.h"
#include "document/highlight.h"

namespace kirvolt {

// The tutor's answer to one click or button: what it says, and the loop being traced, marked.
struct LoopClickReply {
    std::string text;
    Highlight highlight;
};

// The step of the Loop Current Tutor in which the student traces loops by clicking their
// branches in order on the drawing: each click is taken or refused as traceLoop says, a loop
// that closes is kept when it is independent of the loops before it, until there are as many
// as the circuit has. The circuit must be numbered and outlive it.
class LoopTracing {
public:
    explicit LoopTracing(CKirvoltDoc& doc);

    bool done() const { return set.complete(); }
    int needed() const { return set.needed(); }
    const std::vector<std::vector<LoopStep>>& loops() const { return set.loops(); }
    // "Loops traced:  1 of 3."
    std::string progress() const;

    // A click at the logical point.
    LoopClickReply click(Point logical);
    // Takes back the branch clicked last in the loop being traced.
    LoopClickReply undoLast();
    // Drops the loop being traced, to start it again.
    LoopClickReply startAgain();

private:
    LoopClickReply marked(std::string text, const std::vector<int>& branches) const;
    std::string labelOf(int branch) const;

    CKirvoltDoc& doc;
    LoopSet set;
    std::vector<int> clicked;  // the branches of the loop being traced
};

}  // namespace kirvolt
