#pragma once

#include <numeric>

namespace kirvolt {

// A fraction in lowest terms with a positive denominator, for the exact elimination of loop
// vectors, whose entries are small integers.
struct ExactRatio {
    long long num = 0;
    long long den = 1;

    ExactRatio() = default;
    ExactRatio(long long n, long long d = 1) : num(n), den(d)  // NOLINT: an integer is a ratio
    {
        if (den < 0) {
            num = -num;
            den = -den;
        }
        const long long g = std::gcd(num, den);
        if (g > 1) {
            num /= g;
            den /= g;
        }
    }

    bool zero() const { return num == 0; }
    friend ExactRatio operator+(ExactRatio a, ExactRatio b) { return {a.num * b.den + b.num * a.den, a.den * b.den}; }
    friend ExactRatio operator-(ExactRatio a, ExactRatio b) { return {a.num * b.den - b.num * a.den, a.den * b.den}; }
    friend ExactRatio operator*(ExactRatio a, ExactRatio b) { return {a.num * b.num, a.den * b.den}; }
    friend ExactRatio operator/(ExactRatio a, ExactRatio b) { return {a.num * b.den, a.den * b.num}; }
};

}  // namespace kirvolt
