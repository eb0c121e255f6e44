#include "app/loop_current_marks.h"

#include <algorithm>

#include "analysis/loop_method.h"

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

}  // namespace kirvolt
