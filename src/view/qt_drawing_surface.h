#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <optional>
#include <utility>
#include <vector>

#include "drawing/drawing_surface.h"
#include "view/outline_stamps.h"
#include "view/shaped_text_cache.h"

namespace kirvolt {

// What surfaces on images and widgets keep from one paint for the next.
struct SurfaceCache {
    ShapedTextCache texts;
    OutlineStamps circles;
};

// The drawing surface on a QPainter: screen, printer, print preview and images. Logical units
// are the painter's units. Construct it on an active painter for one paint and let it go
// before the painter ends; it switches antialiasing off and selects a 1-unit black pen, a white
// brush for ellipses and copy mode. Its default font (Font{}, empty face) is the font the
// painter had at construction. Text is black on white unless given another colour and, like single pixels, is copied
// whatever the raster mode: only pens and the ellipse interior combine with the surface.
//
// Consecutive setPixel calls are collected and drawn together, at the latest when the next
// surface call comes or the surface goes: on a plain image straight into its memory, elsewhere
// as points of a one-pixel pen; a pixel lattice is drawn the same way, row by row. The
// painter's transform and clipping are read at the first pixel of such a run; draw nothing
// with the painter itself in the middle of one.
//
// On images and widgets texts are shaped and circles stamped through a cache; give the surface
// one that outlives it (the view keeps one) and a paint shapes only the texts and draws only
// the circles no earlier paint has shown.
class QtDrawingSurface final : public DrawingSurface {
public:
    explicit QtDrawingSurface(QPainter& painter, SurfaceCache* cache = nullptr);
    ~QtDrawingSurface() override;
    QtDrawingSurface(const QtDrawingSurface&) = delete;
    QtDrawingSurface& operator=(const QtDrawingSurface&) = delete;

    Pen selectPen(const Pen& pen) override;
    Font selectFont(const Font& font) override;
    Colour setTextColour(Colour colour) override;
    int setRasterMode(int mode) override;
    void moveTo(Point p) override;
    void lineTo(Point p) override;
    void ellipse(Rect box) override;
    void arc(Rect box) override;
    void setPixel(Point p, Colour colour) override;
    void setPixelLattice(Point origin, int step, int columns, int rows, Colour colour) override;
    void textOut(Point p, const std::string& text) override;
    Size textExtent(const std::string& text) override;

private:
    struct PendingPixel {
        int x;
        int y;
        QRgb rgb;
    };

    const QPen& qtPen(const Pen& pen);
    const QFont& qtFont(const Font& font);
    void applyPen();
    void applyTextPen();
    void applyFont();
    void drawOpaqueText(QPoint baseline, const std::string& text, bool fromCache);
    void drawCircle(Rect box, bool filled);
    bool canStamp(Rect box) const;
    bool movesByWholePixels() const;
    QImage* directImage() const;
    void writePendingPixels();
    void writeInCallOrder();
    void paintAsPoints();

    QPainter& painter;
    QFont defaultFont;
    Pen currentPen;
    Font currentFont;
    int rasterMode;
    QPainter::CompositionMode strokeComposition = QPainter::CompositionMode_SourceOver;
    Point cursor;
    QPen textPen;
    Colour textColour = COLOUR_BLACK;
    // Pens and fonts reach the painter only when something is drawn with them, so that the
    // select-and-restore pairs of the symbols cost nothing; each is made once per paint.
    std::optional<Pen> appliedPen;  // none while the painter holds another pen
    bool textPenApplied = false;
    Font appliedFont;
    std::vector<std::pair<Pen, QPen>> pens;
    std::vector<std::pair<Font, QFont>> fonts;
    int fontAscent;
    std::vector<PendingPixel> pendingPixels;
    QImage* pixelImage = nullptr;
    SurfaceCache ownCache;
    // None where the painter's engine is not the raster engine, whose drawing the cache matches.
    SurfaceCache* cache;
};

}  // namespace kirvolt
