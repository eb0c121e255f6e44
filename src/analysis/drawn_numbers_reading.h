#pragma once

#include <string>

#include "document/circuit_document.h"
#include "document/drawn_numbers.h"

namespace kirvolt {

// The numbers of the last successful analysis as the records hold them; empty while the
// results are not the drawing's (before an analysis, after a refused one or an edit).
DrawnNumbers readDrawnNumbers(const CKirvoltDoc& doc);

// The tooltip of a record: its name and value, then what the analysis gave it (node voltages,
// p.d., current and power, or a wire's and a joint's node voltage), with a note when those
// numbers belong to an earlier state of the circuit. Empty for a record with nothing to say.
std::string numbersTooltip(const CKirvoltDoc& doc, const CComponent& record, const DrawnNumbers& numbers);

}  // namespace kirvolt
