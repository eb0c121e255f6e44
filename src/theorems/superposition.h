#pragma once

#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// One part of the superposition: the circuit with every independent source but one set to
// zero (voltage sources at 0 V, which are shorts; current sources at 0 A, which are gaps),
// solved by the node voltage method.
struct SuperpositionPart {
    const CComponent* source = nullptr;  // in the circuit studied
    std::vector<const CComponent*> zeroed;
    std::unique_ptr<CKirvoltDoc> doc;    // the part, its records in the circuit's list order
};

// A node's voltage, and every element's p.d. and current taken from its start to its finish
// terminal as the element stands in the full circuit (a part may have turned a resistor round).
struct CircuitValues {
    std::vector<double> nodeVoltages;  // [node]
    std::vector<double> pds;           // [component in list order]
    std::vector<double> currents;
};

// One part per voltage and current source in list order. The circuit must have been analysed
// (its nodes built and numbered); its own records are left as they are. A part the analysis
// refuses gives its message instead.
std::variant<std::vector<SuperpositionPart>, std::string> superpose(CKirvoltDoc& doc);

// The part as a student draws it: each source set to zero as what it has become, a voltage
// source as a wire between its terminals, a current source taken away.
std::unique_ptr<CKirvoltDoc> partDrawing(const SuperpositionPart& part);

// The values of a solved circuit, oriented as `full` has its elements.
CircuitValues circuitValues(const CKirvoltDoc& solved, const CKirvoltDoc& full);

// The parts' values added up.
CircuitValues sumOfParts(const std::vector<SuperpositionPart>& parts, const CKirvoltDoc& full);

}  // namespace kirvolt
