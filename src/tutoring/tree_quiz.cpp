#include "tutoring/tree_quiz.h"

#include <algorithm>

#include "analysis/branch_tables.h"
#include "analysis/loop_tree.h"
#include "document/hit_test.h"
#include "document/text_lists.h"

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
    const std::string of = std::to_string(tree.size()) + " of its " + std::to_string(wanted()) +
                           (wanted() == 1 ? " branch" : " branches");
    return "Your tree has " + of + (tree.empty() ? "." : ": " + spokenList(pickedLabels()) + ".");
}

TreeClickReply TreeQuiz::click(Point logical)
{
    const CComponent* hit = HitTest(doc, logical);
    if (hit == nullptr || !isAnalysedBranchKind(hit->kindCode)) {
        return {false, "Click a resistor or a voltage source of your circuit.", {}};
    }
    return pick(hit->branchIndex);
}

TreeClickReply TreeQuiz::pick(int branch)
{
    const std::string& label = doc.labels[static_cast<std::size_t>(branch)];
    if (const auto at = std::ranges::find(tree, branch); at != tree.end()) {
        tree.erase(at);
        return {true, label + " is taken out of the tree; it is a chord again.", {}};
    }
    if (auto why = whyNotInTree(doc, tree, branch)) {
        return {false, std::move(why->message), std::move(why->highlight)};
    }
    tree.push_back(branch);
    std::string text = label + " is in the tree.";
    if (complete()) {
        const int nodes = numberedNodeCount(doc);
        text += "\n\nThe tree is complete: its " + std::to_string(tree.size()) +
                (tree.size() == 1 ? " branch joins all " : " branches join all ") + std::to_string(nodes) +
                " nodes, and every other branch is a chord that closes one loop with it.";
    }
    return {true, text, {}};
}

}  // namespace kirvolt
