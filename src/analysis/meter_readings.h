#pragma once

#include <string>
#include <vector>

#include "document/circuit_document.h"
#include "document/meter_reading.h"

namespace kirvolt {

// What every meter of the circuit reads after a successful analysis, in list order. An
// ammeter reads the current that Kirchhoff's current law sends through it: the wires and
// ammeters on its start side, cut from the rest at the ammeter, collect what every element
// there delivers. When other wires or ammeters also join its two sides the current divides
// among ideal conductors in no fixed way, and the ammeter cannot read. A voltmeter reads the
// voltage of its start node less that of its finish node, and cannot read when a terminal
// lies on no node.
std::vector<MeterReading> readMeters(const CKirvoltDoc& doc);

// Said after a refusal of a circuit with ammeters, since the refusal speaks of the circuit the
// analysis sees (an ammeter alone in series with a current source leaves the source shorted):
// "\n\nAn ideal ammeter joins its terminals as a wire does: the circuit is analysed with Am1 as
// a wire." Empty when the circuit has no ammeter.
std::string ammeterNote(const CKirvoltDoc& doc);

// The readings, with each ammeter's current written into its record as the solver writes
// every other element's.
std::vector<MeterReading> takeMeterReadings(CKirvoltDoc& doc);

}  // namespace kirvolt
