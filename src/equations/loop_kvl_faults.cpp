#include "equations/loop_kvl_faults.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>

#include "analysis/branch_tables.h"
#include "analysis/loop_method.h"
#include "document/text_lists.h"
#include "equations/row_judgement.h"
#include "equations/signed_sum.h"

namespace kirvolt {
namespace {

// Choices are tried for at most this many resistors (5 to the power of it).
constexpr std::size_t MAXIMUM_TERM_SEARCH = 7;
// Below this a part of an equation is taken for nothing.
constexpr double TRACE_NOISE = 1e-12;

// How a typed equation may have written a resistor's drop R·(I_own ± I_other ...): what it
// gives the own loop current and the other loops' currents, in units of R and of their signs.
enum class Drop { right, missing, withoutOthers, othersWrongSign, turnedRound };

struct DropShape {
    Drop drop;
    int own;
    int others;
};

constexpr DropShape SHAPES[] = {{Drop::right, 1, 1},
                                {Drop::missing, 0, 0},
                                {Drop::withoutOthers, 1, 0},
                                {Drop::othersWrongSign, 1, -1},
                                {Drop::turnedRound, -1, -1}};

// A resistor round the loop: the other loops through it, each with the sign its current has
// there against the loop's own.
struct ResistorOnLoop {
    int branch;
    std::vector<std::pair<int, int>> others;
};

// A voltage source round the loop, with the way the loop runs through it.
struct SourceOnLoop {
    int branch;
    int sign;
};

bool isNothing(const LinearForm& form)
{
    return std::abs(form.constant) <= TRACE_NOISE &&
           std::ranges::all_of(form.coefficients, [](const auto& entry) { return std::abs(entry.second) <= TRACE_NOISE; });
}

class LoopLawFaults {
public:
    LoopLawFaults(const CKirvoltDoc& doc, const LoopSystem& system, const LoopRow& row)
        : doc(doc), tree(system.tree), system(system), row(row), expected(loopRowForm(row))
    {
        for (const LoopStep& step : tree.loop(row.loop).steps) {
            if (isBranchOfKind(doc, step.branch, KIND_RESISTOR)) {
                ResistorOnLoop resistor{step.branch, {}};
                for (const auto& [other, sign] : tree.through[static_cast<std::size_t>(step.branch)]) {
                    if (other != row.loop) {
                        resistor.others.emplace_back(other, step.sign * sign);
                        sharing.insert(other);
                    }
                }
                ownTotal += value(step.branch);
                resistors.push_back(std::move(resistor));
            } else if (isBranchOfKind(doc, step.branch, KIND_VOLTAGE_SOURCE)) {
                sources.push_back({step.branch, step.sign});
            }
        }
    }

    std::vector<std::string> faults(LinearForm typed, const TermTrace& trace)
    {
        std::vector<std::string> found;
        for (const LoopRow& other : system.rows) {
            if (&other != &row && isNonZeroMultipleOf(typed, loopRowForm(other))) {
                found.push_back("This is the equation of " + subject(other.loop) + ", not of " + subject(row.loop) + ".");
                return found;
            }
        }
        takeOutForeignElements(typed, trace, found);
        const std::optional<double> factor = likelyFactor(typed);
        if (!factor) {
            found.push_back("The equation has no term in " + current(row.loop) + " or in the current of a loop that "
                            "shares a resistor with " + subject(row.loop) + ", so it cannot be its KVL equation.");
            return found;
        }
        LinearForm normal = typed;
        normal *= 1.0 / *factor;
        checkForeignCurrents(normal, found);
        checkDrops(normal, found);
        checkEmfs(normal, found);
        if (found.empty()) {
            found.push_back("The equation does not add up the voltages round " + subject(row.loop) + ".");
        }
        return found;
    }

private:
    bool onLoop(int branch) const
    {
        const auto& steps = tree.loop(row.loop).steps;
        return std::ranges::any_of(steps, [branch](const LoopStep& step) { return step.branch == branch; });
    }

    void takeOutForeignElements(LinearForm& typed, const TermTrace& trace, std::vector<std::string>& found) const
    {
        for (int b = 1; b <= numberedBranchCount(doc); ++b) {
            const bool element = isBranchOfKind(doc, b, KIND_RESISTOR) || isBranchOfKind(doc, b, KIND_VOLTAGE_SOURCE) ||
                                 isBranchOfKind(doc, b, KIND_CURRENT_SOURCE);
            if (!element || onLoop(b)) {
                continue;
            }
            const std::optional<LinearForm> part = trace(b);
            if (!part || isNothing(*part)) {
                continue;
            }
            found.push_back(isBranchOfKind(doc, b, KIND_CURRENT_SOURCE) ? currentSourceFault(b) : offTheLoopFault(b));
            LinearForm contribution = *part;
            contribution *= value(b);
            typed -= contribution;
        }
    }

    std::string currentSourceFault(int source) const
    {
        const std::string& name = label(source);
        return "The equation has a term for " + name + ", a current source: a KVL equation adds up voltages, and "
               "the voltage across a current source is not known beforehand, so " + name + " has no place in it.";
    }

    std::string offTheLoopFault(int branch) const
    {
        const std::string& name = label(branch);
        const std::string where = tree.loopOfChord(branch) != 0 ? name + " is a chord and closes a loop of its own"
                                                                 : name + " is a branch of the tree off this loop";
        return "The equation has a term for " + name + ", which is not on " + subject(row.loop) + ": " + where + ".";
    }

    // As for a mesh: the factor most parts of the typed equation agree on, the own current's
    // coefficient, which every resistor feeds, trusted least.
    std::optional<double> likelyFactor(const LinearForm& typed) const
    {
        std::vector<FactorCandidate> candidates;
        for (const auto& [loop, coefficient] : expected.coefficients) {
            const double measured = typed.coefficientOf(loop);
            if (measured != 0.0 && coefficient != 0.0) {
                candidates.push_back({measured / coefficient, loop == row.loop});
            }
        }
        if (expected.constant != 0.0 && typed.constant != 0.0) {
            candidates.push_back({typed.constant / expected.constant, false});
        }
        // With nothing but the own coefficient to go by, the equation is taken as typed.
        if (!candidates.empty() && std::ranges::all_of(candidates, &FactorCandidate::own)) {
            candidates.push_back({1.0, true});
        }
        return mostAgreedFactor(candidates);
    }

    void checkForeignCurrents(LinearForm& normal, std::vector<std::string>& found) const
    {
        std::vector<int> loops;
        for (const auto& [loop, coefficient] : normal.coefficients) {
            loops.push_back(loop);
        }
        for (int loop : loops) {
            if (loop == row.loop || sharing.contains(loop) || agreesWithinRounding(normal.coefficientOf(loop), 0.0, ownTotal)) {
                continue;
            }
            found.push_back("The equation has a term in " + current(loop) + ", but " + subject(loop) +
                            " shares no resistor with " + subject(row.loop) + ".");
            normal.coefficients.erase(loop);
        }
    }

    std::set<int> unknowns() const
    {
        std::set<int> all(sharing.begin(), sharing.end());
        all.insert(row.loop);
        return all;
    }

    void checkDrops(const LinearForm& normal, std::vector<std::string>& found) const
    {
        const std::set<int> all = unknowns();
        const bool allAgree = std::ranges::all_of(all, [&](int loop) {
            return agreesWithinRounding(normal.coefficientOf(loop), expected.coefficientOf(loop), ownTotal);
        });
        if (allAgree) {
            return;
        }
        if (const auto drops = dropsExplaining(normal, all)) {
            for (std::size_t i = 0; i < resistors.size(); ++i) {
                if ((*drops)[i] != Drop::right) {
                    found.push_back(dropFault(resistors[i], (*drops)[i]));
                }
            }
            return;
        }
        for (int loop : all) {
            const double measured = normal.coefficientOf(loop);
            const double wanted = expected.coefficientOf(loop);
            if (agreesWithinRounding(measured, wanted, ownTotal)) {
                continue;
            }
            std::vector<std::string> labels;
            for (const ResistorOnLoop& resistor : resistors) {
                const bool carries = loop == row.loop || std::ranges::any_of(resistor.others, [loop](const auto& other) {
                                         return other.first == loop;
                                     });
                if (carries) {
                    labels.push_back(label(resistor.branch));
                }
            }
            if (loop == row.loop) {
                found.push_back("The coefficient of " + current(loop) + " is wrong: the resistors round " + subject(loop) +
                                " (" + spokenList(labels) + ") add up to " + faultNumber(wanted) +
                                " ohm, but the equation gives it " + faultNumber(measured) + " ohm.");
            } else {
                found.push_back("The term in " + current(loop) + " is wrong: " + spokenList(labels) + ", shared with " +
                                subject(loop) + (labels.size() == 1 ? ", gives " : ", give ") + current(loop) +
                                " the coefficient " + faultNumber(wanted) + " ohm, but the equation gives it " +
                                faultNumber(measured) + " ohm.");
            }
        }
    }

    // The way of writing each resistor's drop that makes every coefficient right with the
    // fewest drops written wrong; none when no way does or there are too many to try.
    std::optional<std::vector<Drop>> dropsExplaining(const LinearForm& normal, const std::set<int>& all) const
    {
        if (resistors.empty() || resistors.size() > MAXIMUM_TERM_SEARCH) {
            return std::nullopt;
        }
        std::optional<std::vector<Drop>> best;
        int bestChanges = 0;
        std::vector<Drop> drops(resistors.size(), Drop::right);
        std::size_t combinations = 1;
        for (std::size_t i = 0; i < resistors.size(); ++i) {
            combinations *= std::size(SHAPES);
        }
        for (std::size_t code = 0; code < combinations; ++code) {
            std::size_t rest = code;
            std::map<int, double> sums;
            int changes = 0;
            bool possible = true;
            for (std::size_t i = 0; i < resistors.size() && possible; ++i) {
                const DropShape& shape = SHAPES[rest % std::size(SHAPES)];
                rest /= std::size(SHAPES);
                const ResistorOnLoop& resistor = resistors[i];
                // Without other loops through it there are no other currents to leave out or turn.
                possible = !resistor.others.empty() || shape.drop == Drop::right || shape.drop == Drop::missing ||
                           shape.drop == Drop::turnedRound;
                drops[i] = shape.drop;
                changes += shape.drop == Drop::right ? 0 : 1;
                sums[row.loop] += shape.own * value(resistor.branch);
                for (const auto& [other, sign] : resistor.others) {
                    sums[other] += shape.others * sign * value(resistor.branch);
                }
            }
            if (!possible || changes == 0 || (best && changes >= bestChanges)) {
                continue;
            }
            const bool explains = std::ranges::all_of(
                all, [&](int loop) { return agreesWithinRounding(sums[loop], normal.coefficientOf(loop), ownTotal); });
            if (explains) {
                best = drops;
                bestChanges = changes;
            }
        }
        return best;
    }

    // «I_R3 − I_R4», the others' signs turned where asked.
    std::string through(const ResistorOnLoop& resistor, bool turnOthers) const
    {
        SignedSum sum;
        sum.add(false, current(row.loop));
        for (const auto& [other, sign] : resistor.others) {
            sum.add((sign < 0) != turnOthers, current(other));
        }
        return resistor.others.empty() ? sum.str() : "(" + sum.str() + ")";
    }

    std::string otherCurrents(const ResistorOnLoop& resistor) const
    {
        std::vector<std::string> names;
        for (const auto& [other, sign] : resistor.others) {
            names.push_back(current(other));
        }
        return spokenList(names);
    }

    std::string otherLoops(const ResistorOnLoop& resistor) const
    {
        std::vector<std::string> names;
        for (const auto& [other, sign] : resistor.others) {
            names.push_back(subject(other));
        }
        return spokenList(names);
    }

    // «I_R5 runs through R1 the same way as I_R2», for each other loop through the resistor.
    std::string otherWays(const ResistorOnLoop& resistor) const
    {
        std::vector<std::string> ways;
        for (const auto& [other, sign] : resistor.others) {
            ways.push_back(current(other) + " runs through " + label(resistor.branch) +
                           (sign > 0 ? " the same way as " : " against ") + current(row.loop));
        }
        return spokenList(ways);
    }

    std::string dropFault(const ResistorOnLoop& resistor, Drop drop) const
    {
        const std::string& name = label(resistor.branch);
        const std::string rightDrop = name + TIMES + through(resistor, false);
        const std::string round = "going round " + subject(row.loop) + " in the direction of " + current(row.loop);
        switch (drop) {
        case Drop::missing:
            return "The term for " + name + " is missing: " + round + ", the current passes through " + name +
                   ", a voltage drop of " + rightDrop + ".";
        case Drop::withoutOthers:
            return "The term for " + name + " leaves out " + otherCurrents(resistor) + ": " + name + " is on " +
                   otherLoops(resistor) + " too, so the current through it is " + through(resistor, false) +
                   " and its drop is " + rightDrop + ".";
        case Drop::othersWrongSign:
            return "The term for " + name + " takes " + otherCurrents(resistor) + " the wrong way round: " + round +
                   ", " + otherWays(resistor) + ", so the drop is " + rightDrop + ", not " + name + TIMES +
                   through(resistor, true) + ".";
        case Drop::turnedRound:
            return "The term for " + name + " has the wrong sign: " + round + ", the drop across " + name + " is " +
                   rightDrop + ", not " + MINUS + rightDrop + ".";
        case Drop::right:
            break;
        }
        return "";
    }

    void checkEmfs(const LinearForm& normal, std::vector<std::string>& found) const
    {
        // Σ EMF as the right side holds it: a source met from - to + counts its EMF.
        const double measured = -normal.constant;
        double scale = 0.0;
        std::vector<double> emfs;
        for (const SourceOnLoop& source : sources) {
            emfs.push_back(-source.sign * value(source.branch));
            scale += std::abs(value(source.branch));
        }
        if (agreesWithinRounding(measured, row.rhs, scale)) {
            return;
        }
        if (const auto signs = signsExplaining(emfs, measured, scale)) {
            for (std::size_t i = 0; i < sources.size(); ++i) {
                const std::string& name = label(sources[i].branch);
                if ((*signs)[i] == 0) {
                    found.push_back("The EMF of " + name + " is missing: " + passage(sources[i]) + ".");
                } else if ((*signs)[i] < 0) {
                    found.push_back(name + " has the wrong sign: " + passage(sources[i]) + ", so " +
                                    signedName(sources[i], true) + " stands on the side of the EMFs and " +
                                    signedName(sources[i], false) + " beside the voltage drops.");
                }
            }
            return;
        }
        if (sources.empty()) {
            found.push_back("The equation has a constant term, but no voltage source lies round " + subject(row.loop) +
                            ", so its voltage drops add up to 0.");
            return;
        }
        found.push_back("The EMFs are wrong: round " + subject(row.loop) + " they come to " + faultNumber(row.rhs) +
                        " V, but the equation gives " + faultNumber(measured) + " V.");
    }

    std::string passage(const SourceOnLoop& source) const
    {
        const bool rise = source.sign < 0;
        return "going round " + subject(row.loop) + " in the direction of " + current(row.loop) +
               ", the current passes through " + label(source.branch) +
               (rise ? " from " + MINUS + " to +, a rise of " : " from + to " + MINUS + ", a drop of ") +
               faultNumber(value(source.branch)) + " V";
    }

    std::string signedName(const SourceOnLoop& source, bool emfSide) const
    {
        const bool rise = source.sign < 0;
        return (rise == emfSide ? "+" : MINUS) + label(source.branch);
    }

    std::string subject(int loop) const { return loopSubject(doc, tree, loop); }
    std::string current(int loop) const { return loopCurrentOf(doc, tree, loop); }
    const std::string& label(int branch) const { return doc.labels[static_cast<std::size_t>(branch)]; }
    double value(int branch) const { return doc.branchValues[static_cast<std::size_t>(branch)]; }

    const CKirvoltDoc& doc;
    const LoopTree& tree;
    const LoopSystem& system;
    const LoopRow& row;
    LinearForm expected;
    std::vector<ResistorOnLoop> resistors;
    std::vector<SourceOnLoop> sources;
    std::set<int> sharing;
    double ownTotal = 0.0;
};

}  // namespace

LinearForm loopRowForm(const LoopRow& row)
{
    LinearForm form;
    for (const auto& [loop, coefficient] : row.entries) {
        form.coefficients[loop] = coefficient;
    }
    form.constant = -row.rhs;
    return form;
}

std::string loopSubject(const CKirvoltDoc& doc, const LoopTree& tree, int loop)
{
    return "the loop of " + doc.labels[static_cast<std::size_t>(tree.loop(loop).chord)];
}

std::string loopCurrentOf(const CKirvoltDoc& doc, const LoopTree& tree, int loop)
{
    return loopCurrentName(doc.labels[static_cast<std::size_t>(tree.loop(loop).chord)]);
}

std::vector<std::string> loopVoltageLawFaults(const CKirvoltDoc& doc, const LoopSystem& system, const LoopRow& row,
                                              const LinearForm& typed, const TermTrace& trace)
{
    return LoopLawFaults(doc, system, row).faults(typed, trace);
}

}  // namespace kirvolt
