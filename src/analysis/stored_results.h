#pragma once

#include "document/circuit_document.h"

namespace kirvolt {

// A file keeps the results its records held when it was saved, whether or not they still
// belonged to the circuit then (an edit or a refused analysis leaves the last numbers in
// place). Solves a copy of the opened circuit silently and, when that gives back every stored
// node number, voltage, p.d. and current, lets the results pane show them; otherwise the pane
// shows none until the next analysis.
void adoptStoredResults(CKirvoltDoc& doc);

}  // namespace kirvolt
