#pragma once

#include "document/circuit_document.h"
#include "document/drawing_surface.h"

namespace kirvolt {

// Paints the whole circuit on a surface in logical units: the grid, the equations panel when
// it is switched on (the equation text as last written), then every element in list order.
void PaintView(CKirvoltDoc& doc, DrawingSurface& surface);

}  // namespace kirvolt
