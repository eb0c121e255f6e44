#include "app/loop_current_marks.h"

#include <algorithm>

#include "analysis/loop_method.h"
#include "analysis/traced_loop_method.h"

namespace kirvolt {

LoopPicture loopCurrentPicture(const CKirvoltDoc& doc, const std::vector<std::string>& tree)
{
    const auto built = buildLoopSystem(doc, tree);
    const auto* system = std::get_if<LoopSystem>(&built);
    const auto currents = system ? solveLoopCurrents(*system) : std::nullopt;
    LoopPicture picture;
    if (!currents) {
        return picture;
    }
    for (const auto& element : doc.components) {
        if (!isAnalysedBranchKind(element->kindCode)) {
            continue;
        }
        if (const int k = system->tree.loopOfChord(element->branchIndex); k != 0) {
            const double amperes = (*currents)[static_cast<std::size_t>(k - 1)];
            // The analysis turns round a resistor whose current runs against it; the loop still
            // runs the way the chord stood when the circuit was numbered.
            const bool turned = element->startNode != doc.branchStartNodes[static_cast<std::size_t>(element->branchIndex)];
            const Point from = turned ? element->gridFinish : element->gridStart;
            const Point to = turned ? element->gridStart : element->gridFinish;
            picture.currents.push_back({loopCurrentName(element->label), from, to, amperes});
        } else if (std::ranges::binary_search(system->tree.tree, element->branchIndex)) {
            picture.tree.emplace_back(element->gridStart, element->gridFinish);
        }
    }
    return picture;
}

LoopPicture treePicture(const CKirvoltDoc& doc, const std::vector<std::string>& tree)
{
    LoopPicture picture;
    for (const auto& element : doc.components) {
        if (isAnalysedBranchKind(element->kindCode) && std::ranges::find(tree, element->label) != tree.end()) {
            picture.tree.emplace_back(element->gridStart, element->gridFinish);
        }
    }
    return picture;
}

LoopPicture tracedLoopPicture(const CKirvoltDoc& doc, const std::vector<std::vector<LoopStep>>& loops,
                              const std::vector<double>& currents)
{
    LoopPicture picture;
    for (std::size_t k = 0; k < loops.size(); ++k) {
        TracedLoopMark mark{tracedLoopCurrentName(static_cast<int>(k) + 1), {}, std::nullopt};
        if (k < currents.size()) {
            mark.amperes = currents[k];
        }
        for (const LoopStep& step : loops[k]) {
            for (const auto& element : doc.components) {
                if (element->branchIndex != step.branch || !isAnalysedBranchKind(element->kindCode)) {
                    continue;
                }
                // As for a chord's arrow: the branch runs the way the element stood when numbered.
                const bool turned = element->startNode != doc.branchStartNodes[static_cast<std::size_t>(step.branch)];
                const bool fromStart = turned == (step.sign < 0);
                mark.elements.emplace_back(fromStart ? element->gridStart : element->gridFinish,
                                           fromStart ? element->gridFinish : element->gridStart);
            }
        }
        picture.traced.push_back(std::move(mark));
    }
    return picture;
}

}  // namespace kirvolt
