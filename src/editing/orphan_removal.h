#pragma once

#include "document/circuit_document.h"

namespace kirvolt {

// Removes every element of the kind (any wire, for a wire kind) neither of whose terminals
// meets a terminal of another element, in list order; an element removed earlier no longer
// holds a later one.
void removeOrphans(CKirvoltDoc& doc, int kindCode);

}  // namespace kirvolt
