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
    std::string text = "The loop of " + hit->label + ", whose current " + loopCurrentName(hit->label) + " runs through " +
                       hit->label + " in its own direction:\n\n";
    for (const std::string* line : {&e.words, &e.names, &e.values, &e.numbers}) {
        text += *line + '\n';
    }
    text.pop_back();
    return {{NodeEquationStep::Kind::Message, std::move(text), {}, loopMarking(doc, system.tree.loop(k))}};
}

}  // namespace kirvolt
