#include "export/picture_export.h"

#include <algorithm>
#include <utility>

#include "export/painted_bounds.h"
#include "export/svg_surface.h"

namespace kirvolt {
namespace {

// Paints into a fresh SVG surface; the picture's area is measured on the surface that paints it.
template <typename Finish>
std::optional<std::string> paintSvg(const CKirvoltDoc& doc, const PictureOptions& options, Finish finish)
{
    SvgSurface surface;
    const std::optional<Rect> area = pictureArea(doc, options, surface);
    if (!area) {
        return std::nullopt;
    }
    PaintView(doc, surface, picturePaintOptions(doc, options, *area));
    return finish(surface, *area, std::clamp(options.scale, PICTURE_SCALE_MIN, PICTURE_SCALE_MAX));
}

// No picture is larger than the drawing area and its margin, which is all the view can show:
// a file that put a record far outside it would otherwise ask for a picture of gigabytes. A
// larger box keeps what lies in the drawing area, or its own top left corner when nothing does.
Rect withinDrawingArea(Rect box, int margin)
{
    const int side = DRAWING_AREA + 2 * margin;
    if (box.right - box.left <= side && box.bottom - box.top <= side) {
        return box;
    }
    const auto clamp = [](int low, int high, int from, int to) {
        const int a = std::max(low, from);
        const int b = std::min(high, to);
        return a < b ? std::pair{a, b} : std::pair{low, std::min(high, low + (to - from))};
    };
    const auto [left, right] = clamp(box.left, box.right, -margin, DRAWING_AREA + margin);
    const auto [top, bottom] = clamp(box.top, box.bottom, -margin, DRAWING_AREA + margin);
    return Rect{left, top, std::min(right, left + side), std::min(bottom, top + side)};
}

}  // namespace

PaintOptions picturePaintOptions(const CKirvoltDoc& doc, const PictureOptions& options, std::optional<Rect> area)
{
    PaintOptions paint;
    paint.gridStyle = !options.grid ? GRID_NONE : doc.gridStyle == GRID_NONE ? GRID_DOTS : doc.gridStyle;
    paint.showNodeNumbers = options.nodeNumbers;
    paint.showEquations = options.equations;
    paint.area = area;
    paint.valueLabels = options.valueLabels;
    return paint;
}

std::optional<Rect> pictureArea(const CKirvoltDoc& doc, const PictureOptions& options, DrawingSurface& surface)
{
    // The grid would fill any box it is given, so the extent is taken without it.
    PictureOptions withoutGrid = options;
    withoutGrid.grid = false;
    const std::optional<Rect> box = paintedBounds(doc, picturePaintOptions(doc, withoutGrid, std::nullopt), surface);
    if (!box || doc.components.empty()) {
        return std::nullopt;
    }
    const int margin = std::max<int>(doc.gridSize, 1);
    return withinDrawingArea(Rect{box->left - margin, box->top - margin, box->right + margin, box->bottom + margin},
                             margin);
}

std::optional<std::string> circuitSvg(const CKirvoltDoc& doc, const PictureOptions& options)
{
    return paintSvg(doc, options, [](SvgSurface& surface, const Rect& area, int scale) { return surface.svgDocument(area, scale); });
}

std::optional<std::string> circuitSvgElement(const CKirvoltDoc& doc, const PictureOptions& options)
{
    return paintSvg(doc, options, [](SvgSurface& surface, const Rect& area, int scale) { return surface.svgElement(area, scale); });
}

}  // namespace kirvolt
