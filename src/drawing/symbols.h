#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "document/component.h"
#include "drawing/drawing_surface.h"

namespace kirvolt {

// How an element looks in one paint besides what its record says: the grid step, the colour
// and current arrow it is drawn with (its own, or a highlight's over it), whether a joint
// shows its node number and whether it is the one joint of the paint that carries the earth
// symbol.
struct SymbolLook {
    int gridSize = 20;
    Colour colour = COLOUR_BLACK;
    int arrowDirection = ARROW_NONE;
    bool showNodeNumber = true;
    bool earth = false;
    // A meter's reading after an analysis, shown beside its symbol; empty when there is none.
    std::string reading;
    // The value label shown instead of the one the record's value gives; empty for that one.
    std::string valueLabel;
};

// Value labels by record id, for a drawing that labels values in words of its own.
using ValueLabels = std::map<std::uint64_t, std::string>;

// The element as its record alone says it looks; a joint of the datum node carries the earth.
SymbolLook recordLook(const CComponent& element, int gridSize, bool showNodeNumbers);

// Paints the element's symbol: lines, terminal dots, labels and arrow, in logical units,
// combining with the surface by the raster mode (RASTER_COPY, or RASTER_XOR for a preview).
void Draw(const CComponent& element, DrawingSurface& surface, int rasterMode, const SymbolLook& look);

}  // namespace kirvolt
