#pragma once

#include <string>
#include <vector>

#include "analysis/exact_ratio.h"
#include "analysis/loop_tree.h"
#include "document/circuit_document.h"

namespace kirvolt {

// What became of a loop offered to a LoopSet: taken as loop `taken`, or refused as a
// combination of the loops before it, with the sentence that says which.
struct LoopOffer {
    int taken = 0;
    std::string message;
};

// The loops a student has traced, kept only while each is independent of those before it,
// until there are as many as the circuit has: branches - nodes + 1. Independence is decided by
// exact elimination over the loops as signed branch vectors.
class LoopSet {
public:
    explicit LoopSet(const CKirvoltDoc& doc);

    int needed() const { return neededCount; }
    int count() const { return static_cast<int>(taken.size()); }
    bool complete() const { return count() >= neededCount; }
    // [k - 1] is loop k, each with its branches in the order traced.
    const std::vector<std::vector<LoopStep>>& loops() const { return taken; }

    // Takes a closed loop unless it is a combination of the loops already taken.
    LoopOffer offer(const std::vector<LoopStep>& loop);

    // Gives up the newest loop.
    void dropLast();

    // "2 more loops are needed." or that the set is complete.
    std::string stillNeeded() const;

private:
    using Vector = std::vector<ExactRatio>;

    Vector branchVector(const std::vector<LoopStep>& loop) const;
    std::string combinationSentence(const Vector& coefficients) const;
    std::string untouchedHint() const;

    const CKirvoltDoc& doc;
    int neededCount;
    std::vector<std::vector<LoopStep>> taken;
    // Each taken loop reduced against those before it, and that reduction as a combination of
    // the taken loops: reduced[i] = sum over j of made[i][j] times loop j + 1.
    std::vector<Vector> reduced;
    std::vector<Vector> made;
};

// A combination of loops as a sentence says it, coefficients[k - 1] for loop k, each an
// integer: "the sum of loops 1 and 2", "loop 2 minus loop 1", "loop 3 run the other way".
std::string loopCombinationText(const std::vector<int>& coefficients);

}  // namespace kirvolt
