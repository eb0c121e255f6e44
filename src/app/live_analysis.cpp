#include "app/live_analysis.h"

#include <QApplication>
#include <QTimer>

#include <utility>

#include "analysis/drawn_numbers_reading.h"
#include "analysis/known_methods.h"
#include "app/open_circuit.h"
#include "equations/method_equations.h"

namespace kirvolt {
namespace {

// While a dialog is up the editor may hold on to the circuit it was opened for; the analysis
// waits until the dialog has gone.
constexpr int DIALOG_WAIT_MS = 50;

}  // namespace

LiveAnalysis::LiveAnalysis(OpenCircuit& circuit) : QObject(&circuit), circuit(circuit) {}

void LiveAnalysis::setEnabled(bool on)
{
    enabled = on;
    if (!on) {
        waiting = false;
    }
}

void LiveAnalysis::circuitChanged()
{
    if (!enabled || waiting) {
        return;
    }
    waiting = true;
    QTimer::singleShot(0, this, &LiveAnalysis::analyseNow);
}

void LiveAnalysis::analyseNow()
{
    if (!waiting) {
        return;
    }
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(DIALOG_WAIT_MS, this, &LiveAnalysis::analyseNow);
        return;
    }
    waiting = false;
    // An element picked up for moving is out of the list; its placing is an edit of its own.
    if (enabled && !circuit.editInProgress() && !circuit.isClosing()) {
        analyse();
    }
}

void LiveAnalysis::analyse()
{
    CKirvoltDoc& doc = circuit.doc();
    const bool modified = doc.IsModified();
    // Taken out rather than copied: a large circuit's pane has thousands of lines, and the
    // analysis writes new ones or forgets them.
    std::vector<ResultsLine> keptLines = std::exchange(doc.analysisResults, {});
    std::vector<MeterReading> keptReadings = std::exchange(doc.meterReadings, {});
    const AnalysisOutcome outcome = analyseCircuit(doc, methodOf(doc));
    // Not showOutcome: the student goes on drawing in the mode chosen.
    if (outcome && doc.showEquations == 1) {
        writePanelEquations(doc);
    }
    doc.SetModifiedFlag(modified);
    if (!outcome) {
        // The last results stay, older than the drawing now, and so greyed.
        doc.analysisResults = std::move(keptLines);
        doc.meterReadings = std::move(keptReadings);
    }
    doc.UpdateAllViews();
    if (outcome) {
        emit solved();
    } else {
        emit refused(QString::fromStdString(outcome.refusal->message));
    }
}

void LiveAnalysis::followResults()
{
    const CKirvoltDoc& doc = circuit.doc();
    if (doc.analysisResults.empty()) {
        lastNumbers = {};
    } else if (doc.resultsAreCurrent() && !lastNumbers.describe(doc)) {
        lastNumbers = readDrawnNumbers(doc);
    }
}

}  // namespace kirvolt
