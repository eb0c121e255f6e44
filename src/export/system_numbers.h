#pragma once

#include <string>

#include "analysis/named_system.h"

namespace kirvolt {

// The numbers of the modified nodal system as the program writes them elsewhere: a coefficient
// of G as the node equations write a conductance (2, 3 or 4 decimals by its size), the
// right-hand side with the 2 decimals of their source sums. An entry that is exactly zero,
// which the assembly leaves wherever nothing connects, reads "0" as a side with no source does.
std::string coefficientText(double value);
std::string rightSideText(double value);

// A value of the solution as the results pane writes it, with 2 decimals; one that rounds to
// zero reads "0.00", whatever its sign.
std::string solutionValue(double value);

// "V" for a node voltage, "A" for a source current.
const char* unitOf(const Unknown& unknown);

}  // namespace kirvolt
