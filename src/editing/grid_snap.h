#pragma once

#include <string>

#include "document/geometry.h"

namespace kirvolt {

// The nearest grid point, halves rounding upward. Points are kept as unsigned 16-bit
// numbers, so a point dragged past the top or left edge of the document stops at 0
// instead of wrapping round to the far side.
Point snapToGrid(Point logical, int gridSize);

// The status bar text "(x,y)" of the grid point nearest to a client position.
std::string gridStatusText(Point client, int gridSize);

}  // namespace kirvolt
