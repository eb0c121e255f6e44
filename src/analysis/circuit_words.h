#pragma once

#include <string>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// A quantity as it is spoken: three significant digits, the SI prefix and the unit as words
// ("4.29 volt", "910 microampere", "4.7 kilohm", "minus 2 milliampere").
std::string spokenQuantity(double value, const std::string& unit);

// One element or joint in words, for a screen reader: its name, value and kind, where it is
// (its nodes once they are numbered, else its grid points) and what the last analysis gave it
// while those results are the drawing's: "R1, 4.7 kilohm resistor, from node 1 to node 2,
// p.d. 4.29 volt, current 910 microampere".
std::string describeRecord(const CKirvoltDoc& doc, const CComponent& record);

// The whole circuit in words, a line each: what it holds, its nodes and datum, each element
// and joint in reading order, and whether the numbers are those of the drawing.
std::vector<std::string> describeCircuit(const CKirvoltDoc& doc);

}  // namespace kirvolt
