#pragma once

#include "document/circuit_document.h"

namespace kirvolt {

// The first element in list order that the logical point hits, or null. Components and
// joints are hit inside their hitRect (top and left edges inside, bottom and right outside).
// A vertical wire is hit up to c/2 beside it, a horizontal one up to c/10, a slanted one within
// 5 units of its line between its ends; the box found is stored as the wire's hitRect.
CComponent* HitTest(CKirvoltDoc& doc, Point point);

}  // namespace kirvolt
