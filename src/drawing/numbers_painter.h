#pragma once

#include "document/circuit_document.h"
#include "document/drawn_numbers.h"
#include "drawing/drawing_surface.h"

namespace kirvolt {

// The numbers of an analysis on the drawing. Tints go under the elements: every wire and joint
// in the colour of its node's voltage, while the numbers are the drawing's. Arrows go over
// them: beside every element that carries a current, an arrow the way it flows and its value,
// greyed once the circuit has changed since; and beside the circuit the tint scale. Only what
// meets the area is painted.
void paintNodeTints(const CKirvoltDoc& doc, DrawingSurface& surface, const DrawnNumbers& numbers, const Rect& area);
void paintCurrentArrows(const CKirvoltDoc& doc, DrawingSurface& surface, const DrawnNumbers& numbers, const Rect& area);
void paintVoltageLegend(const CKirvoltDoc& doc, DrawingSurface& surface, const DrawnNumbers& numbers);

// Which way the record's current flows on the drawing (ORIENT_EAST .. ORIENT_SOUTH), from its
// sign and the record's terminals; ARROW_NONE when there is none to show.
int currentArrowDirection(const CComponent& record, double current);

}  // namespace kirvolt
