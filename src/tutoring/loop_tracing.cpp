#include "tutoring/loop_tracing.h"

#include <algorithm>

#include "analysis/branch_tables.h"
#include "analysis/traced_loop.h"
#include "document/hit_test.h"
#include "document/wording.h"

namespace kirvolt {

LoopTracing::LoopTracing(CKirvoltDoc& doc) : doc(doc), set(doc) {}

std::string LoopTracing::progress() const
{
    return fillIn(wording("LoopTracing", "Loops traced:  %1 of %2."), {std::to_string(set.count()), std::to_string(set.needed())});
}

std::string LoopTracing::labelOf(int branch) const { return doc.labels[static_cast<std::size_t>(branch)]; }

LoopClickReply LoopTracing::marked(std::string text, const std::vector<int>& branches) const
{
    LoopClickReply reply{std::move(text), {}};
    for (const auto& c : doc.components) {
        if (isAnalysedBranchKind(c->kindCode) && std::ranges::find(branches, c->branchIndex) != branches.end()) {
            reply.highlight.paintRed(*c);
        }
    }
    return reply;
}

LoopClickReply LoopTracing::click(Point logical)
{
    const CComponent* hit = HitTest(doc, logical);
    if (hit == nullptr || !isAnalysedBranchKind(hit->kindCode)) {
        return marked(wording("LoopTracing", "That is no branch of your circuit.\n\nClick a resistor or a source: a wire only joins "
                                             "the branches."),
                      clicked);
    }
    std::vector<int> tried = clicked;
    tried.push_back(hit->branchIndex);
    const TracedLoop loop = traceLoop(doc, tried);
    if (loop.refused != 0) {
        return marked(fillIn(wording("LoopTracing", "Sorry,\n\n%1"), {loop.message}), clicked);
    }
    clicked = std::move(tried);
    if (!loop.closed) {
        return marked(fillIn(wording("LoopTracing", "%1 taken.\n\n%2"), {hit->label, loop.message}), clicked);
    }
    const std::vector<int> traced = std::exchange(clicked, {});
    const LoopOffer offer = set.offer(loop.steps);
    return marked(offer.message, offer.taken == 0 ? traced : std::vector<int>{});
}

LoopClickReply LoopTracing::undoLast()
{
    if (clicked.empty()) {
        return marked(wording("LoopTracing", "There is no branch to take back: the loop you are tracing has none yet."), clicked);
    }
    const std::string label = labelOf(clicked.back());
    clicked.pop_back();
    return marked(fillIn(wording("LoopTracing", "%1 taken back.\n\n%2"), {label, traceLoop(doc, clicked).message}), clicked);
}

LoopClickReply LoopTracing::startAgain()
{
    clicked.clear();
    return marked(fillIn(wording("LoopTracing", "The loop is cleared.\n\n%1"), {traceLoop(doc, clicked).message}), clicked);
}

}  // namespace kirvolt
