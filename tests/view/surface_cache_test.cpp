#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "drawing/symbol_labels.h"
#include "drawing/symbol_parts.h"
#include "view/qt_drawing_surface.h"

// What the surface draws from its cache of stamped circles and shaped texts must be, pixel for
// pixel, what the painter draws when asked directly.
namespace kirvolt {
namespace {

constexpr int ZOOM_LEVELS[] = {10, 15, 20, 30, 40, 50, 60, 70, 80, 90, 100};

// Every pixel differs from its neighbours, so a pixel painted or left alone by mistake shows.
QImage patternedImage()
{
    QImage image(240, 160, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 13) % 256, (x + y) % 256));
        }
    }
    return image;
}

int differingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y);
        }
    }
    return count;
}

QColor qtColour(Colour colour)
{
    return QColor(static_cast<int>(redOf(colour)), static_cast<int>(greenOf(colour)), static_cast<int>(blueOf(colour)));
}

struct Mapping {
    const char* name;
    std::function<void(QPainter&)> apply;
};

const Mapping MAPPINGS[] = {
    {"none", [](QPainter&) {}},
    {"scrolled", [](QPainter& painter) { painter.translate(-23, 41); }},
    {"half a pixel", [](QPainter& painter) { painter.translate(0.5, 0); }},
    {"scaled", [](QPainter& painter) { painter.scale(1.5, 1.5); }},
};

struct Circle {
    std::string what;
    int width;
    int height;
    int penWidth;
    bool filled;
};

// The circles a circuit draws at every zoom: terminal dots, source bodies, node-number rings;
// and a few no symbol draws.
std::vector<Circle> circles()
{
    std::vector<Circle> all{{"one pixel", 1, 1, 1, true}, {"flat", 7, 3, 5, true}, {"wide pen", 30, 30, 9, false}};
    for (const int c : ZOOM_LEVELS) {
        const std::string at = " at " + std::to_string(c);
        all.push_back({"terminal dot" + at, 2 * (c / 10), 2 * (c / 10), terminalDotPenWidth(c), true});
        all.push_back({"source body" + at, 2 * (2 * c / 3), 2 * (2 * c / 3), 2, false});
        all.push_back({"node ring" + at, 2 * c / 3 + c / 3, 3 * c / 4 + c / 6, 1, false});
    }
    return all;
}

TEST(SurfaceCache, StampedCirclesAreThePaintersEllipses)
{
    const Point places[] = {{40, 30}, {41, 97}, {-5, 20}, {235, 150}};
    SurfaceCache cache;
    for (const Mapping& mapping : MAPPINGS) {
        for (const Circle& circle : circles()) {
            for (const Colour colour : {COLOUR_BLACK, COLOUR_HIGHLIGHT, COLOUR_SELECTION}) {
                QImage drawn = patternedImage();
                QImage expected = drawn.copy();
                {
                    QPainter painter(&drawn);
                    mapping.apply(painter);
                    QtDrawingSurface surface(painter, &cache);
                    surface.selectPen(Pen{circle.penWidth, colour});
                    for (const Point at : places) {
                        const Rect box{at.x, at.y, at.x + circle.width, at.y + circle.height};
                        circle.filled ? surface.ellipse(box) : surface.arc(box);
                    }
                }
                {
                    QPainter painter(&expected);
                    mapping.apply(painter);
                    painter.setPen(QPen(qtColour(colour), circle.penWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
                    painter.setBrush(circle.filled ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
                    for (const Point at : places) {
                        painter.drawEllipse(QRect(at.x, at.y, circle.width, circle.height));
                    }
                }
                EXPECT_EQ(differingPixels(drawn, expected), 0) << circle.what << ", colour " << colour << ", mapping " << mapping.name;
            }
        }
    }
}

QFont qtFont(const Font& font)
{
    QFont qfont(QString::fromStdString(font.face));
    qfont.setStyleHint(QFont::SansSerif);
    qfont.setPixelSize(font.height);
    qfont.setWeight(static_cast<QFont::Weight>(font.weight));
    return qfont;
}

// The painter's own opaque text with its box's top-left corner at the point, turned upwards
// for an escapement.
void paintersText(QPainter& painter, const Font& font, Colour colour, Point at, const QString& text)
{
    if (!font.face.empty()) {
        painter.setFont(qtFont(font));
    }
    painter.setPen(qtColour(colour));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    const int ascent = QFontMetrics(painter.font()).ascent();
    if (font.escapement == 0) {
        painter.drawText(QPoint(at.x, at.y + ascent), text);
    } else {
        painter.translate(at.x, at.y);
        painter.rotate(-font.escapement / 10.0);
        painter.drawText(QPoint(0, ascent), text);
    }
}

// Labels and panel lines as a circuit shows them, texts with signs outside the label font, a
// combining accent, right-to-left and mixed directions, bytes that are no UTF-8, and texts
// the cache leaves to the painter: empty, with a tab, in a script the font lacks.
const char* const TEXTS[] = {
    "R1", "470 ohm", "0.5 A", "Node 12: (V1 - V2)/R3 + 0.25 = 0", "1.5 µA", "Ω", "e\xCC\x81", "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D",
    "R1 \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D 4", "\xFF\xFE R", "", "A\tB", "电阻 R1",
};

TEST(SurfaceCache, ShapedTextsAreThePaintersText)
{
    std::vector<Font> fonts{Font{}};
    for (const int c : ZOOM_LEVELS) {
        fonts.push_back(labelFont(c, false));
        fonts.push_back(labelFont(c, true));
    }
    SurfaceCache cache;
    for (const Mapping& mapping : MAPPINGS) {
        for (const Font& font : fonts) {
            for (const char* text : TEXTS) {
                const Colour colour = font.height % 2 ? COLOUR_HIGHLIGHT : COLOUR_BLACK;
                const Point at{30, 90};
                QImage drawn = patternedImage();
                QImage expected = drawn.copy();
                for (int paint = 0; paint < 2; ++paint) {  // shaped, then from the cache
                    QPainter painter(&drawn);
                    mapping.apply(painter);
                    QtDrawingSurface surface(painter, &cache);
                    surface.setTextColour(colour);
                    surface.selectFont(font);
                    surface.textOut(at, text);
                }
                for (int paint = 0; paint < 2; ++paint) {
                    QPainter painter(&expected);
                    mapping.apply(painter);
                    paintersText(painter, font, colour, at, QString::fromUtf8(text));
                }
                EXPECT_EQ(differingPixels(drawn, expected), 0) << "\"" << text << "\" in " << font.face << " " << font.height << "/"
                                           << font.weight << "/" << font.escapement << ", mapping " << mapping.name;
            }
        }
    }
}

// The pixel lattice of the dot grid: straight into memory, through the painter, under a
// scroll, and cut by the image's edges, always the same dots.
TEST(SurfaceCache, PixelLatticeFallsOnTheSameDotsOnEveryPath)
{
    struct Case {
        const char* what;
        Point origin;
        int step;
        int columns;
        int rows;
        std::function<void(QPainter&)> mapping;
    };
    const Case cases[] = {
        {"into memory", {0, 0}, 10, 24, 16, [](QPainter&) {}},
        {"clipped", {0, 0}, 10, 24, 16, [](QPainter& painter) { painter.setClipRect(0, 0, 240, 160); }},
        {"scrolled", {30, 15}, 15, 20, 20, [](QPainter& painter) { painter.translate(-30, -15); }},
        {"past the edges", {-20, -35}, 7, 60, 60, [](QPainter&) {}},
        {"past the edges, clipped", {-20, -35}, 7, 60, 60, [](QPainter& painter) { painter.setClipRect(0, 0, 240, 160); }},
    };
    for (const Case& lattice : cases) {
        QImage drawn = patternedImage();
        QImage expected = drawn.copy();
        {
            QPainter painter(&drawn);
            lattice.mapping(painter);
            QtDrawingSurface surface(painter);
            surface.setPixelLattice(lattice.origin, lattice.step, lattice.columns, lattice.rows, COLOUR_HIGHLIGHT);
        }
        QPoint shift;
        {
            QPainter painter(&expected);
            lattice.mapping(painter);
            shift = painter.transform().map(QPoint(0, 0));
        }
        for (int i = 0; i < lattice.columns; ++i) {
            for (int j = 0; j < lattice.rows; ++j) {
                const QPoint dot = QPoint(lattice.origin.x + i * lattice.step, lattice.origin.y + j * lattice.step) + shift;
                if (expected.rect().contains(dot)) {
                    expected.setPixel(dot, qRgb(255, 0, 0));
                }
            }
        }
        EXPECT_EQ(differingPixels(drawn, expected), 0) << lattice.what;
    }
}

}  // namespace
}  // namespace kirvolt
