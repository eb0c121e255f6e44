#pragma once

namespace kirvolt {

// The pointer shapes of the schematic view; the view maps each to its own cursor image.
enum class EditorCursor {
    CursorDefault,
    CursorPlace,
    CursorMove,
    CursorEdit,
    CursorDelete,
    CursorDatum,
    CursorInfo,
};

}  // namespace kirvolt
