#pragma once

#include <string>
#include <string_view>

namespace kirvolt {

// A number as SPICE writes it: digits with an optional point and exponent, an optional scale
// factor in any case (T, G, MEG, K, M = milli, MIL, U or µ, N, P, F), then letters that SPICE
// passes over as a unit ("10kohm", "5V"). SPICE also passes over digits after the scale
// factor ("4k7" is 4k to it), which a reader of the netlist would hardly mean.
struct SpiceNumber {
    enum class Status { Read, NotANumber, DigitsAfterScale };
    Status status = Status::NotANumber;
    double value = 0.0;        // what SPICE makes of the text, also when digits follow the scale
    std::string_view number;   // the digits, point and exponent
    std::string_view scale;    // the scale factor as written, empty when there is none
    std::string_view rest;     // what follows, ignored by SPICE
};

SpiceNumber readSpiceNumber(std::string_view text);

// The shortest text that SPICE reads back as the same double.
std::string spiceNumberText(double value);

}  // namespace kirvolt
