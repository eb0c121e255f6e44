#include "view/qt_drawing_surface.h"

#include <algorithm>

#include <QFontMetrics>
#include <QImage>
#include <QPaintEngine>
#include <QString>

#include "document/codes.h"

namespace kirvolt {
namespace {

QColor toQColor(Colour colour)
{
    return QColor(static_cast<int>(redOf(colour)), static_cast<int>(greenOf(colour)),
                  static_cast<int>(blueOf(colour)));
}

// Flat caps leave out a line's last pixel at width 1, as a line-to on the original surfaces does.
QPen toQPen(const Pen& pen)
{
    return QPen(toQColor(pen.colour), std::max(pen.width, 0), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

QFont::Weight toQWeight(int weight)
{
    return weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::clamp(weight, 1, 1000));
}

QRect toQRect(Rect box)
{
    return QRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

QString toQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool holdsRgbPixels(const QImage& image)
{
    const QImage::Format format = image.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

QtDrawingSurface::QtDrawingSurface(QPainter& painter)
    : painter(painter), defaultFont(painter.font()), rasterMode(RASTER_COPY)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(toQPen(currentPen));
    painter.setBrush(Qt::NoBrush);
}

Pen QtDrawingSurface::selectPen(const Pen& pen)
{
    const Pen previous = currentPen;
    currentPen = pen;
    painter.setPen(toQPen(pen));
    return previous;
}

Font QtDrawingSurface::selectFont(const Font& font)
{
    const Font previous = currentFont;
    currentFont = font;
    if (font.face.empty()) {
        painter.setFont(defaultFont);
        return previous;
    }
    QFont qfont(toQString(font.face));
    qfont.setStyleHint(QFont::SansSerif);
    if (font.height > 0) {
        qfont.setPixelSize(font.height);
    }
    qfont.setWeight(toQWeight(font.weight));
    painter.setFont(qfont);
    return previous;
}

// Exclusive-or needs raster operations; a device without them (a printer) draws in copy mode.
int QtDrawingSurface::setRasterMode(int mode)
{
    const int previous = rasterMode;
    rasterMode = mode;
    const bool canXor = painter.paintEngine() && painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    painter.setCompositionMode(mode == RASTER_XOR && canXor ? QPainter::RasterOp_SourceXorDestination
                                                            : QPainter::CompositionMode_SourceOver);
    return previous;
}

void QtDrawingSurface::moveTo(Point p)
{
    cursor = p;
}

void QtDrawingSurface::lineTo(Point p)
{
    painter.drawLine(QPoint(cursor.x, cursor.y), QPoint(p.x, p.y));
    cursor = p;
}

void QtDrawingSurface::ellipse(Rect box)
{
    painter.setBrush(Qt::white);
    painter.drawEllipse(toQRect(box));
    painter.setBrush(Qt::NoBrush);
}

void QtDrawingSurface::arc(Rect box)
{
    painter.drawArc(toQRect(box), 0, 360 * 16);
}

// The dot grid sets a quarter of a million pixels per paint; on an image they are written
// straight into its memory when that gives the same pixels as painting would.
QImage* QtDrawingSurface::directImage() const
{
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image) {
        return nullptr;
    }
    auto* image = static_cast<QImage*>(device);
    const bool plain = holdsRgbPixels(*image) && image->isDetached() && image->devicePixelRatio() == 1.0 &&
                       painter.deviceTransform().type() == QTransform::TxNone && !painter.hasClipping() &&
                       painter.opacity() == 1.0;
    return plain ? image : nullptr;
}

void QtDrawingSurface::setPixel(Point p, Colour colour)
{
    if (QImage* image = directImage()) {
        if (p.x >= 0 && p.y >= 0 && p.x < image->width() && p.y < image->height()) {
            auto* row = reinterpret_cast<QRgb*>(image->scanLine(p.y));
            row[p.x] = qRgb(static_cast<int>(redOf(colour)), static_cast<int>(greenOf(colour)),
                            static_cast<int>(blueOf(colour)));
        }
        return;
    }
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(QRect(p.x, p.y, 1, 1), toQColor(colour));
    painter.setCompositionMode(mode);
}

// Black text on an opaque white box, the unrotated box's top-left corner at the point; an
// escapement turns the text anticlockwise about that corner.
void QtDrawingSurface::textOut(Point p, const std::string& text)
{
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.translate(p.x, p.y);
    painter.rotate(-currentFont.escapement / 10.0);
    painter.drawText(QPoint(0, QFontMetrics(painter.font()).ascent()), toQString(text));
    painter.restore();
}

Size QtDrawingSurface::textExtent(const std::string& text)
{
    const QFontMetrics metrics(painter.font());
    return Size{metrics.horizontalAdvance(toQString(text)), metrics.height()};
}

}  // namespace kirvolt
