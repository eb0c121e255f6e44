#include "view/circuit_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <QPaintEvent>
#include <QPainter>

#include "analysis/drawn_numbers_reading.h"
#include "document/hit_test.h"
#include "drawing/circuit_painter.h"
#include "drawing/symbol_bounds.h"
#include "drawing/symbols.h"
#include "editing/grid_snap.h"
#include "view/editor_cursors.h"
#include "view/qt_drawing_surface.h"

namespace kirvolt {
namespace {

// The rubber band is two units wide; a unit more on each side keeps its ends whole.
constexpr int RUBBER_BAND_MARGIN = 2;

QRect toQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

}  // namespace

CKirvoltView::CKirvoltView(CKirvoltDoc& doc, ChangeHistory& history, QWidget* parent)
    : ScrollingView({DRAWING_AREA, DRAWING_AREA}, parent),
      doc(doc),
      dialogs(this),
      circuitEditor(doc, history, dialogs),
      wheelSteps(history)
{
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    // Every paint covers its rectangle in white first, so a scroll may move what is shown.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(editorCursor(EditorCursor::CursorDefault));
}

void CKirvoltView::cancelPendingMove()
{
    circuitEditor.cancelPendingMove();
}

void CKirvoltView::documentChanged()
{
    circuitEditor.discardPreview();
    viewport()->update();
}

void CKirvoltView::showNumbers(const DrawnNumbers* numbers, NumbersShown shown)
{
    shownNumbers = numbers;
    numbersShown = shown;
    viewport()->update();
}

void CKirvoltView::setHighlight(const Highlight* shown)
{
    shownHighlight = shown;
    viewport()->repaint();
}

void CKirvoltView::showMeshCurrents(std::vector<MeshCurrentMark> marks)
{
    meshMarks = std::move(marks);
    viewport()->update();
}

void CKirvoltView::showLoopCurrents(LoopPicture picture)
{
    loopPicture = std::move(picture);
    viewport()->update();
}

void CKirvoltView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), Qt::white);
    painter.translate(-scrollOffset());
    QtDrawingSurface surface(painter, &paintCache);
    const QRect exposed = event->rect().translated(scrollOffset());
    PaintOptions options = documentPaintOptions(doc);
    options.highlight = shownHighlight;
    options.selection = &circuitEditor.selection();
    options.meshCurrents = doc.resultsAreCurrent() ? &meshMarks : nullptr;
    options.loopCurrents = doc.resultsAreCurrent() ? &loopPicture : nullptr;
    options.area = Rect{exposed.left(), exposed.top(), exposed.right() + 1, exposed.bottom() + 1};
    options.numbers = shownNumbers;
    options.shown = numbersShown;
    PaintView(doc, surface, options);
    paintPreview(surface);
}

// Components float as exclusive-or ghosts; the dot of a wire released where it started is
// copied; the wire being drawn follows the pointer as a red line.
void CKirvoltView::paintPreview(DrawingSurface& surface) const
{
    if (const CComponent* preview = circuitEditor.preview()) {
        const bool wire = isWireKind(preview->kindCode);
        Draw(*preview, surface, wire ? RASTER_COPY : RASTER_XOR,
             recordLook(*preview, doc.gridSize, doc.display().showNodeNumbers == 1));
    }
    if (circuitEditor.wireInProgress()) {
        surface.setRasterMode(RASTER_COPY);
        const Pen previous = surface.selectPen({2, COLOUR_HIGHLIGHT});
        surface.moveTo(circuitEditor.anchorPoint());
        if (const auto corner = circuitEditor.wireCorner()) {
            surface.lineTo(*corner);
        }
        surface.lineTo(circuitEditor.endPoint());
        surface.selectPen(previous);
    }
    if (const auto band = circuitEditor.rubberBand()) {
        surface.setRasterMode(RASTER_COPY);
        const Pen previous = surface.selectPen({1, COLOUR_SELECTION});
        surface.moveTo({band->left, band->top});
        surface.lineTo({band->right, band->top});
        surface.lineTo({band->right, band->bottom});
        surface.lineTo({band->left, band->bottom});
        surface.lineTo({band->left, band->top});
        surface.selectPen(previous);
    }
}

std::optional<Point> CKirvoltView::pointerPoint() const
{
    const QPoint client = viewport()->mapFromGlobal(QCursor::pos());
    if (!viewport()->rect().contains(client)) {
        return std::nullopt;
    }
    const QPoint logical = toLogical(client);
    return Point{logical.x(), logical.y()};
}

QRect CKirvoltView::onScreen(const Rect& logical) const
{
    const QRect client = toQRect(logical).translated(-scrollOffset()).intersected(viewport()->rect());
    return client.isEmpty() ? QRect() : client.translated(viewport()->mapToGlobal(QPoint(0, 0)));
}

QRect CKirvoltView::explainedOnScreen() const
{
    const std::optional<Rect> marked = shownHighlight != nullptr ? highlightBounds(doc, *shownHighlight) : std::nullopt;
    return marked ? onScreen(*marked) : drawingOnScreen();
}

QRect CKirvoltView::drawingOnScreen() const
{
    const std::optional<Rect> drawing = circuitBounds(doc);
    return drawing ? onScreen(*drawing) : QRect();
}

QRect CKirvoltView::previewArea() const
{
    QRect box;
    if (const CComponent* preview = circuitEditor.preview()) {
        box = toQRect(symbolBounds(*preview, doc.gridSize));
    }
    if (circuitEditor.wireInProgress()) {
        const Point a = circuitEditor.anchorPoint();
        const Point b = circuitEditor.endPoint();
        box |= QRect(QPoint(a.x, a.y), QPoint(b.x, b.y))
                   .normalized()
                   .adjusted(-RUBBER_BAND_MARGIN, -RUBBER_BAND_MARGIN, RUBBER_BAND_MARGIN, RUBBER_BAND_MARGIN);
    }
    return box;
}

void CKirvoltView::updateLogical(const QRect& logical)
{
    viewport()->update(logical.translated(-scrollOffset()));
}

Point CKirvoltView::logicalPoint(const QMouseEvent& event) const
{
    const QPoint logical = toLogical(event.position().toPoint());
    return {logical.x(), logical.y()};
}

void CKirvoltView::takeClicks(std::function<void(Point)> take)
{
    cancelPendingMove();
    circuitEditor.discardPreview();
    clickTaker = std::move(take);
    viewport()->unsetCursor();
    viewport()->update();
}

void CKirvoltView::mouseMoveEvent(QMouseEvent* event)
{
    if (clickTaker) {
        viewport()->setCursor(Qt::PointingHandCursor);
        ScrollingView::mouseMoveEvent(event);
        return;
    }
    const QPoint client = event->position().toPoint();
    const QRect before = previewArea();
    const PointerFeedback feedback = circuitEditor.pointerMove(logicalPoint(*event), {client.x(), client.y()});
    viewport()->setCursor(editorCursor(feedback.cursor));
    emit gridPositionChanged(QString::fromStdString(feedback.statusText));
    // A move that stays on one grid point floats the same thing in the same box.
    if (const QRect after = previewArea(); feedback.previewChanged && after != before) {
        updateLogical(before | after);
    }
    ScrollingView::mouseMoveEvent(event);
}

void CKirvoltView::mousePressEvent(QMouseEvent* event)
{
    if (clickTaker) {
        event->accept();
        return;
    }
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
    if (event->button() == Qt::LeftButton && circuitEditor.leftPress(logicalPoint(*event), extend)) {
        viewport()->update();
    }
    emit editingSettingsChanged();
    ScrollingView::mousePressEvent(event);
}

void CKirvoltView::mouseReleaseEvent(QMouseEvent* event)
{
    if (clickTaker) {
        if (event->button() == Qt::LeftButton) {
            clickTaker(logicalPoint(*event));
        }
        event->accept();
        return;
    }
    bool previewChanged = false;
    if (event->button() == Qt::LeftButton) {
        previewChanged = circuitEditor.leftRelease(logicalPoint(*event));
    } else if (event->button() == Qt::RightButton) {
        previewChanged = circuitEditor.rightRelease(logicalPoint(*event));
        if (!previewChanged && !circuitEditor.wireInProgress()) {
            emit contextMenuRequested(logicalPoint(*event), event->globalPosition().toPoint());
        }
    }
    if (previewChanged) {
        viewport()->update();
    }
    emit editingSettingsChanged();
    ScrollingView::mouseReleaseEvent(event);
}

void CKirvoltView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (clickTaker) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && circuitEditor.doubleClick(logicalPoint(*event))) {
        viewport()->update();
        emit editingSettingsChanged();
        return;
    }
    ScrollingView::mouseDoubleClickEvent(event);
}

void CKirvoltView::flipCorner()
{
    if (circuitEditor.flipCorner()) {
        viewport()->update();
        emit editingSettingsChanged();
    }
}

void CKirvoltView::escape()
{
    if (circuitEditor.escape()) {
        viewport()->update();
    }
    emit editingSettingsChanged();
}

void CKirvoltView::stepValue(int steps)
{
    if (wheelSteps.press(circuitEditor, doc, pointerPoint(), steps) != nullptr) {
        // A tooltip up since before the step tells the old value.
        QToolTip::hideText();
        emit valueTurned();
    }
}

// The floating element follows the pointer only while the pointer is over the circuit.
void CKirvoltView::leaveEvent(QEvent* event)
{
    if (circuitEditor.preview() != nullptr && !circuitEditor.wireInProgress()) {
        const QRect before = previewArea();
        circuitEditor.discardPreview();
        updateLogical(before);
    }
    ScrollingView::leaveEvent(event);
}

// With Alt the wheel turns the value under the pointer; some window systems turn an Alt-wheel
// into a sideways one, so either direction counts. Anywhere else it scrolls.
void CKirvoltView::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers().testFlag(Qt::AltModifier) && !clickTaker) {
        const QPoint delta = event->angleDelta();
        const QPoint logical = toLogical(event->position().toPoint());
        const Point at{logical.x(), logical.y()};
        const int turned = delta.y() != 0 ? delta.y() : delta.x();
        if (const CComponent* under = HitTestForDialog(doc, at); under != nullptr && isSourceOrResistorKind(under->kindCode)) {
            if (wheelSteps.turn(circuitEditor, doc, at, turned) != nullptr) {
                QToolTip::hideText();
                emit valueTurned();
            }
            event->accept();
            return;
        }
    }
    ScrollingView::wheelEvent(event);
}

// Every element, wire and joint tells its name and value, and what the last analysis gave it.
bool CKirvoltView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QPoint logical = toLogical(help->pos());
        const CComponent* hit = HitTestForDialog(doc, {logical.x(), logical.y()});
        if (hit == nullptr) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        const DrawnNumbers none;
        const std::string text = numbersTooltip(doc, *hit, shownNumbers != nullptr ? *shownNumbers : none);
        QToolTip::showText(help->globalPos(), QString::fromStdString(text), viewport());
        return true;
    }
    return ScrollingView::viewportEvent(event);
}

QString gridPositionText(QPoint client, int gridSize)
{
    return QString::fromStdString(gridStatusText({client.x(), client.y()}, gridSize));
}

}  // namespace kirvolt
