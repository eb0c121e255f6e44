#include "drawing/symbol_labels.h"

#include "document/format_value.h"
#include "drawing/symbol_parts.h"

namespace kirvolt {
namespace {

int uprightWeight(int c)
{
    if (c == 30) {
        return 600;
    }
    return c >= 40 ? 500 : 400;
}

}  // namespace

Font labelFont(int c, bool vertical)
{
    if (vertical) {
        return Font{"Arial", 2 * c / 3, 100, 900};
    }
    return Font{"Arial", 2 * c / 3, uprightWeight(c), 0};
}

void drawNameAndValue(const Symbol& symbol, DrawingSurface& surface, Point nameAt, Point valueAt, const char* unit)
{
    const CComponent& element = symbol.element;
    FontScope font(surface, labelFont(symbol.c(), isVertical(element.orientation)));
    surface.textOut(nameAt, leadingChars(element.label, 3));
    surface.textOut(valueAt, symbol.look.valueLabel.empty() ? valueLabel(element.value, unit) : symbol.look.valueLabel);
}

}  // namespace kirvolt
