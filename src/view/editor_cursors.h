#pragma once

#include <QCursor>

#include "editing/editor_cursor.h"

namespace kirvolt {

// The program's own cursor for each pointer shape of the editor, drawn from its SVG image.
QCursor editorCursor(EditorCursor cursor);

}  // namespace kirvolt
