#pragma once

#include "document/circuit_document.h"

class QPainter;

namespace kirvolt {

// One step of the print scale is 1/300 inch, a dot of the laser printers a circuit was first
// printed on: the default scale 2 prints a 100 % resistor (120 units) 0.8 inch long, and
// scale 3 comes close to the size on a 96 dpi screen.
inline constexpr double PRINT_STEPS_PER_INCH = 300.0;

// Paints the circuit as the printer and the print preview show it: from the document's
// origin at the painter's origin, printScale steps per logical unit, with the screen's text
// size in logical units so that labels keep their place beside the symbols. The equations
// panel, when it is shown, prints with the equations brought up to date.
void paintPrintedCircuit(const CKirvoltDoc& doc, QPainter& painter, double dotsPerInch);

}  // namespace kirvolt
