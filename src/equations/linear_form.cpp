#include "equations/linear_form.h"

#include <algorithm>

namespace kirvolt {

bool LinearForm::isConstant() const
{
    return std::ranges::all_of(coefficients, [](const auto& entry) { return entry.second == 0.0; });
}

double LinearForm::coefficientOf(int node) const
{
    const auto found = coefficients.find(node);
    return found == coefficients.end() ? 0.0 : found->second;
}

LinearForm& LinearForm::operator+=(const LinearForm& other)
{
    for (const auto& [node, coefficient] : other.coefficients) {
        coefficients[node] += coefficient;
    }
    constant += other.constant;
    return *this;
}

LinearForm& LinearForm::operator-=(const LinearForm& other)
{
    for (const auto& [node, coefficient] : other.coefficients) {
        coefficients[node] -= coefficient;
    }
    constant -= other.constant;
    return *this;
}

LinearForm& LinearForm::operator*=(double factor)
{
    for (auto& [node, coefficient] : coefficients) {
        coefficient *= factor;
    }
    constant *= factor;
    return *this;
}

LinearForm operator-(LinearForm left, const LinearForm& right)
{
    left -= right;
    return left;
}

LinearForm substituted(LinearForm form, int node, int by, double offset)
{
    const auto found = form.coefficients.find(node);
    if (found == form.coefficients.end() || node == by) {
        return form;
    }
    const double coefficient = found->second;
    form.coefficients.erase(found);
    if (by != 0) {
        form.coefficients[by] += coefficient;
    }
    form.constant += coefficient * offset;
    return form;
}

}  // namespace kirvolt
