#include "app/kirvolt_frame.h"

#include <QCloseEvent>
#include <QShortcut>
#include <QSplitter>
#include <algorithm>
#include <utility>

#include "app/open_circuit.h"
#include "app/property_view.h"
#include "view/circuit_view.h"

namespace kirvolt {
namespace {

constexpr int SPLITTER_HANDLE_WIDTH = 6;
constexpr int RESULTS_MAX_PERCENT = 40;

}  // namespace

CKirvoltFrame::CKirvoltFrame(std::shared_ptr<OpenCircuit> circuit, QWidget* parent)
    : QMdiSubWindow(parent),
      openCircuit(std::move(circuit)),
      split(new QSplitter(Qt::Horizontal, this)),
      view(new CKirvoltView(openCircuit->doc(), openCircuit->history(), split)),
      results(new CPropertyView(openCircuit->doc(), split))
{
    setAttribute(Qt::WA_DeleteOnClose);
    split->setChildrenCollapsible(false);
    results->setMinimumWidth(1);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    split->setHandleWidth(SPLITTER_HANDLE_WIDTH);
    split->setStyleSheet(QStringLiteral("QSplitter::handle { background: palette(mid); }"));
    split->installEventFilter(this);
    connect(split, &QSplitter::splitterMoved, this, [this] { splitSetByUser = true; });
    // Focus starts on the results pane, so Escape belongs to the whole window, not the view.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, view, &CKirvoltView::escape);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    auto* flip = new QShortcut(QKeySequence(Qt::Key_Space), this, view, &CKirvoltView::flipCorner);
    flip->setContext(Qt::WidgetWithChildrenShortcut);
    // The wheel's value steps by the keyboard, for desktops that take Alt and the wheel.
    for (const auto& [key, steps] : {std::pair{Qt::Key_Up, 1}, std::pair{Qt::Key_Down, -1}}) {
        auto* step = new QShortcut(QKeySequence(Qt::ALT | key), this);
        step->setContext(Qt::WidgetWithChildrenShortcut);
        connect(step, &QShortcut::activated, view, [this, steps] { view->stepValue(steps); });
    }
    setWidget(split);
    results->setFocus();
    openCircuit->addFrame(this);
}

CKirvoltFrame::~CKirvoltFrame()
{
    openCircuit->removeFrame(this);
}

void CKirvoltFrame::updateViews()
{
    view->documentChanged();
    results->updateExtent();
    results->viewport()->update();
}

void CKirvoltFrame::revealResults()
{
    if (resultsRevealed || splitSetByUser || !openCircuit->doc().resultsAreCurrent()) {
        return;
    }
    resultsRevealed = true;
    fitResults();
}

void CKirvoltFrame::fitResults()
{
    const int total = split->width() - split->handleWidth();
    const int wanted = std::min(results->textWidth(), split->width() * RESULTS_MAX_PERCENT / 100);
    if (results->width() != wanted) {
        split->setSizes({total - wanted, wanted});
    }
}

void CKirvoltFrame::switchPane()
{
    if (view->hasFocus()) {
        results->setFocus(Qt::OtherFocusReason);
    } else {
        view->setFocus(Qt::OtherFocusReason);
    }
}

// Closing the last frame of a circuit closes the circuit, so that frame asks about unsaved
// changes first.
void CKirvoltFrame::closeEvent(QCloseEvent* event)
{
    view->cancelPendingMove();
    const bool last = openCircuit->frames().size() == 1;
    if (last && !openCircuit->isClosing() && !openCircuit->saveModified()) {
        event->ignore();
        return;
    }
    openCircuit->removeFrame(this);
    QMdiSubWindow::closeEvent(event);
    emit closed();
}

// The split is placed once the splitter first has its real width: 99/100 for the schematic.
// Once the results are revealed the pane keeps its share as the window grows and shrinks,
// until the user drags the split.
bool CKirvoltFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == split && event->type() == QEvent::Resize && !splitPlaced && split->width() > 0) {
        const int width = split->width();
        split->setSizes({width * 99 / 100, width / 100});
        splitPlaced = true;
    } else if (watched == split && event->type() == QEvent::Resize && resultsRevealed && !splitSetByUser) {
        fitResults();
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

}  // namespace kirvolt
