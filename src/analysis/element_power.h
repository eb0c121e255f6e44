#pragma once

#include "document/circuit_document.h"

namespace kirvolt {

// The power an element takes from the circuit, from the p.d. and current the analysis wrote
// into its record: positive where it absorbs, negative where it delivers. Every kind's current
// runs from its start terminal through it to its finish terminal, so p.d. × current is what it
// absorbs for resistors and sources alike. Meters are ideal and take none; so does a resistor of
// 0 Ω, which the analysis leaves out of the circuit and whose record keeps no current of its own.
double absorbedPower(const CComponent& element);

// What the sources and resistors of the circuit deliver and absorb altogether; the two agree
// wherever the analysis is right.
struct PowerBalance {
    double delivered = 0.0;
    double absorbed = 0.0;
};
PowerBalance powerBalance(const CKirvoltDoc& doc);

}  // namespace kirvolt
