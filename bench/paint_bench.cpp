#include <benchmark/benchmark.h>

#include <memory>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "document/circuit_document.h"
#include "document/component.h"
#include "drawing/circuit_painter.h"
#include "view/qt_drawing_surface.h"

namespace {

using namespace kirvolt;

constexpr int GRID = 10;
constexpr int AREA = DRAWING_AREA;

// 1,000 placed elements spread over the whole area in every orientation: per cell of a
// 20 × 10 layout a resistor, a voltage source, a current source, a wire and a joint.
void fillCircuit(CKirvoltDoc& doc)
{
    doc.gridSize = GRID;
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 20; ++column) {
            const int x = (column * 25 + 5) * GRID;
            const int y = (row * 50 + 5) * GRID;
            const int orientation = (row + column) % 4;
            auto place = [&doc](std::unique_ptr<CComponent> element, double value) {
                element->value = value;
                doc.AddComponent(std::move(element));
            };
            place(std::make_unique<CResistor>(doc.resistorCount++, Point{x, y}, orientation, COLOUR_COMPONENT,
                                              DISPLAY_PLACED, GRID, STYLE_EUROPEAN),
                  47);
            place(std::make_unique<CVoltageSource>(doc.voltageSourceCount++, Point{x + 8 * GRID, y}, orientation,
                                                   COLOUR_COMPONENT, DISPLAY_PLACED, GRID, STYLE_EUROPEAN),
                  12);
            place(std::make_unique<CCurrentSource>(doc.currentSourceCount++, Point{x + 16 * GRID, y + 10 * GRID},
                                                   orientation, COLOUR_COMPONENT, DISPLAY_PLACED, GRID, STYLE_EUROPEAN),
                  0.5);
            place(std::make_unique<CWire>(doc.wireCount++, Point{x, y + 20 * GRID}, Point{x + 20 * GRID, y + 30 * GRID},
                                          COLOUR_WIRE, KIND_WIRE_TURN_HV, GRID, STYLE_EUROPEAN),
                  0);
            place(std::make_unique<CNode>(Point{x, y + 20 * GRID}, row * 20 + column + 1, DISPLAY_PLACED, GRID, STYLE_EUROPEAN), 0);
        }
    }
}

// Paints the document into a 5000 × 5000 image, as a full repaint of the view at 50 % does;
// erasing the background is the view's work and is not measured.
void paintRepeatedly(benchmark::State& state, CKirvoltDoc& doc, bool clipped = false)
{
    QImage image(AREA, AREA, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        if (clipped) {
            painter.setClipRect(image.rect());
        }
        QtDrawingSurface surface(painter);
        PaintView(doc, surface, documentPaintOptions(doc));
    }
}

void BM_PaintWholeAreaAtHalfZoom(benchmark::State& state)
{
    CKirvoltDoc doc;
    fillCircuit(doc);
    paintRepeatedly(state, doc);
}
BENCHMARK(BM_PaintWholeAreaAtHalfZoom)->Unit(benchmark::kMillisecond);

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
    fillCircuit(doc);
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
