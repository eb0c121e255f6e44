#pragma once

#include <optional>

#include "document/circuit_document.h"
#include "drawing/circuit_painter.h"

namespace kirvolt {

// The box of everything PaintView puts on a surface with these options: every stroke widened
// by its pen, every ellipse, every text box as the surface measures it (turned with its
// escapement) and every pixel. None when nothing would be painted. The symbols' own bounds
// allow for the widest label any font could give, which is right for culling but leaves a
// picture with a wide empty border.
std::optional<Rect> paintedBounds(const CKirvoltDoc& doc, const PaintOptions& options, DrawingSurface& measure);

}  // namespace kirvolt
