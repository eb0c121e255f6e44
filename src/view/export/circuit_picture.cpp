#include "view/export/circuit_picture.h"

#include <algorithm>

#include <QBuffer>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

#include "drawing/circuit_painter.h"
#include "view/qt_drawing_surface.h"

namespace kirvolt {
namespace {

// A PDF page is laid out at the screen's 96 units per inch, so that one logical unit is one
// pixel of the screen picture.
constexpr int PDF_UNITS_PER_INCH = 96;

// The view's text on screen is the application font, one logical unit per pixel.
QFont screenFontInLogicalUnits()
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(QFontInfo(font).pixelSize());
    return font;
}

// The panel's lines are measured in the font they will be painted in.
std::optional<Rect> measuredArea(const CKirvoltDoc& doc, const PictureOptions& options)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    painter.setFont(screenFontInLogicalUnits());
    QtDrawingSurface surface(painter);
    return pictureArea(doc, options, surface);
}

void paintPicture(const CKirvoltDoc& doc, const PictureOptions& options, const Rect& area, QPainter& painter)
{
    painter.setFont(screenFontInLogicalUnits());
    painter.translate(-area.left, -area.top);
    QtDrawingSurface surface(painter);
    PaintView(doc, surface, picturePaintOptions(doc, options, area));
}

}  // namespace

QImage circuitImage(const CKirvoltDoc& doc, const PictureOptions& options)
{
    const std::optional<Rect> area = measuredArea(doc, options);
    if (!area) {
        return {};
    }
    const int scale = std::clamp(options.scale, PICTURE_SCALE_MIN, PICTURE_SCALE_MAX);
    QImage image((area->right - area->left) * scale, (area->bottom - area->top) * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintPicture(doc, options, *area, painter);
    return image;
}

QByteArray circuitPng(const CKirvoltDoc& doc, const PictureOptions& options)
{
    const QImage image = circuitImage(doc, options);
    QByteArray bytes;
    if (!image.isNull()) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    return bytes;
}

QByteArray circuitPdf(const CKirvoltDoc& doc, const PictureOptions& options)
{
    const std::optional<Rect> area = measuredArea(doc, options);
    QByteArray bytes;
    if (!area) {
        return bytes;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator("Kirvolt");
        pdf.setResolution(PDF_UNITS_PER_INCH);
        const double inch = 72.0 / PDF_UNITS_PER_INCH;
        pdf.setPageSize(QPageSize(QSizeF((area->right - area->left) * inch, (area->bottom - area->top) * inch), QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        paintPicture(doc, options, *area, painter);
    }
    return bytes;
}

}  // namespace kirvolt
