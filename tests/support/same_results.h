#pragma once

#include <string>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt::testing {

// The results pane's lines as plain text.
std::vector<std::string> paneTexts(const CKirvoltDoc& doc);

// The pane with what rounding decides left out: the sign of a voltage that shows as zero, and
// which way round an element carrying no current is read.
std::vector<std::string> paneTextsBeyondRounding(const CKirvoltDoc& doc);

// Where two analyses of the same drawing wrote different records: a line for every element
// whose p.d., current or start voltage differs by more than a billionth of the largest of its
// kind in the first; empty when every record agrees.
std::string recordDifferences(const CKirvoltDoc& expected, const CKirvoltDoc& actual);

}  // namespace kirvolt::testing
