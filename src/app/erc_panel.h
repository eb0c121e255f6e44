#pragma once

#include <QDockWidget>
#include <QPointer>

#include <vector>

#include "analysis/explanation.h"

class QListWidget;

namespace kirvolt {

class OpenCircuit;

// The Electrical Rule Check's findings for one circuit, docked in the main window: each fault
// a row in the analysis' words, or one row saying the circuit is clean. Choosing a row marks its
// parts in every window of the circuit. An edit of the circuit takes the findings away, since
// they no longer describe it.
class ErcPanel : public QDockWidget {
    Q_OBJECT

public:
    explicit ErcPanel(QWidget* parent);

    void check(OpenCircuit& circuit);
    QListWidget* rows() const { return list; }

private:
    void mark(int row);
    void forget();

    QListWidget* list;
    QPointer<OpenCircuit> checked;
    std::vector<Explanation> faults;
};

}  // namespace kirvolt
