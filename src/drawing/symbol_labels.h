#pragma once

#include <cstddef>
#include <string>

#include "document/component.h"
#include "document/text_lists.h"
#include "drawing/drawing_surface.h"

namespace kirvolt {

// The label font: Arial at 2c/3. Upright text is heavier at the larger zoom levels; text turned
// to read upwards is thin at every zoom.
Font labelFont(int c, bool vertical);

struct Symbol;

// Name (first three characters of the label) and value label with its unit ("ohm", "V", "A"),
// or the label its look gives, in the label font of the element's orientation.
void drawNameAndValue(const Symbol& symbol, DrawingSurface& surface, Point nameAt, Point valueAt, const char* unit);

}  // namespace kirvolt
