#include "equations/row_judgement.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_set>

namespace kirvolt {
namespace {

// Students round values to three figures or so; a wrong term is off by far more.
constexpr double ROUNDING_ALLOWANCE = 5e-3;
// Beside the equation's own sizes, what counts as nothing at all.
constexpr double NOTHING = 1e-9;
// Sign choices are tried for at most this many values (3 to the power of it).
constexpr std::size_t MAXIMUM_SIGN_SEARCH = 7;

double largestCoefficient(const LinearForm& form)
{
    double largest = 0.0;
    for (const auto& [unknown, coefficient] : form.coefficients) {
        largest = std::max(largest, std::abs(coefficient));
    }
    return largest;
}

}  // namespace

bool agreesWithinRounding(double a, double b, double scale)
{
    const double difference = std::abs(a - b);
    return difference <= ROUNDING_ALLOWANCE * std::max(std::abs(a), std::abs(b)) || difference <= NOTHING * scale;
}

bool isNonZeroMultipleOf(const LinearForm& typed, const LinearForm& row)
{
    int pivot = 0;
    for (const auto& [unknown, coefficient] : row.coefficients) {
        if (pivot == 0 || std::abs(coefficient) > std::abs(row.coefficientOf(pivot))) {
            pivot = unknown;
        }
    }
    if (pivot == 0 || row.coefficientOf(pivot) == 0.0) {
        return false;
    }
    const double factor = typed.coefficientOf(pivot) / row.coefficientOf(pivot);
    if (factor == 0.0 || !std::isfinite(factor)) {
        return false;
    }
    LinearForm scaledRow = row;
    scaledRow *= factor;
    const double scale = largestCoefficient(scaledRow);
    std::unordered_set<int> unknowns;
    for (const auto& [unknown, coefficient] : typed.coefficients) {
        unknowns.insert(unknown);
    }
    for (const auto& [unknown, coefficient] : row.coefficients) {
        unknowns.insert(unknown);
    }
    const bool coefficientsAgree = std::ranges::all_of(unknowns, [&](int unknown) {
        return agreesWithinRounding(typed.coefficientOf(unknown), scaledRow.coefficientOf(unknown), scale);
    });
    const double constantScale = std::max(std::abs(scaledRow.constant), scale);
    return coefficientsAgree && agreesWithinRounding(typed.constant, scaledRow.constant, constantScale);
}

std::optional<double> mostAgreedFactor(const std::vector<FactorCandidate>& candidates)
{
    std::optional<double> best;
    long bestScore = 0;
    for (const FactorCandidate& candidate : candidates) {
        if (!std::isfinite(candidate.factor)) {
            continue;
        }
        const long votes = std::ranges::count_if(
            candidates, [&](const FactorCandidate& other) { return agreesWithinRounding(candidate.factor, other.factor, 0.0); });
        const long score = 8 * votes + (agreesWithinRounding(std::abs(candidate.factor), 1.0, 0.0) ? 4 : 0) +
                           (candidate.factor > 0.0 ? 2 : 0) + (candidate.own ? 0 : 1);
        if (score > bestScore) {
            best = candidate.factor;
            bestScore = score;
        }
    }
    return best;
}

std::string faultNumber(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", value == 0.0 ? 0.0 : value);
    return text;
}

std::optional<std::vector<int>> signsExplaining(const std::vector<double>& values, double measured, double scale)
{
    if (values.empty() || values.size() > MAXIMUM_SIGN_SEARCH) {
        return std::nullopt;
    }
    std::optional<std::vector<int>> best;
    int bestChanges = 0;
    std::vector<int> signs(values.size(), 1);
    std::size_t combinations = 1;
    for (std::size_t i = 0; i < values.size(); ++i) {
        combinations *= 3;
    }
    for (std::size_t code = 0; code < combinations; ++code) {
        std::size_t rest = code;
        double sum = 0.0;
        int changes = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            signs[i] = 1 - static_cast<int>(rest % 3);  // 1, 0, -1
            rest /= 3;
            sum += signs[i] * values[i];
            changes += signs[i] == 1 ? 0 : 1;
        }
        if (changes > 0 && agreesWithinRounding(sum, measured, scale) && (!best || changes < bestChanges)) {
            best = signs;
            bestChanges = changes;
        }
    }
    return best;
}

EquationVerdict judgeEquation(const EquationUnderCheck& equation, std::string_view text)
{
    const auto read = readEquation(text, equation.resolver(0), equation.wording());
    if (const auto* failure = std::get_if<ReadFailure>(&read)) {
        return {EquationVerdict::Kind::Unreadable, readFailureMessage(text, *failure)};
    }
    const ReadEquation& sides = std::get<ReadEquation>(read);
    const LinearForm typed = equation.brought(sides.left - sides.right);
    if (isNonZeroMultipleOf(typed, equation.row())) {
        return {EquationVerdict::Kind::Right, equation.rightMessage()};
    }
    return {EquationVerdict::Kind::Wrong, equation.wrongMessage(text, sides, typed)};
}

}  // namespace kirvolt
