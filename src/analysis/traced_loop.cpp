#include "analysis/traced_loop.h"

#include <algorithm>

#include "analysis/branch_tables.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

int startOf(const CKirvoltDoc& doc, int b) { return doc.branchStartNodes[static_cast<std::size_t>(b)]; }
int finishOf(const CKirvoltDoc& doc, int b) { return doc.branchFinishNodes[static_cast<std::size_t>(b)]; }
const std::string& labelOf(const CKirvoltDoc& doc, int b) { return doc.labels[static_cast<std::size_t>(b)]; }

bool touchesNode(const CKirvoltDoc& doc, int b, int node) { return startOf(doc, b) == node || finishOf(doc, b) == node; }

TracedLoop refuse(TracedLoop loop, int index, std::string why)
{
    loop.refused = index;
    loop.message = std::move(why);
    return loop;
}

// The walk so far: the nodes reached, [0] the one it started from, and the loop's steps.
struct Walk {
    std::vector<int> nodes;
    TracedLoop loop;
};

// The first branch on its own, and which way the second makes it run: towards the node they share.
Walk firstBranch(const CKirvoltDoc& doc, int first, int second)
{
    const bool backwards = second != 0 && !touchesNode(doc, second, finishOf(doc, first));
    Walk walk;
    walk.nodes = backwards ? std::vector<int>{finishOf(doc, first), startOf(doc, first)}
                           : std::vector<int>{startOf(doc, first), finishOf(doc, first)};
    walk.loop.steps.push_back({first, backwards ? -1 : 1});
    return walk;
}

std::string passedNode(const CKirvoltDoc& doc, const Walk& walk, int node)
{
    for (std::size_t i = 1; i + 1 < walk.nodes.size(); ++i) {
        if (walk.nodes[i] == node) {
            return fillIn(wording("TracedLoop", "where %1 and %2 meet"),
                          {labelOf(doc, walk.loop.steps[i - 1].branch), labelOf(doc, walk.loop.steps[i].branch)});
        }
    }
    return wording("TracedLoop", "a node");
}

}  // namespace

TracedLoop traceLoop(const CKirvoltDoc& doc, const std::vector<int>& branches)
{
    if (branches.empty()) {
        return {{}, false, 0, wording("TracedLoop", "Click a branch of your circuit to start the loop.")};
    }
    const int first = branches.front();
    if (startOf(doc, first) == finishOf(doc, first)) {
        TracedLoop alone{{{first, 1}}, true, 0, ""};
        return branches.size() == 1 ? alone
                                    : refuse(alone, 2, fillIn(wording("TracedLoop", "%1 has both ends on one node, so it is a loop by itself: "
                                                                                             "the loop is closed."),
                                                             {labelOf(doc, first)}));
    }
    if (branches.size() >= 2 && std::ranges::none_of(nodesTouched(doc, branches[1]), [&](int node) {
            return touchesNode(doc, first, node);
        })) {
        return refuse(firstBranch(doc, first, 0).loop, 2,
                      fillIn(wording("TracedLoop", "%1 does not touch %2, the last branch of your loop.\n\n"
                                                   "Click a branch that goes on from one of its ends."),
                             {labelOf(doc, branches[1]), labelOf(doc, first)}));
    }
    Walk walk = firstBranch(doc, first, branches.size() >= 2 ? branches[1] : 0);
    for (std::size_t i = 1; i < branches.size(); ++i) {
        const int b = branches[i];
        const int index = static_cast<int>(i) + 1;
        const std::string& last = labelOf(doc, walk.loop.steps.back().branch);
        if (walk.loop.closed) {
            return refuse(walk.loop, index,
                          fillIn(wording("TracedLoop", "Your loop is closed already: %1 would be one branch too many."),
                                 {labelOf(doc, b)}));
        }
        if (std::ranges::find(walk.loop.steps, b, &LoopStep::branch) != walk.loop.steps.end()) {
            return refuse(walk.loop, index,
                          fillIn(wording("TracedLoop", "%1 is in your loop already.\n\nClick a branch that goes on from "
                                                       "the end of %2 your loop has reached."),
                                 {labelOf(doc, b), last}));
        }
        const int at = walk.nodes.back();
        if (startOf(doc, b) == finishOf(doc, b)) {
            return refuse(walk.loop, index,
                          fillIn(wording("TracedLoop", "%1 has both ends on one node, so it is a loop by itself "
                                                       "and cannot be part of a longer one."),
                                 {labelOf(doc, b)}));
        }
        if (!touchesNode(doc, b, at)) {
            const bool behind = touchesNode(doc, b, walk.nodes[walk.nodes.size() - 2]);
            return refuse(walk.loop, index,
                          behind ? fillIn(wording("TracedLoop", "%1 touches %2 only at the end your loop came in by.\n\n"
                                                                "Go on from the other end of %2."),
                                          {labelOf(doc, b), last})
                                 : fillIn(wording("TracedLoop", "%1 does not touch %2, the last branch of your loop.\n\n"
                                                                "Click a branch that goes on from the end of %2 your loop has reached."),
                                          {labelOf(doc, b), last}));
        }
        const bool forward = startOf(doc, b) == at;
        const int next = forward ? finishOf(doc, b) : startOf(doc, b);
        if (next != walk.nodes.front() && std::ranges::find(walk.nodes, next) != walk.nodes.end()) {
            return refuse(walk.loop, index,
                          fillIn(wording("TracedLoop", "%1 would take your loop back to %2, which it has passed already: "
                                                       "a loop passes each node only once."),
                                 {labelOf(doc, b), passedNode(doc, walk, next)}));
        }
        walk.loop.steps.push_back({b, forward ? 1 : -1});
        walk.nodes.push_back(next);
        walk.loop.closed = next == walk.nodes.front();
    }
    if (walk.loop.steps.size() == 1) {
        walk.loop.message = fillIn(wording("TracedLoop", "Your loop is not closed yet: go on from either end of %1 "
                                                         "until the loop comes back to its other end."),
                                   {labelOf(doc, first)});
    } else if (!walk.loop.closed) {
        const std::string& last = labelOf(doc, walk.loop.steps.back().branch);
        walk.loop.message = fillIn(wording("TracedLoop", "Your loop is not closed yet: go on from the end of %1 "
                                                         "until the loop comes back to the end of %2 it started from."),
                                   {last, labelOf(doc, first)});
    }
    return walk.loop;
}

}  // namespace kirvolt
