#include "equations/loop_equation_check.h"

#include "analysis/branch_tables.h"
#include "analysis/loop_method.h"
#include "document/text_lists.h"
#include "equations/element_value_names.h"
#include "equations/equation_check.h"
#include "equations/loop_equation.h"
#include "equations/loop_kvl_faults.h"
#include "equations/row_judgement.h"

namespace kirvolt {
namespace {

// The loop whose chord has the label, 0 for none.
int loopOfLabel(const CKirvoltDoc& doc, const LoopTree& tree, std::string_view label)
{
    for (int k = 1; k <= tree.count(); ++k) {
        if (doc.labels[static_cast<std::size_t>(tree.loop(k).chord)] == label) {
            return k;
        }
    }
    return 0;
}

bool startsWithCurrentLetter(std::string_view name) { return !name.empty() && (name.front() == 'I' || name.front() == 'i'); }

// Names as the circuit knows them: I_ and a chord's label, then the elements' labels, then
// I(R3), which the reader hands over as IR3.
class LoopNames {
public:
    LoopNames(const CKirvoltDoc& doc, const LoopTree& tree) : doc(doc), tree(tree), elements(doc) {}

    NameResolver resolver(int changedBranch) const
    {
        return [this, changedBranch](std::string_view name) -> std::optional<NameMeaning> {
            if (name.size() > 2 && startsWithCurrentLetter(name) && name[1] == '_') {
                if (const int k = loopOfLabel(doc, tree, name.substr(2)); k != 0) {
                    return NameMeaning{k, 0.0};
                }
            }
            if (auto element = elements.find(name, changedBranch)) {
                return element;
            }
            if (name.size() > 1 && startsWithCurrentLetter(name)) {
                if (const int k = loopOfLabel(doc, tree, name.substr(1)); k != 0) {
                    return NameMeaning{k, 0.0};
                }
            }
            return std::nullopt;
        };
    }

private:
    const CKirvoltDoc& doc;
    const LoopTree& tree;
    ElementValueNames elements;
};

class LoopEquationUnderCheck final : public EquationUnderCheck {
public:
    LoopEquationUnderCheck(const CKirvoltDoc& doc, const LoopSystem& system, int loop)
        : doc(doc),
          system(system),
          loop(loop),
          own(system.rows[static_cast<std::size_t>(loop - 1)]),
          names(doc, system.tree),
          written(loopEquations(doc, system)[static_cast<std::size_t>(loop - 1)])
    {
    }

    NameResolver resolver(int changedBranch) const override { return names.resolver(changedBranch); }
    const UnknownWording& wording() const override { return loopCurrentWording(); }
    LinearForm brought(LinearForm typed) const override { return typed; }
    LinearForm row() const override { return loopRowForm(own); }

    std::string rightMessage() const override
    {
        if (!own.fixedBySource) {
            return "Right: this is the KVL equation of " + subject() + ".";
        }
        return "Right: " + clause(written.words) + ": " + written.names + ".";
    }

    std::string wrongMessage(std::string_view text, const ReadEquation&, const LinearForm& typed) const override
    {
        const TermTrace trace = [this, text, &typed](int branch) -> std::optional<LinearForm> {
            const auto reread = readEquation(text, names.resolver(branch), loopCurrentWording());
            const auto* changed = std::get_if<ReadEquation>(&reread);
            if (changed == nullptr) {
                return std::nullopt;
            }
            return (changed->left - changed->right) - typed;
        };
        if (!own.fixedBySource) {
            std::string message = "Not yet: this is not the KVL equation of " + subject() + ".";
            for (const std::string& fault : loopVoltageLawFaults(doc, system, own, typed, trace)) {
                message += "\n" + fault;
            }
            return message;
        }
        return "Not yet: this is not the equation of " + subject() + ".\n" + clause(written.words) +
               ", so its equation is " + written.names + "." + sourceRowFault(typed, trace);
    }

private:
    static std::string clause(const std::string& sentence)
    {
        return sentence.ends_with('.') ? sentence.substr(0, sentence.size() - 1) : sentence;
    }

    std::string subject() const { return loopSubject(doc, system.tree, loop); }

    // What went wrong with the equation of a current source's loop, where that shows.
    std::string sourceRowFault(const LinearForm& typed, const TermTrace& trace) const
    {
        const std::string& source = doc.labels[static_cast<std::size_t>(system.tree.loop(loop).chord)];
        LinearForm turned = loopRowForm(own);
        turned.constant = -turned.constant;
        if (isNonZeroMultipleOf(typed, turned)) {
            return "\nThe sign of " + source + " is wrong: " + loopCurrentOf(doc, system.tree, loop) +
                   " runs through " + source + " the way the source drives its current.";
        }
        for (const LoopRow& other : system.rows) {
            if (&other != &own && isNonZeroMultipleOf(typed, loopRowForm(other))) {
                return "\nThis is the equation of " + loopSubject(doc, system.tree, other.loop) + ".";
            }
        }
        for (int b = 1; b <= numberedBranchCount(doc); ++b) {
            const bool drop = isBranchOfKind(doc, b, KIND_RESISTOR) || isBranchOfKind(doc, b, KIND_VOLTAGE_SOURCE);
            const std::optional<LinearForm> part = drop ? trace(b) : std::nullopt;
            if (part && !(part->isConstant() && part->constant == 0.0)) {
                return "\nNo KVL equation is written for " + subject() + ": the voltage across " + source +
                       " is not known beforehand, so the equation of " + source + " takes its place.";
            }
        }
        return "";
    }

    const CKirvoltDoc& doc;
    const LoopSystem& system;
    int loop;
    const LoopRow& own;
    LoopNames names;
    LoopEquation written;
};

}  // namespace

const UnknownWording& loopCurrentWording()
{
    static const UnknownWording wording{'I',
                                        "a loop current such as I_R3",
                                        "a loop current",
                                        "loop currents",
                                        "KVL",
                                        "the chord's name",
                                        "loop current",
                                        "a loop current is I_ followed by the name of its chord, such as I_R3"};
    return wording;
}

std::variant<LoopSystem, Explanation> loopEquationCheckSystem(CKirvoltDoc& doc, const std::vector<std::string>& tree)
{
    if (auto refusal = equationCheckRefusal(doc)) {
        return std::move(*refusal);
    }
    return buildLoopSystem(doc, tree);
}

std::variant<int, std::string> loopNamed(const CKirvoltDoc& doc, const LoopSystem& system, std::string_view name)
{
    const std::string_view chord = name.starts_with("I_") ? name.substr(2) : name;
    if (const int k = loopOfLabel(doc, system.tree, chord); k != 0) {
        return k;
    }
    std::string why = "There is no loop current \xE2\x80\x9C" + std::string(name) + "\xE2\x80\x9D in this circuit: ";
    if (system.tree.count() == 0) {
        return why + "its tree leaves no chords.";
    }
    std::vector<std::string> currents;
    for (int k = 1; k <= system.tree.count(); ++k) {
        currents.push_back(loopCurrentOf(doc, system.tree, k));
    }
    return why + (currents.size() == 1 ? "its loop current is " : "its loop currents are ") + spokenList(currents) + ".";
}

EquationVerdict checkLoopEquation(const CKirvoltDoc& doc, const LoopSystem& system, int loop, std::string_view text)
{
    return judgeEquation(LoopEquationUnderCheck(doc, system, loop), text);
}

std::string loopEquationCheckInstructions(const CKirvoltDoc& doc, const LoopSystem& system, int loop)
{
    const LoopRow& row = system.rows[static_cast<std::size_t>(loop - 1)];
    const std::string current = loopCurrentOf(doc, system.tree, loop);
    const std::string notation =
        " Write loop currents as I_ and the name of their chord (" + current +
        "), each running through its chord in the chord's own direction, element names for their values (R1, E1, "
        "J1), numbers with or without prefixes (4.7k, 10m), + - * / and parentheses, and one \xE2\x80\x9C=\xE2\x80\x9D.";
    if (row.fixedBySource) {
        return loopEquations(doc, system)[static_cast<std::size_t>(loop - 1)].words + " Type the equation that gives " +
               current + "." + notation;
    }
    return "Type the KVL equation of " + loopSubject(doc, system.tree, loop) + ": the voltage drops round it in the "
           "direction of " + current + " add up to the EMFs that drive it." + notation;
}

}  // namespace kirvolt
