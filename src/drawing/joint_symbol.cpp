#include "document/component.h"
#include "drawing/symbol_labels.h"
#include "drawing/symbol_parts.h"

namespace kirvolt {
namespace {

void drawEarth(DrawingSurface& surface, int x, int y, GridStep s)
{
    polyline(surface, {{x, y}, {x + s(1, 2), y + s(1, 2)}, {x + s(1, 2), y + s(1)}, {x + s(3, 8), y + s(4, 3)}});
    line(surface, {x + s(1, 8), y + s(1)}, {x + s(7, 8), y + s(1)});
    line(surface, {x + s(1, 4), y + s(1)}, {x + s(1, 8), y + s(4, 3)});
    line(surface, {x + s(3, 4), y + s(1)}, {x + s(5, 8), y + s(4, 3)});
}

// The node number in a small circle above and to the right of the joint; two characters at most.
void drawNodeNumber(const CComponent& joint, DrawingSurface& surface, int c)
{
    const GridStep s(c);
    const int x = joint.position.x;
    const int y = joint.position.y;
    FontScope font(surface, labelFont(c, false));
    surface.arc({x + s(1, 2) - s(1, 3), y - s(1) - s(1, 6), x + s(1, 2) + s(2, 3), y - s(1) + s(3, 4)});
    if (joint.label.size() < 2) {
        surface.textOut({x + s(1, 2), y - s(1)}, joint.label);
    } else {
        surface.textOut({x + s(1, 2) - s(1, 6), y - s(1)}, leadingChars(joint.label, 2));
    }
}

}  // namespace

// The painter gives the earth symbol to one joint of the datum node in each paint.
void drawJoint(const Symbol& symbol, DrawingSurface& surface, int rasterMode)
{
    const CComponent& joint = symbol.element;
    const int c = symbol.c();
    DrawTerminalDot(surface, joint.position, rasterMode, symbol.look.colour, c);
    PenScope pen(surface, 1, symbol.look.colour);
    if (symbol.look.earth) {
        drawEarth(surface, joint.position.x, joint.position.y, GridStep(c));
    }
    if (symbol.look.showNodeNumber && joint.displayState == DISPLAY_PLACED) {
        drawNodeNumber(joint, surface, c);
    }
}

}  // namespace kirvolt
