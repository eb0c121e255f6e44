#pragma once

#include <memory>

#include "document/circuit_document.h"

namespace kirvolt {

// Builds the element that the document's current mode inserts, at anchorPoint with the
// document's orientation and the kind's colour; wires run from anchorPoint to endPoint.
// Only constructs: nothing is added and no counter changes. Any mode that inserts no
// element shows "Bad Element Code." and gives null.
std::unique_ptr<CComponent> CreateElementForMode(CKirvoltDoc& doc, Point anchorPoint, Point endPoint,
                                                 int displayState);

// Moves the name counter of the element's kind on to the next number.
void advanceNameCounter(CKirvoltDoc& doc, int kindCode);

}  // namespace kirvolt
