#include "equations/loop_equation_display.h"

#include <algorithm>

#include "analysis/loop_method.h"
#include "document/hit_test.h"
#include "equations/loop_equation.h"

namespace kirvolt {

Highlight loopMarking(const CKirvoltDoc& doc, const FundamentalLoop& loop)
{
    Highlight highlight;
    for (const auto& element : doc.components) {
        const auto onLoop = [&element](const LoopStep& step) { return step.branch == element->branchIndex; };
        if (isAnalysedBranchKind(element->kindCode) && std::ranges::any_of(loop.steps, onLoop)) {
            highlight.paintRed(*element);
        }
    }
    return highlight;
}

std::vector<NodeEquationStep> showLoopEquation(CKirvoltDoc& doc, Point point, const std::vector<std::string>& tree)
{
    auto built = buildLoopSystem(doc, tree);
    if (auto* why = std::get_if<Explanation>(&built)) {
        return {{NodeEquationStep::Kind::Message, std::move(why->message), {}, std::move(why->highlight)}};
    }
    const LoopSystem& system = std::get<LoopSystem>(built);
    const CComponent* hit = HitTest(doc, point);
    const int k = hit && isAnalysedBranchKind(hit->kindCode) ? system.tree.loopOfChord(hit->branchIndex) : 0;
    if (k == 0) {
        return {};
    }
    const LoopEquation e = loopEquations(doc, system)[static_cast<std::size_t>(k - 1)];
    NodeEquationTexts texts{NodeEquationTexts::Of::loop, hit->label, "", {e.words, e.names, e.values, e.numbers, ""}};
    return {{NodeEquationStep::Kind::Dialog, "", std::move(texts), loopMarking(doc, system.tree.loop(k))}};
}

}  // namespace kirvolt
