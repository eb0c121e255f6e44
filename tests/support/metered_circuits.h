#pragma once

#include <random>

#include "document/circuit_document.h"

namespace kirvolt::testing {

// Meters put into a circuit at random places, each below the drawing, facing a random way and
// at a random place in the list: an ammeter cut into a random wire (the wire runs to its start
// terminal, a new wire on from its finish), a voltmeter wired from its terminals to the ends of
// two random wires. The circuit must hold a wire.
void addRandomMeters(CKirvoltDoc& doc, std::mt19937& random, int ammeters, int voltmeters);

// The same circuit as the analysis should see it: each ammeter replaced, in its place in the
// list, by a wire between its terminals, and each voltmeter taken out.
void replaceMeters(CKirvoltDoc& doc);

}  // namespace kirvolt::testing
