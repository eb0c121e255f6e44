#pragma once

#include <string>
#include <vector>

#include "theorems/thevenin.h"

namespace kirvolt {

// The worked sequence of a study, line by line: the load taken out, the open-circuit voltage
// with the node equations the equation text writes for the open circuit, the sources set to
// zero and the resistance seen, the short-circuit current, and the two equivalents, or why
// one of them does not exist. Writes the open circuit's equation text on the way.
std::vector<std::string> theveninSteps(TheveninStudy& study);

// The names joined for a sentence: "E1", "E1 and E2", "E1, E2 and E3".
std::string namesInWords(const std::vector<std::string>& names);

}  // namespace kirvolt
