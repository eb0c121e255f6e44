#pragma once

#include <map>

namespace kirvolt {

// A sum of a method's unknowns (node voltages, mesh currents) with coefficients plus a
// constant: Σ coefficient·x(unknown) + constant. What one side of a typed equation, or one
// equation of a method, comes to.
struct LinearForm {
    std::map<int, double> coefficients;  // [node or mesh]
    double constant = 0.0;

    bool isConstant() const;
    double coefficientOf(int node) const;

    LinearForm& operator+=(const LinearForm& other);
    LinearForm& operator-=(const LinearForm& other);
    LinearForm& operator*=(double factor);
};

LinearForm operator-(LinearForm left, const LinearForm& right);

// The form with V(node) replaced by V(by) + offset; by = 0 puts a known voltage in its place.
LinearForm substituted(LinearForm form, int node, int by, double offset);

}  // namespace kirvolt
