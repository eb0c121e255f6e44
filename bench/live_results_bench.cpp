#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <memory>

#include "app/kirvolt_app.h"
#include "app/kirvolt_frame.h"
#include "app/live_analysis.h"
#include "app/main_frame.h"
#include "app/open_circuit.h"
#include "app/property_view.h"
#include "support/generated_circuits.h"
#include "view/circuit_view.h"

namespace {

using namespace kirvolt;

// The application with its first circuit drawn as an n x n grid, Analyse as I Draw on and both
// kinds of numbers on the drawing, in a window of a laptop's size.
struct LiveWindow {
    explicit LiveWindow(int n)
    {
        app = std::make_unique<CKirvoltApp>();
        app->InitInstance({QStringLiteral("kirvolt")});
        CMainFrame& frame = app->mainFrame();
        frame.resize(1280, 800);
        frame.show();
        circuit = &frame.activeFrame()->circuit();
        testing::drawGrid(circuit->doc(), n);
        circuit->restartHistory();
        frame.analyseAsIDrawAction()->setChecked(true);
        frame.voltagesOnDrawingAction()->setChecked(true);
        frame.currentsOnDrawingAction()->setChecked(true);
        circuit->liveAnalysis().analyseNow();
        QApplication::processEvents();
        view = frame.activeFrame()->circuitView();
        pane = frame.activeFrame()->propertyView();
        for (const auto& c : circuit->doc().components) {
            if (c->kindCode == KIND_RESISTOR) {
                resistor = QPoint(c->position.x, c->position.y) - view->scrollOffset();
                break;
            }
        }
    }

    void turnWheel(int notches) const
    {
        QWheelEvent wheel(resistor, view->viewport()->mapToGlobal(resistor), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, Qt::AltModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &wheel);
    }

    std::unique_ptr<CKirvoltApp> app;
    OpenCircuit* circuit = nullptr;
    CKirvoltView* view = nullptr;
    CPropertyView* pane = nullptr;
    QPoint resistor;
};

// One Alt-wheel notch over a resistor, from the event to the repainted window: the edit and its
// step in the history, the analysis with the pane's lines and the drawing's numbers, then the
// schematic and the results pane painted. The notches go up and down in turn.
void editWithTheModeOn(benchmark::State& state)
{
    LiveWindow window(static_cast<int>(state.range(0)));
    QElapsedTimer clock;
    double edit = 0;
    double analysis = 0;
    double drawing = 0;
    double pane = 0;
    int notch = 1;
    for (auto _ : state) {
        clock.start();
        window.turnWheel(notch);
        notch = -notch;
        const double afterEdit = clock.nsecsElapsed() / 1e6;
        window.circuit->liveAnalysis().analyseNow();
        const double afterAnalysis = clock.nsecsElapsed() / 1e6;
        window.view->viewport()->repaint();
        const double afterDrawing = clock.nsecsElapsed() / 1e6;
        window.pane->viewport()->repaint();
        const double afterPane = clock.nsecsElapsed() / 1e6;
        edit += afterEdit;
        analysis += afterAnalysis - afterEdit;
        drawing += afterDrawing - afterAnalysis;
        pane += afterPane - afterDrawing;
    }
    if (!window.circuit->doc().resultsAreCurrent()) {
        state.SkipWithError("the circuit was refused");
    }
    using benchmark::Counter;
    state.counters["edit_ms"] = Counter(edit, Counter::kAvgIterations);
    state.counters["analysis_ms"] = Counter(analysis, Counter::kAvgIterations);
    state.counters["drawing_ms"] = Counter(drawing, Counter::kAvgIterations);
    state.counters["pane_ms"] = Counter(pane, Counter::kAvgIterations);
    state.counters["elements"] = static_cast<double>(window.circuit->doc().components.size());
}
BENCHMARK(editWithTheModeOn)->Arg(23)->Arg(80)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

// The application's settings and recovery files go to a folder of the run's own.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath(QStringLiteral("data")).toUtf8());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
