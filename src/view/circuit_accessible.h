#pragma once

namespace kirvolt {

// Tells Qt's accessibility to read every circuit view as a drawing whose children are its
// elements and joints in reading order, each named and described in words
// (describeRecord), so that a screen reader can walk the circuit and follow the keys' focus.
void installCircuitAccessibility();

}  // namespace kirvolt
