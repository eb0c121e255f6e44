// The live results: Analyse as I Draw and the numbers on the drawing, for every circuit window.

#include <QAction>
#include <QStatusBar>

#include "app/kirvolt_frame.h"
#include "app/live_analysis.h"
#include "app/main_frame.h"
#include "app/open_circuit.h"
#include "view/circuit_view.h"

namespace kirvolt {

void CMainFrame::createLiveActions()
{
    liveResults = loadLiveResultsSettings();
    const auto checkable = [this](const QString& text, const QString& tip, bool checked) {
        auto* action = new QAction(text, this);
        action->setStatusTip(tip);
        action->setCheckable(true);
        action->setChecked(checked);
        connect(action, &QAction::toggled, this, &CMainFrame::chooseLiveResults);
        return action;
    };
    analyseAsIDraw = checkable(tr("Analyse as I Draw"),
                               tr("Analyse the circuit after every change, with the method last chosen"),
                               liveResults.analyseAsIDraw);
    voltagesOnDrawing = checkable(tr("Voltages on the Drawing"),
                                  tr("Tint every wire and joint by its node voltage"), liveResults.shown.voltages);
    currentsOnDrawing = checkable(tr("Currents on the Drawing"),
                                  tr("Show each element's current as an arrow the way it flows"),
                                  liveResults.shown.currents);
}

void CMainFrame::chooseLiveResults()
{
    liveResults.analyseAsIDraw = analyseAsIDraw->isChecked();
    liveResults.shown.voltages = voltagesOnDrawing->isChecked();
    liveResults.shown.currents = currentsOnDrawing->isChecked();
    saveLiveResultsSettings(liveResults);
    for (OpenCircuit* circuit : circuits()) {
        applyLiveResults(*circuit);
    }
    // Turned on, the mode answers the circuit as it is drawn now.
    if (CKirvoltFrame* frame = activeFrame(); frame != nullptr && liveResults.analyseAsIDraw) {
        frame->circuit().liveAnalysis().circuitChanged();
    }
}

void CMainFrame::applyLiveResults(OpenCircuit& circuit)
{
    LiveAnalysis& live = circuit.liveAnalysis();
    live.setEnabled(liveResults.analyseAsIDraw);
    for (CKirvoltFrame* shown : circuit.frames()) {
        shown->circuitView()->showNumbers(&live.numbers(), liveResults.shown);
    }
    connect(&live, &LiveAnalysis::refused, this, &CMainFrame::showLiveRefusal, Qt::UniqueConnection);
    connect(&live, &LiveAnalysis::solved, this, &CMainFrame::showLiveResults, Qt::UniqueConnection);
}

bool CMainFrame::isActiveLiveAnalysis(const QObject* live) const
{
    const CKirvoltFrame* frame = activeFrame();
    return frame != nullptr && &frame->circuit().liveAnalysis() == live;
}

void CMainFrame::showLiveRefusal(const QString& reason)
{
    if (isActiveLiveAnalysis(sender())) {
        statusBar()->showMessage(reason);
    }
}

// The results pane opens as after the analysis command, the first time in each window.
void CMainFrame::showLiveResults()
{
    for (OpenCircuit* circuit : circuits()) {
        if (&circuit->liveAnalysis() == sender()) {
            for (CKirvoltFrame* shown : circuit->frames()) {
                shown->revealResults();
            }
        }
    }
    if (isActiveLiveAnalysis(sender())) {
        statusBar()->clearMessage();
    }
}

}  // namespace kirvolt
