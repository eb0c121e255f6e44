#pragma once

#include <vector>

#include "document/results_lines.h"
#include "drawing/drawing_surface.h"

namespace kirvolt {

// Paints the lines of the analysis results pane (resultsPaneLines): node voltages, then
// resistors, current sources and voltage sources with their p.d. and current, subscripts in
// Arial 16.
void paintResults(const std::vector<ResultsLine>& lines, DrawingSurface& surface);

}  // namespace kirvolt
