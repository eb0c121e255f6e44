#pragma once

#include <vector>

#include "document/results_lines.h"
#include "drawing/drawing_surface.h"

namespace kirvolt {

// Paints the lines of the analysis results pane (resultsPaneLines): node voltages, then
// resistors, current sources and voltage sources with their p.d. and current, subscripts in a
// smaller Arial; greyed lines in grey.
void paintResults(const std::vector<ResultsLine>& lines, DrawingSurface& surface);
// The width of the widest of those lines as paintResults lays it out on the surface.
int resultsTextWidth(const std::vector<ResultsLine>& lines, DrawingSurface& surface);

}  // namespace kirvolt
