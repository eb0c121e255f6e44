#pragma once

#include <string>
#include <vector>

#include "analysis/analysis_method.h"
#include "analysis/loop_system.h"

namespace kirvolt {

// The loop current method: a tree over every node, and through each chord the current of the
// loop it closes with the tree, solved from R·I = E; works on any drawing, crossings and all.
// The node voltages, taken from the datum along resistors and voltage sources, give every
// element its p.d. and current as the node voltage method does. Made over the branches of a
// chosen tree, by label, or over none for the textbook's tree.
class LoopMethod final : public AnalysisMethod {
public:
    explicit LoopMethod(std::vector<std::string> tree = {}) : chosenTree(std::move(tree)) {}

    const std::vector<std::string>& tree() const { return chosenTree; }

    std::string name() const override { return "loop"; }
    int unknownCount(const CKirvoltDoc& doc) const override;
    std::variant<MethodSolution, Explanation> solve(const CKirvoltDoc& doc) const override;
    NamedSystem namedSystem(CKirvoltDoc& doc) const override;

private:
    std::vector<std::string> chosenTree;
};

// The loop current method with the textbook's tree, as Analyse > Using and --method run it.
const AnalysisMethod& loopMethod();

// The current of the loop a chord closes, as every text names it: «I_R3».
std::string loopCurrentName(const std::string& chord);

// The unknown of the loop of that chord.
Unknown loopCurrentUnknown(const std::string& chord);

}  // namespace kirvolt
