#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/user_port.h"
#include "equations/equation_reader.h"
#include "equations/linear_form.h"

namespace kirvolt {

// Whether two numbers of a typed equation agree as far as a student's rounding goes, or differ
// by nothing beside the equation's own size.
bool agreesWithinRounding(double a, double b, double scale);

// Whether typed = factor · row for one factor other than zero, within the rounding.
bool isNonZeroMultipleOf(const LinearForm& typed, const LinearForm& row);

// One part of a typed equation's guess at the factor it multiplies the right equation by;
// `own` for the unknown's own coefficient, which every branch feeds and so is likeliest wrong.
struct FactorCandidate {
    double factor;
    bool own;
};

// The factor most of the parts agree on. Among equal votes a plain sign, then a positive
// factor, then one that is not the own coefficient is preferred: people rarely scale an
// equation by more than a sign. None when no part gives a finite factor.
std::optional<double> mostAgreedFactor(const std::vector<FactorCandidate>& candidates);

// A number as a fault's sentence gives it: four significant figures.
std::string faultNumber(double value);

// The signs (+1 as it should be, 0 left out, -1 turned round) that make the values add up to
// the measured sum, with the fewest changes; none when no choice does, or when there are too
// many values to try every choice.
std::optional<std::vector<int>> signsExplaining(const std::vector<double>& values, double measured, double scale);

// One equation of a method's system as a check of a typed equation meets it: how the typed
// names read, the row (or combined rows) the typed equation must be a multiple of, and the
// words for a right one; the method's own explainer names the faults of a wrong one.
class EquationUnderCheck {
public:
    virtual ~EquationUnderCheck() = default;
    // The names of the circuit, with the value of one branch raised by 1 where changedBranch
    // names it, so that a term can be traced to the element it was written for.
    virtual NameResolver resolver(int changedBranch) const = 0;
    virtual const UnknownWording& wording() const = 0;
    // The typed equation, left side minus right, brought onto the row's unknowns.
    virtual LinearForm brought(LinearForm typed) const = 0;
    virtual LinearForm row() const = 0;
    virtual std::string rightMessage() const = 0;
    // The whole message for an equation that is not a multiple of the row.
    virtual std::string wrongMessage(std::string_view text, const ReadEquation& sides, const LinearForm& typed) const = 0;
};

// Reads the text and judges it against the equation: right when it is a non-zero multiple of
// the row, wrong with the explainer's faults, unreadable with where reading stopped.
EquationVerdict judgeEquation(const EquationUnderCheck& equation, std::string_view text);

}  // namespace kirvolt
