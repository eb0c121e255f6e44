#include "drawing/symbol_bounds.h"

#include <algorithm>
#include <cmath>


namespace kirvolt {
namespace {

Rect around(Point p, int margin) { return {p.x - margin, p.y - margin, p.x + margin, p.y + margin}; }

Rect unite(const Rect& a, const Rect& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// A meter shows its whole label; the others the first three characters of the name, then the
// value with its unit.
int labelCharacters(const CComponent& element)
{
    if (element.kindCode == KIND_VOLTMETER || element.kindCode == KIND_AMMETER) {
        return static_cast<int>(element.label.size());
    }
    // The value text has no exponent: its whole digits, a sign, a point and three decimals at
    // most; counted without formatting it, as every paint asks.
    const double magnitude = std::fabs(element.value);
    const int wholeDigits = !(magnitude >= 10.0) ? 1 : magnitude < 1e308 ? static_cast<int>(std::log10(magnitude)) + 1 : 309;
    return 3 + wholeDigits + 5 + 4;
}

Rect twoTerminalBounds(const CComponent& e, int c)
{
    // Terminals, body, arrow and polarity marks lie within two steps of the axis.
    Rect box = unite(around(e.position, 3 * c + c), unite(around(toLogical(e.gridStart, c), 2 * c),
                                                          around(toLogical(e.gridFinish, c), 2 * c)));
    const int text = labelCharacters(e) * c;
    const bool vertical = e.orientation == ORIENT_NORTH || e.orientation == ORIENT_SOUTH;
    // Upright labels run right from above the symbol; turned ones run up from its left.
    const Rect labels = vertical ? Rect{e.position.x - 2 * c, e.position.y + 2 * c - text, e.position.x, e.position.y + 2 * c}
                                 : Rect{e.position.x - 2 * c, e.position.y - 2 * c, e.position.x - 2 * c + text, e.position.y};
    if (!isMeterKind(e.kindCode)) {
        return unite(box, labels);
    }
    // A meter's reading runs right from below the upright symbol and up from right of the
    // turned one.
    constexpr int READING_CHARACTERS = 12;
    const int reading = READING_CHARACTERS * c;
    const int x = e.position.x;
    const int y = e.position.y;
    const Rect readingBox = vertical ? Rect{x, y + 2 * c - reading, x + 2 * c, y + 2 * c}
                                     : Rect{x - 2 * c, y, x - 2 * c + reading, y + 2 * c};
    return unite(unite(box, labels), readingBox);
}

Rect wireBounds(const CComponent& e, int c)
{
    Rect box = around(e.startPoint, c);
    for (Point p : {e.position, e.finishPoint, toLogical(e.gridStart, c), toLogical(e.gridFinish, c)}) {
        box = unite(box, around(p, c));
    }
    return box;
}

}  // namespace

Rect symbolBounds(const CComponent& element, int c)
{
    if (element.kindCode == KIND_JOINT) {
        // The number stands above and to the right, the earth symbol below and to the right.
        return {element.position.x - c, element.position.y - 2 * c, element.position.x + 3 * c,
                element.position.y + 2 * c};
    }
    if (isWireKind(element.kindCode)) {
        return wireBounds(element, c);
    }
    return twoTerminalBounds(element, c);
}

std::optional<Rect> circuitBounds(const CKirvoltDoc& doc)
{
    std::optional<Rect> box;
    for (const auto& element : doc.components) {
        const Rect symbol = symbolBounds(*element, doc.gridSize);
        box = box ? unite(*box, symbol) : symbol;
    }
    return box;
}

std::optional<Rect> highlightBounds(const CKirvoltDoc& doc, const Highlight& highlight)
{
    std::optional<Rect> box;
    for (const auto& element : doc.components) {
        if (highlight.isRed(*element) || highlight.arrowOf(*element) != ARROW_NONE) {
            const Rect symbol = symbolBounds(*element, doc.gridSize);
            box = box ? unite(*box, symbol) : symbol;
        }
    }
    return box;
}

}  // namespace kirvolt
