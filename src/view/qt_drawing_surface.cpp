#include "view/qt_drawing_surface.h"

#include <algorithm>
#include <cmath>

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

// Pixels drawn together as points: enough for a few dozen rows of the dot grid, few enough to
// stay in the cache.
constexpr std::size_t PIXEL_BATCH = 16384;

bool holdsRgbPixels(const QImage& image)
{
    const QImage::Format format = image.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

QtDrawingSurface::QtDrawingSurface(QPainter& painter, SurfaceCache* givenCache)
    : painter(painter), defaultFont(painter.font()), rasterMode(RASTER_COPY), textPen(Qt::black),
      fontAscent(QFontMetrics(painter.font()).ascent()), cache(givenCache ? givenCache : &ownCache)
{
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster) {
        cache = nullptr;
    }
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
}

void QtDrawingSurface::applyTextPen()
{
    if (!textPenApplied) {
        painter.setPen(textPen);
        appliedPen.reset();
        textPenApplied = true;
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
    drawCircle(box, true);
}

void QtDrawingSurface::arc(Rect box)
{
    writePendingPixels();
    applyPen();
    drawCircle(box, false);
}

void QtDrawingSurface::drawCircle(Rect box, bool filled)
{
    if (canStamp(box)) {
        const OutlineStamps::Stamp stamp = cache->circles.stamp(box.right - box.left, box.bottom - box.top,
                                                                std::max(currentPen.width, 0),
                                                                toQRgb(currentPen.colour), filled);
        painter.drawImage(QPoint(box.left, box.top) + stamp.offset, *stamp.image);
        return;
    }
    if (!filled) {
        painter.setBrush(Qt::NoBrush);
    }
    painter.drawEllipse(toQRect(box));
    if (!filled) {
        painter.setBrush(Qt::white);
    }
}

// A stamp is the painter's circle moved by whole device pixels and copied, so it serves only
// where the mapping to the device is such a move and the circle is copied, not combined.
bool QtDrawingSurface::canStamp(Rect box) const
{
    constexpr int LARGEST = 256;
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    return cache && strokeComposition == QPainter::CompositionMode_SourceOver && painter.opacity() == 1.0 &&
           width >= 1 && height >= 1 && width <= LARGEST && height <= LARGEST && currentPen.width <= LARGEST / 8 &&
           movesByWholePixels();
}

// The cache's circles and texts are the painter's own only where units map to device pixels
// one to one: under a scale the painter shapes and rasterises for the scaled size.
bool QtDrawingSurface::movesByWholePixels() const
{
    const QTransform mapping = painter.deviceTransform();
    return mapping.type() <= QTransform::TxTranslate && mapping.dx() == std::round(mapping.dx()) &&
           mapping.dy() == std::round(mapping.dy());
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

// Painted one by one, a dot grid's quarter of a million points would each cost a call to the
// painter; they are collected and drawn together.
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

// A lattice's rows lie along the image's lines, so on a plain image each row goes straight into
// one line of memory; elsewhere its points are painted row by row.
void QtDrawingSurface::setPixelLattice(Point origin, int step, int columns, int rows, Colour colour)
{
    writePendingPixels();
    QImage* image = directImage();
    if (!image) {
        for (int j = 0; j < rows; ++j) {
            for (int i = 0; i < columns; ++i) {
                setPixel({origin.x + i * step, origin.y + j * step}, colour);
            }
        }
        return;
    }
    const QRgb rgb = toQRgb(colour);
    for (int j = 0; j < rows; ++j) {
        const int y = origin.y + j * step;
        if (y < 0 || y >= image->height()) {
            continue;
        }
        auto* line = reinterpret_cast<QRgb*>(image->scanLine(y));
        for (int i = 0; i < columns; ++i) {
            const int x = origin.x + i * step;
            if (x >= 0 && x < image->width()) {
                line[x] = rgb;
            }
        }
    }
}

void QtDrawingSurface::writePendingPixels()
{
    if (pendingPixels.empty()) {
        return;
    }
    if (pixelImage) {
        writeInCallOrder();
    } else {
        paintAsPoints();
    }
    pendingPixels.clear();
}

// In call order, so that the last of several pixels at one point wins.
void QtDrawingSurface::writeInCallOrder()
{
    const int width = pixelImage->width();
    const int height = pixelImage->height();
    uchar* bits = pixelImage->bits();
    const qsizetype stride = pixelImage->bytesPerLine();
    for (const PendingPixel& pixel : pendingPixels) {
        if (pixel.x >= 0 && pixel.x < width && pixel.y >= 0 && pixel.y < height) {
            reinterpret_cast<QRgb*>(bits + pixel.y * stride)[pixel.x] = pixel.rgb;
        }
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
    applyTextPen();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const bool shaped = cache && movesByWholePixels();
    if (currentFont.escapement == 0) {
        drawOpaqueText(QPoint(p.x, p.y + fontAscent), text, shaped);
    } else {
        const QTransform transform = painter.transform();
        painter.translate(p.x, p.y);
        painter.rotate(-currentFont.escapement / 10.0);
        drawOpaqueText(QPoint(0, fontAscent), text, shaped);
        painter.setTransform(transform);
    }
    painter.setCompositionMode(strokeComposition);
}

// Text is drawn on its own white box. A shaped text fills the box the painter's opaque
// background mode would fill and draws the same glyphs; opaque mode is never left on, since it
// slows every other kind of drawing down.
void QtDrawingSurface::drawOpaqueText(QPoint baseline, const std::string& text, bool fromCache)
{
    if (const ShapedText* shaped = fromCache ? cache->texts.shaped(painter.font(), painter.device(), text) : nullptr) {
        painter.fillRect(shaped->background.translated(baseline), painter.background());
        painter.drawGlyphRun(baseline, shaped->glyphs);
        return;
    }
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.drawText(baseline, toQString(text));
    painter.setBackgroundMode(Qt::TransparentMode);
}

Size QtDrawingSurface::textExtent(const std::string& text)
{
    writePendingPixels();
    applyFont();
    const QFontMetrics metrics(painter.font());
    return Size{metrics.horizontalAdvance(toQString(text)), metrics.height()};
}

}  // namespace kirvolt
