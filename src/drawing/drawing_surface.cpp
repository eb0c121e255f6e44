#include "drawing/drawing_surface.h"

namespace kirvolt {

void DrawingSurface::setPixelLattice(Point origin, int step, int columns, int rows, Colour colour)
{
    for (int i = 0; i < columns; ++i) {
        for (int j = 0; j < rows; ++j) {
            setPixel({origin.x + i * step, origin.y + j * step}, colour);
        }
    }
}

}  // namespace kirvolt
