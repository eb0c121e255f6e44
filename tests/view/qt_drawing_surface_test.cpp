#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include "document/circuit_document.h"
#include "document/component.h"
#include "drawing/circuit_painter.h"
#include "drawing/symbol_test_support.h"
#include "support/generated_circuits.h"
#include "view/qt_drawing_surface.h"

namespace kirvolt {
namespace {

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

template <typename Paint>
void paintOn(QImage& image, Paint paint)
{
    QPainter painter(&image);
    QtDrawingSurface surface(painter);
    paint(surface, painter);
}

bool hasColourNear(const QImage& image, int x, int y, QRgb colour)
{
    for (int dy = -1; dy <= 1; ++dy) {
        if (image.pixel(x, y + dy) == colour) {
            return true;
        }
    }
    return false;
}

struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

Box inkBox(const QImage& image)
{
    Box box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
            }
        }
    }
    return box;
}

TEST(QtDrawingSurface, ResistorLeadsInThePenColour)
{
    QImage image = whiteImage(400, 200);
    const CResistor resistor(1, {200, 100}, ORIENT_EAST, COLOUR_COMPONENT, DISPLAY_PLACED, 20, STYLE_EUROPEAN);
    paintOn(image, [&](DrawingSurface& surface, QPainter&) { testing::drawAsRecorded(resistor, surface, RASTER_COPY, 20); });

    const QRgb brown = qRgb(125, 50, 50);
    for (int x : {145, 150, 160, 170, 175, 225, 230, 240, 250, 255}) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(hasColourNear(image, x, 100, brown));
    }
    EXPECT_EQ(image.pixel(200, 100), qRgb(255, 255, 255));  // inside the white body
    EXPECT_EQ(image.pixel(160, 130), qRgb(255, 255, 255));
}

TEST(QtDrawingSurface, ExclusiveOrPreviewDrawnTwiceRestoresTheImage)
{
    CKirvoltDoc doc;
    doc.gridSize = 10;
    QImage image = whiteImage(300, 200);
    paintOn(image, [&](DrawingSurface& surface, QPainter&) { PaintView(doc, surface, documentPaintOptions(doc)); });
    const QImage before = image.copy();

    CResistor ghost(1, {150, 100}, ORIENT_EAST, COLOUR_COMPONENT, DISPLAY_GHOST, 10, STYLE_EUROPEAN);
    ghost.arrowDirection = ORIENT_EAST;
    const CNode joint({150, 100}, 1, DISPLAY_GHOST, 10, STYLE_EUROPEAN);
    auto drawPreview = [&](DrawingSurface& surface, QPainter&) {
        surface.setRasterMode(RASTER_XOR);
        testing::drawAsRecorded(ghost, surface, RASTER_XOR, 10);
        testing::drawAsRecorded(joint, surface, RASTER_XOR, 10);
    };
    paintOn(image, drawPreview);
    EXPECT_NE(image, before);
    paintOn(image, drawPreview);
    EXPECT_EQ(image, before);
}

TEST(QtDrawingSurface, DeviceWithoutRasterOperationsDrawsPreviewsInCopyMode)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    QPainter painter(&writer);
    QtDrawingSurface surface(painter);
    EXPECT_EQ(surface.setRasterMode(RASTER_XOR), RASTER_COPY);
    EXPECT_EQ(painter.compositionMode(), QPainter::CompositionMode_SourceOver);
    EXPECT_EQ(surface.setRasterMode(RASTER_COPY), RASTER_XOR);

    QImage image = whiteImage(10, 10);
    QPainter imagePainter(&image);
    QtDrawingSurface imageSurface(imagePainter);
    imageSurface.setRasterMode(RASTER_XOR);
    EXPECT_EQ(imagePainter.compositionMode(), QPainter::RasterOp_SourceXorDestination);
}

TEST(QtDrawingSurface, DirectPixelsMatchPaintedPixels)
{
    CKirvoltDoc doc;
    doc.gridSize = 15;
    QImage direct = whiteImage(500, 400);
    paintOn(direct, [&](DrawingSurface& surface, QPainter&) { PaintView(doc, surface, documentPaintOptions(doc)); });
    QImage painted = whiteImage(500, 400);
    paintOn(painted, [&](DrawingSurface& surface, QPainter& painter) {
        painter.setClipRect(painted.rect());
        PaintView(doc, surface, documentPaintOptions(doc));
    });
    EXPECT_EQ(direct.pixel(15, 30), qRgb(0, 0, 0));
    EXPECT_EQ(direct.pixel(16, 30), qRgb(255, 255, 255));
    EXPECT_EQ(direct, painted);
}

TEST(QtDrawingSurface, PixelIsOneDevicePixelUnderAScale)
{
    QImage image = whiteImage(40, 40);
    paintOn(image, [](DrawingSurface& surface, QPainter& painter) {
        painter.scale(2, 2);
        surface.setPixel({5, 5}, COLOUR_BLACK);
        surface.setPixel({6, 5}, COLOUR_HIGHLIGHT);
    });
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(11, 11), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(12, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(13, 10), qRgb(255, 255, 255));
}

TEST(QtDrawingSurface, LastPixelAtAPointWinsAcrossBatches)
{
    QImage image = whiteImage(200, 200);
    paintOn(image, [](DrawingSurface& surface, QPainter&) {
        surface.setPixel({3, 3}, rgb(255, 0, 0));
        surface.setPixel({3, 3}, rgb(0, 255, 0));
        surface.setPixel({5, 5}, rgb(255, 0, 0));
        for (int i = 0; i < 40000; ++i) {
            surface.setPixel({i % 200, (i / 200) % 200}, rgb(0, 0, 0));
        }
        surface.setPixel({5, 5}, rgb(0, 0, 255));
    });
    EXPECT_EQ(image.pixel(3, 3), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(199, 199), qRgb(0, 0, 0));
}

TEST(QtDrawingSurface, PixelsLandBeforeTheNextStroke)
{
    QImage image = whiteImage(40, 40);
    paintOn(image, [](DrawingSurface& surface, QPainter&) {
        surface.setPixel({10, 10}, COLOUR_BLACK);
        surface.setPixel({30, 30}, COLOUR_BLACK);
        surface.selectPen(Pen{1, COLOUR_HIGHLIGHT});
        surface.moveTo({0, 10});
        surface.lineTo({20, 10});
    });
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(30, 30), qRgb(0, 0, 0));
}

TEST(QtDrawingSurface, UprightTextHangsBelowItsPoint)
{
    QImage image = whiteImage(300, 300);
    paintOn(image, [](DrawingSurface& surface, QPainter&) {
        surface.selectFont(Font{"Arial", 20, 400, 0});
        surface.textOut({100, 150}, "R12");
    });
    const Box box = inkBox(image);
    EXPECT_GE(box.left, 100);
    EXPECT_GE(box.top, 150);
    EXPECT_LE(box.bottom, 150 + 20);
    EXPECT_GT(box.right - box.left, box.bottom - box.top);
}

TEST(QtDrawingSurface, TurnedTextReadsUpwardsToTheRightOfItsPoint)
{
    QImage image = whiteImage(300, 300);
    paintOn(image, [](DrawingSurface& surface, QPainter&) {
        surface.selectFont(Font{"Arial", 20, 100, 900});
        surface.textOut({100, 150}, "R12");
    });
    const Box box = inkBox(image);
    EXPECT_GE(box.left, 100);
    EXPECT_LE(box.right, 100 + 20);
    EXPECT_LE(box.bottom, 150);
    EXPECT_GT(box.bottom - box.top, box.right - box.left);
}

TEST(QtDrawingSurface, DefaultFontIsThePaintersOwn)
{
    QImage image = whiteImage(10, 10);
    QPainter painter(&image);
    QFont own("Liberation Serif");
    own.setPixelSize(31);
    painter.setFont(own);
    QtDrawingSurface surface(painter);
    EXPECT_EQ(surface.selectFont(Font{"Arial", 16, 400, 0}), Font{});
    const Size arial = surface.textExtent("1234");
    EXPECT_EQ(painter.font().pixelSize(), 16);
    EXPECT_GT(arial.width, 0);
    EXPECT_GE(arial.height, 16);
    EXPECT_EQ(surface.selectFont(Font{}), (Font{"Arial", 16, 400, 0}));
    const Size own31 = surface.textExtent("1234");
    EXPECT_GT(own31.height, arial.height);
    EXPECT_EQ(painter.font(), own);
}

// Painting only what meets a rectangle gives the very pixels a whole paint gives there, for
// every grid and with the equations panel shown, wherever the rectangle is cut.
TEST(QtDrawingSurface, APaintedRectangleMatchesTheWholePaint)
{
    for (const int grid : {GRID_DOTS, GRID_SQUARES}) {
        CKirvoltDoc doc;
        testing::drawSpreadCircuit(doc, 20);
        doc.gridStyle = grid;
        doc.showEquations = 1;
        doc.nodeCount = 3;
        doc.equationText.assign(4, {"", "l1", "l2", "l3", "l4", "l5", "l6"});
        QImage whole = whiteImage(DRAWING_AREA, DRAWING_AREA);
        paintOn(whole, [&](DrawingSurface& surface, QPainter&) { PaintView(doc, surface, documentPaintOptions(doc)); });
        for (const Rect area : {Rect{0, 0, 640, 480}, Rect{1703, 2011, 2917, 3405}, Rect{4500, 4700, 5000, 5000}}) {
            QImage part = whiteImage(area.right - area.left, area.bottom - area.top);
            PaintOptions options = documentPaintOptions(doc);
            options.area = area;
            paintOn(part, [&](DrawingSurface& surface, QPainter& painter) {
                painter.translate(-area.left, -area.top);
                PaintView(doc, surface, options);
            });
            EXPECT_EQ(part, whole.copy(area.left, area.top, part.width(), part.height()))
                << "grid " << grid << ", area at " << area.left << ", " << area.top;
        }
    }
}

}  // namespace
}  // namespace kirvolt
