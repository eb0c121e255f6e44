#include <benchmark/benchmark.h>

#include <memory>
#include <optional>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "document/circuit_document.h"
#include "document/component.h"
#include "drawing/circuit_painter.h"
#include "drawing/symbol_bounds.h"
#include "drawing/symbols.h"
#include "support/generated_circuits.h"
#include "view/qt_drawing_surface.h"

namespace {

using namespace kirvolt;

constexpr int GRID = 10;
constexpr int AREA = DRAWING_AREA;

enum class Cache { kept, fresh };

// Paints the document into a 5000 × 5000 image, as a full repaint of the view at 50 % does;
// erasing the background is the view's work and is not measured. Like the view, the paints
// share one cache of shaped texts and stamped circles, unless each is to be a first paint.
void paintRepeatedly(benchmark::State& state, CKirvoltDoc& doc, bool clipped = false, Cache kept = Cache::kept)
{
    QImage image(AREA, AREA, QImage::Format_RGB32);
    image.fill(Qt::white);
    std::optional<SurfaceCache> cache;
    for (auto _ : state) {
        if (kept == Cache::fresh || !cache) {
            cache.emplace();
        }
        QPainter painter(&image);
        if (clipped) {
            painter.setClipRect(image.rect());
        }
        QtDrawingSurface surface(painter, &*cache);
        PaintView(doc, surface, documentPaintOptions(doc));
    }
}

void BM_PaintWholeAreaAtHalfZoom(benchmark::State& state)
{
    CKirvoltDoc doc;
    testing::drawSpreadCircuit(doc, GRID);
    paintRepeatedly(state, doc);
}
BENCHMARK(BM_PaintWholeAreaAtHalfZoom)->Unit(benchmark::kMillisecond);

// The first paint after opening the circuit or changing the zoom, which shapes every label.
void BM_FirstPaintOfWholeAreaAtHalfZoom(benchmark::State& state)
{
    CKirvoltDoc doc;
    testing::drawSpreadCircuit(doc, GRID);
    paintRepeatedly(state, doc, false, Cache::fresh);
}
BENCHMARK(BM_FirstPaintOfWholeAreaAtHalfZoom)->Unit(benchmark::kMillisecond);

// What a window shows at 100%: a 1600 x 1000 viewport in the middle of the circuit, painted as
// the view paints an exposed rectangle, beside the whole area at the same zoom.
void paintAtFullZoom(benchmark::State& state, std::optional<Rect> area)
{
    CKirvoltDoc doc;
    testing::drawSpreadCircuit(doc, 20);
    QImage image(area ? 1600 : AREA, area ? 1000 : AREA, QImage::Format_RGB32);
    image.fill(Qt::white);
    PaintOptions options = documentPaintOptions(doc);
    options.area = area;
    SurfaceCache cache;
    for (auto _ : state) {
        QPainter painter(&image);
        if (area) {
            painter.translate(-area->left, -area->top);
        }
        QtDrawingSurface surface(painter, &cache);
        PaintView(doc, surface, options);
    }
}

void BM_PaintViewportAtFullZoom(benchmark::State& state)
{
    paintAtFullZoom(state, Rect{1700, 2000, 3300, 3000});
}
BENCHMARK(BM_PaintViewportAtFullZoom)->Unit(benchmark::kMillisecond);

void BM_PaintWholeAreaAtFullZoom(benchmark::State& state) { paintAtFullZoom(state, std::nullopt); }
BENCHMARK(BM_PaintWholeAreaAtFullZoom)->Unit(benchmark::kMillisecond);

// A pointer move in a placing mode at 100%: a resistor from the middle of the circuit floats one
// grid step on, and the view repaints the box holding where it was and where it is, then
// paints it over as the exclusive-or ghost.
void BM_PointerMoveRepaintAtFullZoom(benchmark::State& state)
{
    CKirvoltDoc doc;
    testing::drawSpreadCircuit(doc, 20);
    const CComponent* floating = nullptr;
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_RESISTOR && element->position.x >= 2500 && element->position.y >= 2500) {
            floating = element.get();
            break;
        }
    }
    const Rect was = symbolBounds(*floating, doc.gridSize);
    const Rect is{was.left + doc.gridSize, was.top, was.right + doc.gridSize, was.bottom};
    const Rect area{was.left, was.top, is.right, is.bottom};
    QImage viewport(1600, 1000, QImage::Format_RGB32);
    viewport.fill(Qt::white);
    PaintOptions options = documentPaintOptions(doc);
    options.area = area;
    const QPoint scroll(area.left - 800, area.top - 500);
    SurfaceCache cache;
    for (auto _ : state) {
        QPainter painter(&viewport);
        painter.fillRect(QRect(area.left - scroll.x(), area.top - scroll.y(), area.right - area.left,
                               area.bottom - area.top),
                         Qt::white);
        painter.translate(-scroll);
        QtDrawingSurface surface(painter, &cache);
        PaintView(doc, surface, options);
        Draw(*floating, surface, RASTER_XOR, recordLook(*floating, doc.gridSize, true));
    }
    state.counters["pixels"] = static_cast<double>(area.right - area.left) * (area.bottom - area.top);
}
BENCHMARK(BM_PointerMoveRepaintAtFullZoom)->Unit(benchmark::kMillisecond);

// The two halves of the work, to see which one a change helps.
void BM_DotGridOnly(benchmark::State& state)
{
    CKirvoltDoc doc;
    doc.gridSize = GRID;
    paintRepeatedly(state, doc);
}
BENCHMARK(BM_DotGridOnly)->Unit(benchmark::kMillisecond);

// With clipping the pixels go through the painter, as they do on a widget or a printer.
void BM_DotGridThroughPainter(benchmark::State& state)
{
    CKirvoltDoc doc;
    doc.gridSize = GRID;
    paintRepeatedly(state, doc, true);
}
BENCHMARK(BM_DotGridThroughPainter)->Unit(benchmark::kMillisecond);

void BM_ElementsOnly(benchmark::State& state)
{
    CKirvoltDoc doc;
    testing::drawSpreadCircuit(doc, GRID);
    doc.gridStyle = GRID_NONE;
    paintRepeatedly(state, doc);
}
BENCHMARK(BM_ElementsOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
