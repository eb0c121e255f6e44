#include "view/editor_cursors.h"

#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace kirvolt {
namespace {

struct CursorImage {
    const char* resource;
    int hotX;
    int hotY;
};

CursorImage imageOf(EditorCursor cursor)
{
    switch (cursor) {
    case EditorCursor::CursorPlace:
        return {":/cursors/place.svg", 16, 16};
    case EditorCursor::CursorMove:
        return {":/cursors/move.svg", 16, 16};
    case EditorCursor::CursorEdit:
        return {":/cursors/edit.svg", 2, 30};
    case EditorCursor::CursorDelete:
        return {":/cursors/delete.svg", 16, 16};
    case EditorCursor::CursorDatum:
        return {":/cursors/datum.svg", 16, 2};
    case EditorCursor::CursorInfo:
        return {":/cursors/info.svg", 1, 1};
    case EditorCursor::CursorDefault:
        break;
    }
    return {":/cursors/default.svg", 1, 1};
}

QCursor renderCursor(const CursorImage& image)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer{QString::fromLatin1(image.resource)};
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    return QCursor(pixmap, image.hotX, image.hotY);
}

}  // namespace

QCursor editorCursor(EditorCursor cursor)
{
    static QHash<int, QCursor> cache;
    const int key = static_cast<int>(cursor);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd()) {
        return *found;
    }
    return *cache.insert(key, renderCursor(imageOf(cursor)));
}

}  // namespace kirvolt
