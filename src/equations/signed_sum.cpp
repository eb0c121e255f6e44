#include "equations/signed_sum.h"

#include <cmath>

#include "document/readable_value.h"

namespace kirvolt {

void SignedSum::add(bool negative, const std::string& term)
{
    if (text.empty()) {
        text = negative ? MINUS + term : term;
    } else {
        text += (negative ? " " + MINUS + " " : " + ") + term;
    }
}

std::string bracketedValue(const std::string& text) { return text.starts_with('-') ? "(" + text + ")" : text; }

std::string signedNumber(double value)
{
    return value < 0 ? MINUS + equationNumber(-value, 2) : equationNumber(value, 2);
}

std::string collectedSum(const std::vector<std::pair<int, double>>& entries, const std::function<std::string(int)>& nameOf)
{
    SignedSum side;
    for (const auto& [column, coefficient] : entries) {
        side.add(coefficient < 0, equationNumber(std::abs(coefficient), 2) + TIMES + nameOf(column));
    }
    return side.str();
}

}  // namespace kirvolt
