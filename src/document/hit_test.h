#pragma once

#include "document/circuit_document.h"

namespace kirvolt {

// The first element in list order that the logical point hits, or null. Components and
// joints are hit inside their hitRect (top and left edges inside, bottom and right outside).
// A vertical wire is hit up to c/2 beside it, a horizontal one up to c/10, a slanted one within
// 5 units of its line between its ends; the box found is stored as the wire's hitRect.
CComponent* HitTest(CKirvoltDoc& doc, Point point);

// The first joint whose hitRect holds the point, or null. Node extraction appends joints after
// the wires, so a wire's box covers the joint at its end; clicks that only mean something on
// a joint look for the joint itself.
CComponent* jointAt(CKirvoltDoc& doc, Point point);

// The joint a click means where it picks a node: the joint under the point, else a joint at an
// end of the wire under it, which belongs to the same node; null when neither is there.
CComponent* nodeJointAt(CKirvoltDoc& doc, Point point);

// The element a click that opens a dialog means: the element hit, except that a wire, which
// has no dialog, gives way to a joint under the same point.
CComponent* HitTestForDialog(CKirvoltDoc& doc, Point point);

}  // namespace kirvolt
