#include "editing/keyboard_drawing.h"

#include <algorithm>

#include "document/reading_order.h"

namespace kirvolt {

Point KeyboardDrawing::cursorPoint() const
{
    return {cursor.x * doc.gridSize, cursor.y * doc.gridSize};
}

bool KeyboardDrawing::moveCursor(int dx, int dy)
{
    const int last = DRAWING_AREA / doc.gridSize - 1;
    const Point moved{std::clamp(cursor.x + dx, 0, last), std::clamp(cursor.y + dy, 0, last)};
    focus = 0;
    if (moved == cursor) {
        return false;
    }
    placeCursor(moved);
    return true;
}

void KeyboardDrawing::placeCursor(Point grid)
{
    cursor = grid;
    floatAtCursor();
}

void KeyboardDrawing::floatAtCursor()
{
    const Point at = cursorPoint();
    editor.pointerMove(at, at);
}

bool KeyboardDrawing::enter()
{
    const Point at = cursorPoint();
    if (doc.mode == MODE_SELECT) {
        if (const CComponent* record = focused()) {
            return editor.editRecord(record->recordId);
        }
        return editor.doubleClick(at);
    }
    if (isWireKind(doc.mode)) {
        return editor.wireInProgress() ? editor.leftRelease(at) : editor.leftPress(at);
    }
    const bool pressed = editor.leftPress(at);
    const bool released = editor.leftRelease(at);
    // A placed element floats again at once, ready for the next.
    floatAtCursor();
    return pressed || released;
}

const CComponent* KeyboardDrawing::stepFocus(bool backwards)
{
    const std::vector<const CComponent*> order = readingOrder(doc);
    if (order.empty()) {
        focus = 0;
        return nullptr;
    }
    const auto at = std::ranges::find_if(order, [this](const CComponent* c) { return c->recordId == focus; });
    std::size_t next = 0;
    if (at != order.end()) {
        const auto index = static_cast<std::size_t>(at - order.begin());
        next = backwards ? (index + order.size() - 1) % order.size() : (index + 1) % order.size();
    } else {
        // From the cursor: the first record read after it, or the last before it.
        const auto after = std::ranges::find_if(order, [this](const CComponent* c) {
            const Point p = readingPoint(*c);
            return p.y != cursor.y ? p.y > cursor.y : p.x >= cursor.x;
        });
        const auto index = static_cast<std::size_t>(after - order.begin());
        next = backwards ? (index + order.size() - 1) % order.size() : index % order.size();
    }
    const CComponent* chosen = order[next];
    editor.selectOnly(chosen->recordId);
    placeCursor(readingPoint(*chosen));
    focus = chosen->recordId;
    return chosen;
}

const CComponent* KeyboardDrawing::focused() const
{
    if (focus == 0) {
        return nullptr;
    }
    const auto found = std::ranges::find_if(doc.components, [this](const auto& c) { return c->recordId == focus; });
    return found != doc.components.end() ? found->get() : nullptr;
}

bool KeyboardDrawing::toggleAtCursor()
{
    if (doc.mode != MODE_SELECT) {
        return false;
    }
    const Point at = cursorPoint();
    const bool pressed = editor.leftPress(at, true);
    const bool released = editor.leftRelease(at);
    return pressed || released;
}

bool KeyboardDrawing::moveSelection(int dx, int dy)
{
    if (doc.mode != MODE_SELECT) {
        return false;
    }
    if (!editor.dragging()) {
        dragCursor = cursor;
    }
    const Point shown = editor.dragging() ? editor.dragOffset() : Point{0, 0};
    if (!editor.dragSelectionBy({shown.x + dx, shown.y + dy})) {
        return false;
    }
    const Point offset = editor.dragOffset();
    cursor = {dragCursor.x + offset.x, dragCursor.y + offset.y};
    return true;
}

bool KeyboardDrawing::dropSelection()
{
    return editor.dropSelection();
}

}  // namespace kirvolt
