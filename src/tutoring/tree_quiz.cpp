#include "tutoring/tree_quiz.h"

#include <algorithm>

#include "analysis/branch_tables.h"
#include "analysis/loop_tree.h"
#include "document/hit_test.h"
#include "document/text_lists.h"
#include "document/wording.h"

namespace kirvolt {

TreeQuiz::TreeQuiz(CKirvoltDoc& doc) : doc(doc) {}

int TreeQuiz::wanted() const { return numberedNodeCount(doc) - 1; }

bool TreeQuiz::complete() const { return static_cast<int>(tree.size()) == wanted(); }

std::vector<std::string> TreeQuiz::pickedLabels() const
{
    std::vector<std::string> labels;
    for (int b : tree) {
        labels.push_back(doc.labels[static_cast<std::size_t>(b)]);
    }
    return labels;
}

std::string TreeQuiz::progress() const
{
    const std::string taken = std::to_string(tree.size());
    const std::string wantedCount = std::to_string(wanted());
    if (tree.empty()) {
        return wanted() == 1 ? fillIn(wording("TreeQuiz", "Your tree has %1 of its %2 branch."), {taken, wantedCount})
                             : fillIn(wording("TreeQuiz", "Your tree has %1 of its %2 branches."), {taken, wantedCount});
    }
    const std::string picked = spokenList(pickedLabels());
    return wanted() == 1 ? fillIn(wording("TreeQuiz", "Your tree has %1 of its %2 branch: %3."), {taken, wantedCount, picked})
                         : fillIn(wording("TreeQuiz", "Your tree has %1 of its %2 branches: %3."), {taken, wantedCount, picked});
}

TreeClickReply TreeQuiz::click(Point logical)
{
    const CComponent* hit = HitTest(doc, logical);
    if (hit == nullptr || !isAnalysedBranchKind(hit->kindCode)) {
        return {false, wording("TreeQuiz", "Click a resistor or a voltage source of your circuit."), {}};
    }
    return pick(hit->branchIndex);
}

TreeClickReply TreeQuiz::pick(int branch)
{
    const std::string& label = doc.labels[static_cast<std::size_t>(branch)];
    if (const auto at = std::ranges::find(tree, branch); at != tree.end()) {
        tree.erase(at);
        return {true, fillIn(wording("TreeQuiz", "%1 is taken out of the tree; it is a chord again."), {label}), {}};
    }
    if (auto why = whyNotInTree(doc, tree, branch)) {
        return {false, std::move(why->message), std::move(why->highlight)};
    }
    tree.push_back(branch);
    std::string text = fillIn(wording("TreeQuiz", "%1 is in the tree."), {label});
    if (complete()) {
        const int nodes = numberedNodeCount(doc);
        text += "\n\n" + fillIn(tree.size() == 1 ? wording("TreeQuiz", "The tree is complete: its %1 branch joins all %2 nodes, "
                                                                  "and every other branch is a chord that closes one loop with it.")
                                                : wording("TreeQuiz", "The tree is complete: its %1 branches join all %2 nodes, "
                                                                  "and every other branch is a chord that closes one loop with it."),
                                {std::to_string(tree.size()), std::to_string(nodes)});
    }
    return {true, text, {}};
}

}  // namespace kirvolt
