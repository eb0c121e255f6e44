#pragma once

#include <QObject>
#include <QString>

#include "analysis/analysis_method.h"
#include "document/drawn_numbers.h"

namespace kirvolt {

class OpenCircuit;

// Analyse as I Draw for one circuit: while it is on, every edit, undo and redo is followed by
// an analysis with the method last chosen, so that the results pane and the numbers on the
// drawing always belong to the circuit as drawn. The analysis runs once the event that changed
// the circuit has been handled, and once for several changes in one event. It is no edit: the
// history folds what it writes into the step before, and the modified flag stays as it was. A
// circuit that cannot be solved yet keeps its last results, greyed as stale, and the reason is
// told quietly (refused), never in a message box.
class LiveAnalysis : public QObject {
    Q_OBJECT

public:
    explicit LiveAnalysis(OpenCircuit& circuit);

    void setEnabled(bool on);
    bool isEnabled() const { return enabled; }

    // The circuit has changed by an edit, an undo or a redo.
    void circuitChanged();
    // Runs the waiting analysis now, if one waits.
    void analyseNow();

    // The numbers of the last successful analysis, whichever command ran it: brought up to date
    // with the records whenever they hold the results of the drawing as it is, forgotten when
    // the circuit has no results left.
    const DrawnNumbers& numbers() const { return lastNumbers; }
    void followResults();

signals:
    void solved();
    void refused(const QString& reason);

private:
    void analyse();

    OpenCircuit& circuit;
    DrawnNumbers lastNumbers;
    bool enabled = false;
    bool waiting = false;
};

}  // namespace kirvolt
