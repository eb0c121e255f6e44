#pragma once

#include <string>

#include "analysis/named_system.h"

namespace kirvolt {

// The numbers of the modified nodal system as the program writes them elsewhere: a coefficient
// of G as the node equations write a conductance (2, 3 or 4 decimals by its size), the
// right-hand side with the 2 decimals of their source sums, each with three significant digits
// where those show fewer (readable_value.h). An entry that is exactly zero, which the assembly
// leaves wherever nothing connects, reads "0" as a side with no source does.
std::string coefficientText(double value);
std::string rightSideText(double value);

// A value of the solution and its unit as the results pane writes them: "3.83 V", "1.74 mA";
// one that rounds to zero reads "0.00 V", whatever its sign.
std::string solutionText(double value, const Unknown& unknown);

}  // namespace kirvolt
