#include "equations/traced_loop_equation.h"

#include <algorithm>
#include <cstdlib>

#include "analysis/branch_tables.h"
#include "analysis/loop_independence.h"
#include "analysis/traced_loop_method.h"
#include "document/text_lists.h"
#include "document/wording.h"
#include "equations/signed_sum.h"

namespace kirvolt {
namespace {

std::string loopNumbers(const std::vector<std::pair<int, int>>& through)
{
    std::vector<std::string> numbers;
    for (const auto& [loop, sign] : through) {
        numbers.push_back(std::to_string(loop));
    }
    return spokenList(numbers);
}

// The current a resistor carries the way the row's walk meets it, the own loop's first and a
// term to add leading: «I2», «(I1 − I3)»; negative when the whole of it runs against the walk.
struct Carried {
    bool negative = false;
    std::string text;
};

Carried currentThrough(const TracedLoopSystem& system, const TracedLoopRow& row, int branch, int count)
{
    auto through = system.through[static_cast<std::size_t>(branch)];
    const int walk = count > 0 ? 1 : -1;
    // The row's own loop first, then the others in order, so that a loop's own current leads.
    std::stable_partition(through.begin(), through.end(), [&row](const std::pair<int, int>& t) { return t.first == row.loop; });
    const auto leading = std::ranges::find_if(through, [walk](const std::pair<int, int>& t) { return t.second == walk; });
    const bool negative = leading == through.end();
    const int flip = negative ? -1 : 1;
    if (!negative) {
        std::rotate(through.begin(), leading, leading + 1);
    }
    SignedSum sum;
    for (const auto& [loop, sign] : through) {
        sum.add(sign * walk * flip < 0, tracedLoopCurrentName(loop));
    }
    return {negative, through.size() == 1 ? sum.str() : "(" + sum.str() + ")"};
}

std::string countTimes(int count) { return std::abs(count) == 1 ? "" : std::to_string(std::abs(count)) + TIMES; }

LoopEquation voltageLawEquation(const CKirvoltDoc& doc, const TracedLoopSystem& system, const TracedLoopRow& row)
{
    SignedSum names;
    SignedSum values;
    SignedSum sourceNames;
    SignedSum sourceValues;
    for (const auto& [branch, count] : combinedBranches(system, row)) {
        const auto b = static_cast<std::size_t>(branch);
        if (isBranchOfKind(doc, branch, KIND_RESISTOR)) {
            const Carried current = currentThrough(system, row, branch, count);
            names.add(current.negative, countTimes(count) + doc.labels[b] + TIMES + current.text);
            values.add(current.negative, countTimes(count) + bracketedValue(doc.valueTexts[b]) + TIMES + current.text);
        } else if (isBranchOfKind(doc, branch, KIND_VOLTAGE_SOURCE)) {
            // Met from - to + the source raises the voltage, which stands on the right as it is.
            sourceNames.add(count > 0, countTimes(count) + doc.labels[b]);
            sourceValues.add(count > 0, countTimes(count) + bracketedValue(doc.valueTexts[b]));
        }
    }
    const std::string k = std::to_string(row.loop);
    LoopEquation equation;
    if (row.combination.size() == 1) {
        equation.words = fillIn(wording("LoopEquations", "The voltage drops round loop %1, in the direction of %2, add up to the EMFs that drive it."),
                                {k, tracedLoopCurrentName(row.loop)});
    } else {
        std::vector<int> coefficients(system.loops.size(), 0);
        std::vector<std::string> avoided;
        for (const auto& [loop, c] : row.combination) {
            coefficients[static_cast<std::size_t>(loop - 1)] = c;
        }
        for (int b = 1; b < static_cast<int>(system.through.size()); ++b) {
            const auto& through = system.through[static_cast<std::size_t>(b)];
            const bool met = std::ranges::any_of(through, [&](const std::pair<int, int>& t) {
                return coefficients[static_cast<std::size_t>(t.first - 1)] != 0;
            });
            if (isBranchOfKind(doc, b, KIND_CURRENT_SOURCE) && met) {
                avoided.push_back(doc.labels[static_cast<std::size_t>(b)]);
            }
        }
        equation.words = fillIn(wording("LoopEquations", "The voltage drops round %1, which leaves out %2, add up to the EMFs that drive it."),
                                {loopCombinationText(coefficients), spokenList(avoided)});
    }
    equation.names = names.str() + " = " + sourceNames.str();
    equation.values = values.str() + " = " + sourceValues.str();
    const auto nameOf = [](int loop) { return tracedLoopCurrentName(loop); };
    // Without a source the right side is the plain 0 the other lines show.
    equation.numbers = collectedSum(row.entries, nameOf) + " = " + (sourceNames.str() == "0" ? "0" : signedNumber(row.rhs));
    return equation;
}

LoopEquation sourceEquation(const CKirvoltDoc& doc, const TracedLoopSystem& system, const TracedLoopRow& row)
{
    const auto b = static_cast<std::size_t>(row.source);
    const std::string& label = doc.labels[b];
    const auto& through = system.through[b];
    SignedSum currents;
    for (const auto& [loop, sign] : through) {
        currents.add(sign < 0, tracedLoopCurrentName(loop));
    }
    LoopEquation equation;
    if (through.size() == 1) {
        const std::string k = std::to_string(through.front().first);
        equation.words = fillIn(wording("LoopEquations", "%1 lies on loop %2 alone, so it gives loop %2 its current."), {label, k});
    } else {
        equation.words = fillIn(wording("LoopEquations", "%1 lies on loops %2, so the loop currents through it add up to its current."),
                                {label, loopNumbers(through)});
    }
    equation.names = currents.str() + " = " + label;
    equation.values = currents.str() + " = " + bracketedValue(doc.valueTexts[b]);
    equation.numbers = currents.str() + " = " + signedNumber(row.rhs);
    return equation;
}

}  // namespace

std::vector<LoopEquation> tracedLoopEquations(const CKirvoltDoc& doc, const TracedLoopSystem& system)
{
    std::vector<LoopEquation> equations;
    for (const TracedLoopRow& row : system.rows) {
        equations.push_back(row.source != 0 ? sourceEquation(doc, system, row) : voltageLawEquation(doc, system, row));
    }
    return equations;
}

}  // namespace kirvolt
