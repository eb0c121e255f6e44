#include "view/qt_drawing_surface.h"

#include <algorithm>

#include <QFontMetrics>
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

QRgb toQRgb(Colour colour)
{
    return qRgb(static_cast<int>(redOf(colour)), static_cast<int>(greenOf(colour)), static_cast<int>(blueOf(colour)));
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

QFont toQFont(const Font& font)
{
    QFont qfont(QString::fromStdString(font.face));
    qfont.setStyleHint(QFont::SansSerif);
    if (font.height > 0) {
        qfont.setPixelSize(font.height);
    }
    qfont.setWeight(toQWeight(font.weight));
    return qfont;
}

QRect toQRect(Rect box)
{
    return QRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

QString toQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Large enough to hold a few dozen grid columns, small enough to stay in the cache.
constexpr std::size_t PIXEL_BATCH = 16384;

bool holdsRgbPixels(const QImage& image)
{
    const QImage::Format format = image.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

QtDrawingSurface::QtDrawingSurface(QPainter& painter)
    : painter(painter), defaultFont(painter.font()), rasterMode(RASTER_COPY), textPen(Qt::black),
      fontAscent(QFontMetrics(painter.font()).ascent())
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    applyPen();
    painter.setBrush(Qt::white);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBackground(Qt::white);
}

QtDrawingSurface::~QtDrawingSurface()
{
    writePendingPixels();
}

const QPen& QtDrawingSurface::qtPen(const Pen& pen)
{
    for (const auto& [key, made] : pens) {
        if (key == pen) {
            return made;
        }
    }
    return pens.emplace_back(pen, toQPen(pen)).second;
}

const QFont& QtDrawingSurface::qtFont(const Font& font)
{
    if (font.face.empty()) {
        return defaultFont;
    }
    for (const auto& [key, made] : fonts) {
        if (key == font) {
            return made;
        }
    }
    return fonts.emplace_back(font, toQFont(font)).second;
}

void QtDrawingSurface::applyPen()
{
    if (appliedPen != currentPen) {
        painter.setPen(qtPen(currentPen));
        appliedPen = currentPen;
        textPenApplied = false;
    }
    if (opaqueBackground) {
        painter.setBackgroundMode(Qt::TransparentMode);
        opaqueBackground = false;
    }
}

// An opaque background slows every other kind of drawing down, so it is on only for text.
void QtDrawingSurface::enterTextMode()
{
    if (!textPenApplied) {
        painter.setPen(textPen);
        appliedPen.reset();
        textPenApplied = true;
    }
    if (!opaqueBackground) {
        painter.setBackgroundMode(Qt::OpaqueMode);
        opaqueBackground = true;
    }
}

void QtDrawingSurface::applyFont()
{
    if (appliedFont == currentFont) {
        return;
    }
    appliedFont = currentFont;
    painter.setFont(qtFont(currentFont));
    fontAscent = QFontMetrics(painter.font()).ascent();
}

Pen QtDrawingSurface::selectPen(const Pen& pen)
{
    writePendingPixels();
    const Pen previous = currentPen;
    currentPen = pen;
    return previous;
}

Colour QtDrawingSurface::setTextColour(Colour colour)
{
    writePendingPixels();
    textPen = QPen(toQColor(colour));
    textPenApplied = false;
    return std::exchange(textColour, colour);
}

Font QtDrawingSurface::selectFont(const Font& font)
{
    writePendingPixels();
    const Font previous = currentFont;
    currentFont = font;
    return previous;
}

// Exclusive-or needs the raster engine of images and widgets; other devices (printers, PDF)
// accept the mode without carrying it out, so they draw in copy mode.
int QtDrawingSurface::setRasterMode(int mode)
{
    writePendingPixels();
    const int previous = rasterMode;
    rasterMode = mode;
    const QPaintEngine* engine = painter.paintEngine();
    const bool canXor = engine && engine->type() == QPaintEngine::Raster;
    strokeComposition = mode == RASTER_XOR && canXor ? QPainter::RasterOp_SourceXorDestination
                                                     : QPainter::CompositionMode_SourceOver;
    painter.setCompositionMode(strokeComposition);
    return previous;
}

void QtDrawingSurface::moveTo(Point p)
{
    writePendingPixels();
    cursor = p;
}

void QtDrawingSurface::lineTo(Point p)
{
    writePendingPixels();
    applyPen();
    painter.drawLine(QPoint(cursor.x, cursor.y), QPoint(p.x, p.y));
    cursor = p;
}

void QtDrawingSurface::ellipse(Rect box)
{
    writePendingPixels();
    applyPen();
    painter.drawEllipse(toQRect(box));
}

void QtDrawingSurface::arc(Rect box)
{
    writePendingPixels();
    applyPen();
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(toQRect(box));
    painter.setBrush(Qt::white);
}

// Pixels can go straight into an image's memory when that gives the same pixels as painting
// would: an unshared 32-bit image, no transform, no clipping, full opacity.
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

// The dot grid sets a quarter of a million pixels one by one; they are collected and drawn
// together.
void QtDrawingSurface::setPixel(Point p, Colour colour)
{
    if (pendingPixels.empty()) {
        pixelImage = directImage();
        pendingPixels.reserve(PIXEL_BATCH);
    }
    pendingPixels.push_back({p.x, p.y, toQRgb(colour)});
    if (pendingPixels.size() == PIXEL_BATCH) {
        writePendingPixels();
    }
}

void QtDrawingSurface::writePendingPixels()
{
    if (pendingPixels.empty()) {
        return;
    }
    if (pixelImage) {
        writeRowByRow();
    } else {
        paintAsPoints();
    }
    pendingPixels.clear();
}

// Written in the order of the calls, the grid's columns would put nearly every pixel on
// another memory page. A counting sort by row keeps the pixels of one row in call order, so
// the last of several pixels at one point still wins.
void QtDrawingSurface::writeRowByRow()
{
    const int width = pixelImage->width();
    const int height = pixelImage->height();
    rowStart.assign(static_cast<std::size_t>(height) + 1, 0);
    auto inside = [width, height](const PendingPixel& pixel) {
        return pixel.x >= 0 && pixel.x < width && pixel.y >= 0 && pixel.y < height;
    };
    for (const PendingPixel& pixel : pendingPixels) {
        if (inside(pixel)) {
            ++rowStart[static_cast<std::size_t>(pixel.y) + 1];
        }
    }
    for (std::size_t row = 1; row < rowStart.size(); ++row) {
        rowStart[row] += rowStart[row - 1];
    }
    sortedPixels.resize(static_cast<std::size_t>(rowStart.back()));
    for (const PendingPixel& pixel : pendingPixels) {
        if (inside(pixel)) {
            sortedPixels[static_cast<std::size_t>(rowStart[static_cast<std::size_t>(pixel.y)]++)] = pixel;
        }
    }
    uchar* bits = pixelImage->bits();
    const qsizetype stride = pixelImage->bytesPerLine();
    for (const PendingPixel& pixel : sortedPixels) {
        reinterpret_cast<QRgb*>(bits + pixel.y * stride)[pixel.x] = pixel.rgb;
    }
}

// Each stretch of one colour becomes one call with a cosmetic pen, which sets exactly one
// device pixel per point and ignores the raster mode like a single pixel should.
void QtDrawingSurface::paintAsPoints()
{
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QPolygon points;
    for (std::size_t first = 0; first < pendingPixels.size();) {
        const QRgb rgb = pendingPixels[first].rgb;
        points.clear();
        std::size_t next = first;
        for (; next < pendingPixels.size() && pendingPixels[next].rgb == rgb; ++next) {
            points.append(QPoint(pendingPixels[next].x, pendingPixels[next].y));
        }
        painter.setPen(QPen(QColor::fromRgb(rgb), 0));
        painter.drawPoints(points);
        first = next;
    }
    appliedPen.reset();
    textPenApplied = false;
    painter.setCompositionMode(strokeComposition);
}

// The unrotated box's top-left corner lies at the point; an escapement turns the text
// anticlockwise about that corner.
void QtDrawingSurface::textOut(Point p, const std::string& text)
{
    writePendingPixels();
    applyFont();
    enterTextMode();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (currentFont.escapement == 0) {
        painter.drawText(QPoint(p.x, p.y + fontAscent), toQString(text));
    } else {
        const QTransform transform = painter.transform();
        painter.translate(p.x, p.y);
        painter.rotate(-currentFont.escapement / 10.0);
        painter.drawText(QPoint(0, fontAscent), toQString(text));
        painter.setTransform(transform);
    }
    painter.setCompositionMode(strokeComposition);
}

Size QtDrawingSurface::textExtent(const std::string& text)
{
    writePendingPixels();
    applyFont();
    const QFontMetrics metrics(painter.font());
    return Size{metrics.horizontalAdvance(toQString(text)), metrics.height()};
}

}  // namespace kirvolt
