#pragma once

#include <optional>
#include <string>

#include "document/circuit_document.h"
#include "document/wording.h"
#include "drawing/circuit_painter.h"

namespace kirvolt {

// What an exported picture of the schematic shows, as the export dialog offers it.
struct PictureOptions {
    bool grid = true;
    bool nodeNumbers = true;
    bool equations = false;
    int scale = 1;  // pixels per logical unit of a PNG, 1 to 4; an SVG's width and height
    const ValueLabels* valueLabels = nullptr;  // drawn in place of the records' own; none when null
};

inline constexpr int PICTURE_SCALE_MIN = 1;
inline constexpr int PICTURE_SCALE_MAX = 4;

// The painter's options for the picture: the document's own grid style (dots when it has
// none and a grid is asked for), no highlight, and the area to paint.
PaintOptions picturePaintOptions(const CKirvoltDoc& doc, const PictureOptions& options, std::optional<Rect> area);

// What the picture paints besides the grid (the elements, their labels and the equations
// panel when it is shown) with a margin of one grid step all round, never larger than the
// drawing area with that margin; none for a circuit without elements. The surface measures
// the text.
std::optional<Rect> pictureArea(const CKirvoltDoc& doc, const PictureOptions& options, DrawingSurface& surface);

// The picture as a standalone SVG file, or as an <svg> element to place in a page; none for a
// circuit without elements.
std::optional<std::string> circuitSvg(const CKirvoltDoc& doc, const PictureOptions& options);
std::optional<std::string> circuitSvgElement(const CKirvoltDoc& doc, const PictureOptions& options);

// What a picture of an empty circuit is refused with.
inline constexpr const char* EMPTY_PICTURE_MESSAGE = WORDING_NOOP("Export", "Create your circuit first.");

}  // namespace kirvolt
