#include "analysis/loop_independence.h"

#include <algorithm>
#include <cstdlib>

#include "analysis/branch_tables.h"
#include "document/text_lists.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

std::string loopsList(const std::vector<int>& loops)
{
    std::vector<std::string> numbers;
    for (int k : loops) {
        numbers.push_back(std::to_string(k));
    }
    return spokenList(numbers);
}

// «loop 2», «twice loop 2», «3 times loop 2».
std::string timesLoop(int coefficient, int k)
{
    const int size = std::abs(coefficient);
    const std::string number = std::to_string(k);
    if (size == 1) {
        return fillIn(wording("LoopCombination", "loop %1"), {number});
    }
    return size == 2 ? fillIn(wording("LoopCombination", "twice loop %1"), {number})
                     : fillIn(wording("LoopCombination", "%1 times loop %2"), {std::to_string(size), number});
}

}  // namespace

std::string loopCombinationText(const std::vector<int>& coefficients)
{
    std::vector<int> plus;
    std::vector<int> minus;
    bool units = true;
    for (std::size_t i = 0; i < coefficients.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        if (coefficients[i] > 0) {
            plus.push_back(k);
        } else if (coefficients[i] < 0) {
            minus.push_back(k);
        }
        units = units && std::abs(coefficients[i]) <= 1;
    }
    if (units && minus.empty()) {
        return plus.size() == 1 ? fillIn(wording("LoopCombination", "loop %1 traced again"), {loopsList(plus)})
                                : fillIn(wording("LoopCombination", "the sum of loops %1"), {loopsList(plus)});
    }
    if (units && plus.empty()) {
        return minus.size() == 1 ? fillIn(wording("LoopCombination", "loop %1 run the other way"), {loopsList(minus)})
                                 : fillIn(wording("LoopCombination", "the sum of loops %1 run the other way"), {loopsList(minus)});
    }
    // A term to add leads, so that the sentence need not open with a minus.
    std::string text;
    const auto say = [&](int k, bool first) {
        const int c = coefficients[static_cast<std::size_t>(k - 1)];
        text += first ? "" : c > 0 ? wording("LoopCombination", " plus ") : wording("LoopCombination", " minus ");
        text += timesLoop(c, k);
    };
    for (int k : plus) {
        say(k, text.empty());
    }
    if (plus.empty()) {
        text = wording("LoopCombination", "minus ");
    }
    for (std::size_t i = 0; i < minus.size(); ++i) {
        if (plus.empty() && i == 0) {
            text += timesLoop(coefficients[static_cast<std::size_t>(minus[i] - 1)], minus[i]);
        } else {
            say(minus[i], false);
        }
    }
    return text;
}

LoopSet::LoopSet(const CKirvoltDoc& doc)
    : doc(doc), neededCount(std::max(0, numberedBranchCount(doc) - numberedNodeCount(doc) + 1))
{
}

LoopSet::Vector LoopSet::branchVector(const std::vector<LoopStep>& loop) const
{
    Vector v(static_cast<std::size_t>(numberedBranchCount(doc)) + 1);
    for (const LoopStep& step : loop) {
        v[static_cast<std::size_t>(step.branch)] = v[static_cast<std::size_t>(step.branch)] + step.sign;
    }
    return v;
}

LoopOffer LoopSet::offer(const std::vector<LoopStep>& loop)
{
    Vector rest = branchVector(loop);
    Vector used(taken.size() + 1);  // rest = loop - sum of used[j] times loop j + 1
    for (std::size_t i = 0; i < reduced.size(); ++i) {
        const auto pivot = std::ranges::find_if(reduced[i], [](const ExactRatio& r) { return !r.zero(); });
        const auto p = static_cast<std::size_t>(pivot - reduced[i].begin());
        if (rest[p].zero()) {
            continue;
        }
        const ExactRatio factor = rest[p] / reduced[i][p];
        for (std::size_t b = 0; b < rest.size(); ++b) {
            rest[b] = rest[b] - factor * reduced[i][b];
        }
        for (std::size_t j = 0; j < made[i].size(); ++j) {
            used[j] = used[j] + factor * made[i][j];
        }
    }
    if (std::ranges::all_of(rest, &ExactRatio::zero)) {
        used.pop_back();
        return {0, combinationSentence(used)};
    }
    Vector own(taken.size() + 1);
    for (std::size_t j = 0; j < taken.size(); ++j) {
        own[j] = ExactRatio(0) - used[j];
    }
    own.back() = 1;
    for (Vector& m : made) {
        m.resize(own.size());
    }
    reduced.push_back(std::move(rest));
    made.push_back(std::move(own));
    taken.push_back(loop);
    const std::string k = std::to_string(taken.size());
    return {count(), fillIn(wording("LoopTracing", "Loop %1 is closed, and it is independent of the loops before it.\n\n%2"),
                            {k, stillNeeded()})};
}

void LoopSet::dropLast()
{
    if (taken.empty()) {
        return;
    }
    taken.pop_back();
    reduced.pop_back();
    made.pop_back();
    for (Vector& m : made) {
        m.resize(taken.size());
    }
}

std::string LoopSet::stillNeeded() const
{
    const int left = neededCount - count();
    if (left <= 0) {
        return fillIn(wording("LoopTracing", "That makes %1 independent loops, as many as your circuit has.\n\n"
                                             "Go ahead with your analysis."),
                      {std::to_string(count())});
    }
    return left == 1 ? wording("LoopTracing", "1 more loop is needed.")
                     : fillIn(wording("LoopTracing", "%1 more loops are needed."), {std::to_string(left)});
}

// The combination that gives the loop, in whole numbers: the loop itself taken as often as
// the largest denominator says.
std::string LoopSet::combinationSentence(const Vector& coefficients) const
{
    long long times = 1;
    for (const ExactRatio& c : coefficients) {
        times = std::lcm(times, c.den);
    }
    std::vector<int> whole;
    for (const ExactRatio& c : coefficients) {
        whole.push_back(static_cast<int>(c.num * (times / c.den)));
    }
    if (times == 1) {
        return fillIn(wording("LoopTracing", "Sorry,\n\nthis loop is %1: its KVL equation would follow from theirs, "
                                             "so it tells nothing new.\n\n%2Trace another loop."),
                      {loopCombinationText(whole), untouchedHint()});
    }
    return fillIn(wording("LoopTracing", "Sorry,\n\nthis loop taken %1 times is %2: its KVL equation would follow from "
                                         "theirs, so it tells nothing new.\n\n%3Trace another loop."),
                  {std::to_string(times), loopCombinationText(whole), untouchedHint()});
}

// A loop through a branch that no loop has run through yet cannot be a combination of them.
std::string LoopSet::untouchedHint() const
{
    std::vector<std::string> untouched;
    for (int b = 1; b <= numberedBranchCount(doc); ++b) {
        const bool on = std::ranges::any_of(taken, [b](const std::vector<LoopStep>& loop) {
            return std::ranges::find(loop, b, &LoopStep::branch) != loop.end();
        });
        if (!on) {
            untouched.push_back(doc.labels[static_cast<std::size_t>(b)]);
        }
    }
    if (untouched.empty()) {
        return "";
    }
    std::string list = untouched.back();
    if (untouched.size() > 1) {
        untouched.pop_back();
        //: The last two of the branches a new loop may run through, as in "R1, R2 or R3".
        list = fillIn(wording("LoopTracing", "%1 or %2"), {joinWith(untouched, wording("Lists", ", ")), list});
    }
    return fillIn(wording("LoopTracing", "A loop through %1, which none of your loops runs through yet, is sure to be new. "),
                  {list});
}

}  // namespace kirvolt
