#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kirvolt {

inline const std::string MINUS = "\xE2\x88\x92";  // −, as a printed equation writes it
inline const std::string TIMES = "\xC2\xB7";      // ·

// Terms joined into one side of an equation: " + " and " − " between them, a leading minus
// written close, and "0" for a side without terms.
class SignedSum {
public:
    void add(bool negative, const std::string& term);
    std::string str() const { return text.empty() ? "0" : text; }

private:
    std::string text;
};

// A value text inside a sum: a negative value stands in brackets so that its sign is not
// taken for the operation.
std::string bracketedValue(const std::string& text);

// A number with two decimals, a negative one with the printed minus: «−12.00».
std::string signedNumber(double value);

// A side collected by unknown: «30.00·I1 − 10.00·I2», each entry (column, coefficient) written
// with the name of its column.
std::string collectedSum(const std::vector<std::pair<int, double>>& entries, const std::function<std::string(int)>& nameOf);

}  // namespace kirvolt
