#pragma once

#include "document/circuit_document.h"
#include "document/drawing_surface.h"

namespace kirvolt {

// Lays out the analysis results pane: node voltages, then resistors, current sources and
// voltage sources with their p.d. and current, subscripts in Arial 16.
void paintResults(const CKirvoltDoc& doc, DrawingSurface& surface);

}  // namespace kirvolt
