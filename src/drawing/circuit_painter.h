#pragma once

#include <optional>

#include "document/circuit_document.h"
#include "document/drawn_numbers.h"
#include "document/highlight.h"
#include "document/selection.h"
#include "drawing/drawing_surface.h"
#include "drawing/loop_current_painter.h"
#include "drawing/mesh_current_painter.h"
#include "drawing/symbols.h"

namespace kirvolt {

// What a paint of a circuit shows besides the circuit itself.
struct PaintOptions {
    int gridStyle = GRID_DOTS;
    bool showEquations = false;
    bool showNodeNumbers = true;
    // Painted over the elements' own colours and arrows while an explanation is up.
    const Highlight* highlight = nullptr;
    // Painted in the selection colour, under any highlight.
    const Selection* selection = nullptr;
    // Only grid points, elements and panel lines meeting it are painted; everything when none.
    std::optional<Rect> area;
    // The numbers of an analysis painted on the drawing, as far as shown says; none when null.
    const DrawnNumbers* numbers = nullptr;
    NumbersShown shown;
    // The currents of a mesh analysis, painted over the circuit; none after any other.
    const std::vector<MeshCurrentMark>* meshCurrents = nullptr;
    // Value labels drawn in place of the records' own, by record id; none when null.
    const ValueLabels* valueLabels = nullptr;
    // The tree and loop currents of a loop analysis; none after any other.
    const LoopPicture* loopCurrents = nullptr;
};

// The document's own settings: its grid, its equations panel and the node-number display.
PaintOptions documentPaintOptions(const CKirvoltDoc& doc);

// Paints the circuit on a surface in logical units: the grid, the equations panel (the equation
// text as last written), the node tints, every element in list order, then the current arrows
// and the tint scale. Changes nothing in the document.
void PaintView(const CKirvoltDoc& doc, DrawingSurface& surface, const PaintOptions& options);

}  // namespace kirvolt
