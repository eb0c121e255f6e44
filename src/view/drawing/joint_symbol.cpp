#include "document/component.h"
#include "document/process_state.h"
#include "view/drawing/symbol_labels.h"
#include "view/drawing/symbol_parts.h"

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

// Only the first joint of the datum node in a paint shows the earth symbol.
void CNode::Draw(DrawingSurface& surface, int rasterMode, int c) const
{
    DrawTerminalDot(surface, position, rasterMode, colour, c);
    PenScope pen(surface, 1, colour);
    ProcessState& state = processState();
    if (datumMark == 1 && state.datumSymbolDrawn == 0) {
        state.datumSymbolDrawn = 1;
        drawEarth(surface, position.x, position.y, GridStep(c));
    }
    if (state.showNodeNumbers == 1 && displayState == DISPLAY_PLACED) {
        drawNodeNumber(*this, surface, c);
    }
}

}  // namespace kirvolt
