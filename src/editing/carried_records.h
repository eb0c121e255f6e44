#pragma once

#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// Which points of a record go with the selection when it moves or turns.
enum class CarriedEnds { Whole, Start, Finish };

struct CarriedRecord {
    CComponent* record;
    CarriedEnds ends;
};

// What goes with the selected records, in list order: they themselves whole, the joints on
// their points, wires with both ends there whole, and the one end of any other wire that lies
// there, so that what was connected stays connected.
std::vector<CarriedRecord> carriedWith(CKirvoltDoc& doc, const std::vector<CComponent*>& selected);

// A wire whose ends go to new grid points. A wire that ran straight and would now slant turns
// a right angle instead, its leg at the end that moved keeping the wire's direction; a turning
// wire whose ends come into line runs straight again, so that moving back gives the wire back.
void followWireEnds(CComponent& wire, Point gridStart, Point gridFinish, int gridSize);

}  // namespace kirvolt
