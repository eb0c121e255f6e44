#include "equations/loop_equation.h"

#include "analysis/branch_tables.h"
#include "analysis/loop_method.h"
#include "document/wording.h"
#include "equations/signed_sum.h"

namespace kirvolt {
namespace {

std::string currentOf(const CKirvoltDoc& doc, const LoopTree& tree, int loop)
{
    return loopCurrentName(doc.labels[static_cast<std::size_t>(tree.loop(loop).chord)]);
}

// The current a resistor carries as loop k meets it: «I_R3», or «(I_R3 − I_R4)» where the loop
// of R4 runs through it the other way; loop k's own current first.
std::string currentThrough(const CKirvoltDoc& doc, const LoopTree& tree, int k, int branch)
{
    const auto& through = tree.through[static_cast<std::size_t>(branch)];
    if (through.size() == 1) {
        return currentOf(doc, tree, k);
    }
    int own = 0;
    for (const auto& [loop, sign] : through) {
        own = loop == k ? sign : own;
    }
    SignedSum sum;
    sum.add(false, currentOf(doc, tree, k));
    for (const auto& [loop, sign] : through) {
        if (loop != k) {
            sum.add(sign != own, currentOf(doc, tree, loop));
        }
    }
    return "(" + sum.str() + ")";
}

LoopEquation voltageLawEquation(const CKirvoltDoc& doc, const LoopTree& tree, const LoopRow& row)
{
    SignedSum names;
    SignedSum values;
    SignedSum sourceNames;
    SignedSum sourceValues;
    for (const LoopStep& step : tree.loop(row.loop).steps) {
        const auto b = static_cast<std::size_t>(step.branch);
        if (isBranchOfKind(doc, step.branch, KIND_RESISTOR)) {
            const std::string current = currentThrough(doc, tree, row.loop, step.branch);
            names.add(false, doc.labels[b] + TIMES + current);
            values.add(false, bracketedValue(doc.valueTexts[b]) + TIMES + current);
        } else if (isBranchOfKind(doc, step.branch, KIND_VOLTAGE_SOURCE)) {
            // Met from - to + the source raises the voltage, which stands on the right as it is.
            sourceNames.add(step.sign > 0, doc.labels[b]);
            sourceValues.add(step.sign > 0, bracketedValue(doc.valueTexts[b]));
        }
    }
    const std::string current = currentOf(doc, tree, row.loop);
    const std::string& chord = doc.labels[static_cast<std::size_t>(tree.loop(row.loop).chord)];
    LoopEquation equation;
    equation.words = fillIn(wording("LoopEquations", "The voltage drops round the loop of %1, in the direction of %2, add up to the EMFs that drive it."),
                            {chord, current});
    equation.names = names.str() + " = " + sourceNames.str();
    equation.values = values.str() + " = " + sourceValues.str();
    const auto nameOf = [&doc, &tree](int loop) { return currentOf(doc, tree, loop); };
    // Without a source the right side is the plain 0 the other lines show.
    equation.numbers = collectedSum(row.entries, nameOf) + " = " + (sourceNames.str() == "0" ? "0" : signedNumber(row.rhs));
    return equation;
}

LoopEquation sourceEquation(const CKirvoltDoc& doc, const LoopTree& tree, const LoopRow& row)
{
    const auto b = static_cast<std::size_t>(tree.loop(row.loop).chord);
    const std::string& label = doc.labels[b];
    const std::string current = loopCurrentName(label);
    return {fillIn(wording("LoopEquations", "%1 is the chord of its loop, so the loop current is the source's own current."), {label}),
            current + " = " + label,
            current + " = " + bracketedValue(doc.valueTexts[b]), current + " = " + signedNumber(row.rhs)};
}

}  // namespace

std::vector<LoopEquation> loopEquations(const CKirvoltDoc& doc, const LoopSystem& system)
{
    std::vector<LoopEquation> equations;
    for (const LoopRow& row : system.rows) {
        equations.push_back(row.fixedBySource ? sourceEquation(doc, system.tree, row) : voltageLawEquation(doc, system.tree, row));
    }
    return equations;
}

}  // namespace kirvolt
