#pragma once

#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// The elements and joints of a circuit as a reader meets them: by the grid point at the middle
// of each (a joint's own point), row by row from the top, each row from the left; list order
// breaks ties. Wires are left out: they are the lines between what is listed. The keys step
// through this order and the drawing's accessible children follow it.
std::vector<const CComponent*> readingOrder(const CKirvoltDoc& doc);

// The grid point a record is read at: the middle of its two terminals, rounded down.
Point readingPoint(const CComponent& record);

}  // namespace kirvolt
