#include "drawing/mesh_current_painter.h"

#include <string>

#include "document/readable_value.h"
#include "drawing/symbol_parts.h"

namespace kirvolt {

void paintMeshCurrents(const std::vector<MeshCurrentMark>& marks, DrawingSurface& surface, int gridSize)
{
    const GridStep s(gridSize);
    PenScope pen(surface, 2, COLOUR_HIGHLIGHT);
    const Colour text = surface.setTextColour(COLOUR_HIGHLIGHT);
    const Font font = surface.selectFont(Font{"Arial", s(2, 3), 400, 0});
    for (const MeshCurrentMark& mark : marks) {
        const Point corner = toLogical(mark.corner, gridSize);
        // The circle of one grid step's radius stands three steps in and two down from the
        // corner, clear of the node numbers at the terminals there.
        const Point centre{corner.x + s(3), corner.y + s(2)};
        surface.arc({centre.x - s(1), centre.y - s(1), centre.x + s(1), centre.y + s(1)});
        const Point top{centre.x, centre.y - s(1)};
        line(surface, top, {top.x - s(1, 3), top.y - s(1, 3)});
        line(surface, top, {top.x - s(1, 3), top.y + s(1, 3)});
        const std::string name = "I" + std::to_string(mark.mesh);
        surface.textOut({centre.x + s(3, 2), centre.y - s(1, 3)},
                        mark.amperes ? name + " = " + quantityText(*mark.amperes, 2, "A") : name);
    }
    surface.selectFont(font);
    surface.setTextColour(text);
}

}  // namespace kirvolt
