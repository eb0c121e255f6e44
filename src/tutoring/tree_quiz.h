#pragma once

#include <string>
#include <vector>

#include "document/circuit_document.h"
#include "document/geometry.h"
#include "document/highlight.h"

namespace kirvolt {

// The tutor's answer to one click on the drawing: whether the tree changed, what it says, and
// what it marks (the loop a branch would close, or the current source clicked).
struct TreeClickReply {
    bool changed = false;
    std::string text;
    Highlight highlight;
};

// The step of the Chord Current Tutor in which the student picks a tree by clicking branches
// of the drawing: a branch joins the tree unless it is a current source or closes a loop with
// the branches already picked; one picked already is taken out again. The tree is complete
// at n - 1 branches, which then join all n nodes. The circuit must be numbered and outlive it.
class TreeQuiz {
public:
    explicit TreeQuiz(CKirvoltDoc& doc);

    bool complete() const;
    // The branches picked, in the order they were picked.
    const std::vector<int>& picked() const { return tree; }
    std::vector<std::string> pickedLabels() const;
    // "Your tree has 2 of its 3 branches: E1 and R1."
    std::string progress() const;

    // A click at the logical point; off the resistors and sources nothing changes.
    TreeClickReply click(Point logical);
    // The branch clicked.
    TreeClickReply pick(int branch);

private:
    int wanted() const;

    CKirvoltDoc& doc;
    std::vector<int> tree;
};

}  // namespace kirvolt
