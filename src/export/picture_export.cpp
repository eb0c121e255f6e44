#include "export/picture_export.h"

#include <algorithm>

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

}  // namespace

PaintOptions picturePaintOptions(const CKirvoltDoc& doc, const PictureOptions& options, std::optional<Rect> area)
{
    PaintOptions paint;
    paint.gridStyle = !options.grid ? GRID_NONE : doc.gridStyle == GRID_NONE ? GRID_DOTS : doc.gridStyle;
    paint.showNodeNumbers = options.nodeNumbers;
    paint.showEquations = options.equations;
    paint.area = area;
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
    return Rect{box->left - margin, box->top - margin, box->right + margin, box->bottom + margin};
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
