#pragma once

#include <string>
#include <vector>

#include "theorems/superposition.h"

namespace kirvolt {

// What each part is: "E1 alone (E2 shorted, J1 opened)".
std::string partTitle(const SuperpositionPart& part);

// The worked superposition: every part with its results, then every node voltage and every
// element's p.d. and current as the sum of the parts beside the full analysis.
std::vector<std::string> superpositionLines(const std::vector<SuperpositionPart>& parts, const CKirvoltDoc& full);

}  // namespace kirvolt
