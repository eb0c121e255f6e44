#include "view/outline_stamps.h"

#include <QPainter>
#include <QPen>

namespace kirvolt {
namespace {

// Every size a circuit uses comes back on every paint; a stray size from a damaged file must
// not grow the list without end.
constexpr std::size_t MOST_STAMPS = 64;

}  // namespace

OutlineStamps::Stamp OutlineStamps::stamp(int width, int height, int penWidth, QRgb colour, bool filled)
{
    for (const Entry& entry : entries) {
        if (entry.width == width && entry.height == height && entry.penWidth == penWidth && entry.colour == colour &&
            entry.filled == filled) {
            return {&entry.image, QPoint(-entry.margin, -entry.margin)};
        }
    }
    if (entries.size() == MOST_STAMPS) {
        entries.clear();
    }
    // The pen reaches half its width outside the box; a margin of a whole width is room enough.
    const int margin = penWidth + 2;
    QImage image(width + 2 * margin, height + 2 * margin, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor::fromRgb(colour), penWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(filled ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
    painter.drawEllipse(QRect(margin, margin, width, height));
    painter.end();
    const Entry& added = entries.emplace_back(Entry{width, height, penWidth, colour, filled, std::move(image), margin});
    return {&added.image, QPoint(-margin, -margin)};
}

}  // namespace kirvolt
