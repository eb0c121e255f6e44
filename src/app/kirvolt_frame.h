#pragma once

#include <QMdiSubWindow>

#include <memory>

#include "editing/command_ids.h"

class QSplitter;

namespace kirvolt {

class CKirvoltView;
class CPropertyView;
class OpenCircuit;

// The child window of one circuit: the schematic on the left, the results pane in a narrow
// strip on the right (99 : 1 of the width at first), split by a bar the user can see and drag.
class CKirvoltFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit CKirvoltFrame(std::shared_ptr<OpenCircuit> circuit, QWidget* parent = nullptr);
    ~CKirvoltFrame() override;

    OpenCircuit& circuit() const { return *openCircuit; }
    std::shared_ptr<OpenCircuit> sharedCircuit() const { return openCircuit; }
    CKirvoltView* circuitView() const { return view; }
    CPropertyView* propertyView() const { return results; }
    QSplitter* splitter() const { return split; }

    void updateViews();
    // After a successful analysis: opens the results pane to its lines' width, up to 40% of the
    // window, the first time in this window and only while the user has not set the split; the
    // pane then keeps to that rule at every size of the window.
    void revealResults();
    // Moves the focus to the other pane (F6, Shift+F6).
    void switchPane();

signals:
    // The frame has accepted its close and left the window area.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitResults();

    std::shared_ptr<OpenCircuit> openCircuit;
    QSplitter* split;
    CKirvoltView* view;
    CPropertyView* results;
    bool splitPlaced = false;
    bool splitSetByUser = false;
    bool resultsRevealed = false;
};

}  // namespace kirvolt
