#include "view/circuit_view.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <QPaintEvent>
#include <QPainter>

#include "analysis/circuit_words.h"
#include "analysis/drawn_numbers_reading.h"
#include "document/reading_order.h"
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
// Shift and an arrow move the cursor this many grid steps.
constexpr int LONG_STEP = 5;
// The keys' cursor: a square of one grid step round its point, in a colour no element has.
constexpr Colour COLOUR_KEY_CURSOR = rgb(200, 0, 200);
constexpr int KEY_CURSOR_WIDTH = 2;

QRect toQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

}  // namespace

CKirvoltView::CKirvoltView(CKirvoltDoc& doc, ChangeHistory& history, QWidget* parent)
    : ScrollingView({DRAWING_AREA, DRAWING_AREA}, parent),
      doc(doc),
      dialogs(this),
      circuitEditor(doc, history, dialogs),
      keyboard(doc, circuitEditor),
      wheelSteps(history)
{
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    // Every paint covers its rectangle in white first, so a scroll may move what is shown.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(editorCursor(EditorCursor::CursorDefault));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Circuit drawing"));
    setAccessibleDescription(tr("Arrow keys move the grid cursor (Shift: five steps), Enter clicks at it, "
                                "Tab and Shift+Tab step through the elements and joints, Ctrl+Space adds to the "
                                "selection, Ctrl and the arrows move the selection."));
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

void CKirvoltView::followMode()
{
    if (hasFocus() && !clickTaker) {
        keyboard.floatAtCursor();
        viewport()->update();
    }
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
    if (hasFocus()) {
        paintKeyCursor(surface);
    }
}

void CKirvoltView::paintKeyCursor(DrawingSurface& surface) const
{
    const Point at = keyboard.cursorPoint();
    const int half = doc.gridSize / 2;
    const int tick = doc.gridSize / 4;
    surface.setRasterMode(RASTER_COPY);
    const Pen previous = surface.selectPen({KEY_CURSOR_WIDTH, COLOUR_KEY_CURSOR});
    surface.moveTo({at.x - half, at.y - half});
    surface.lineTo({at.x + half, at.y - half});
    surface.lineTo({at.x + half, at.y + half});
    surface.lineTo({at.x - half, at.y + half});
    surface.lineTo({at.x - half, at.y - half});
    surface.moveTo({at.x - tick, at.y});
    surface.lineTo({at.x + tick + 1, at.y});
    surface.moveTo({at.x, at.y - tick});
    surface.lineTo({at.x, at.y + tick + 1});
    surface.selectPen(previous);
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

// Tab belongs to the drawing while it has the focus: it steps through the elements and joints.
// Ctrl+Tab still leaves it, as in any widget that takes Tab.
bool CKirvoltView::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress && !clickTaker) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            keyPressEvent(key);
            return true;
        }
    }
    return ScrollingView::event(event);
}

void CKirvoltView::keyPressEvent(QKeyEvent* event)
{
    if (clickTaker) {
        ScrollingView::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool control = mods.testFlag(Qt::ControlModifier);
    const int steps = mods.testFlag(Qt::ShiftModifier) ? LONG_STEP : 1;
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -steps;
        break;
    case Qt::Key_Right:
        dx = steps;
        break;
    case Qt::Key_Up:
        dy = -steps;
        break;
    case Qt::Key_Down:
        dy = steps;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        dropSelection();
        keyboard.enter();
        viewport()->update();
        emit editingSettingsChanged();
        cursorMoved();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        dropSelection();
        if (const CComponent* focused = keyboard.stepFocus(event->key() == Qt::Key_Backtab || mods.testFlag(Qt::ShiftModifier))) {
            viewport()->update();
            emit editingSettingsChanged();
            cursorMoved();
            announceFocus(*focused);
        }
        return;
    case Qt::Key_Space:
        if (control && keyboard.toggleAtCursor()) {
            viewport()->update();
            emit editingSettingsChanged();
            return;
        }
        break;
    case Qt::Key_Menu:
        emit contextMenuRequested(keyboard.cursorPoint(), viewport()->mapToGlobal(QPoint(
            keyboard.cursorPoint().x - scrollOffset().x(), keyboard.cursorPoint().y - scrollOffset().y())));
        return;
    default:
        break;
    }
    if (dx == 0 && dy == 0) {
        ScrollingView::keyPressEvent(event);
        return;
    }
    if (!control) {
        dropSelection();
    }
    const bool moved = control ? keyboard.moveSelection(dx, dy) : keyboard.moveCursor(dx, dy);
    if (moved) {
        viewport()->update();
        cursorMoved();
    }
}

void CKirvoltView::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Control) {
        dropSelection();
    }
    ScrollingView::keyReleaseEvent(event);
}

void CKirvoltView::dropSelection()
{
    if (keyboard.dropSelection()) {
        viewport()->update();
        emit editingSettingsChanged();
    }
}

void CKirvoltView::cursorMoved()
{
    const Point at = keyboard.cursorPoint();
    const int margin = doc.gridSize;
    const QRect shown(scrollOffset(), viewport()->size());
    if (!shown.adjusted(margin, margin, -margin, -margin).contains(at.x, at.y)) {
        if (at.x < shown.left() + margin || at.x > shown.right() - margin) {
            horizontalScrollBar()->setValue(at.x - shown.width() / 2);
        }
        if (at.y < shown.top() + margin || at.y > shown.bottom() - margin) {
            verticalScrollBar()->setValue(at.y - shown.height() / 2);
        }
    }
    const Point grid = keyboard.cursorGrid();
    emit gridPositionChanged(QStringLiteral("(%1,%2)").arg(grid.x).arg(grid.y));
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void CKirvoltView::announceFocus(const CComponent& focused)
{
    const std::vector<const CComponent*> order = readingOrder(doc);
    const auto at = std::ranges::find(order, &focused);
    if (at == order.end()) {
        return;
    }
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(static_cast<int>(at - order.begin()));
    QAccessible::updateAccessibility(&event);
}

QString CKirvoltView::cursorAnnouncement() const
{
    const Point grid = keyboard.cursorGrid();
    QString text = tr("Circuit drawing, cursor at %1, %2").arg(grid.x).arg(grid.y);
    const CComponent* under = keyboard.focused();
    if (under == nullptr) {
        under = HitTestForDialog(doc, keyboard.cursorPoint());
    }
    if (under != nullptr && !isWireKind(under->kindCode)) {
        text += QStringLiteral(": ") + QString::fromStdString(describeRecord(doc, *under));
    } else if (under != nullptr) {
        text += QStringLiteral(": ") + tr("wire %1").arg(QString::fromStdString(under->label));
    }
    return text;
}

// The cursor shows only while the keys have the drawing.
void CKirvoltView::focusInEvent(QFocusEvent* event)
{
    viewport()->update();
    ScrollingView::focusInEvent(event);
}

void CKirvoltView::focusOutEvent(QFocusEvent* event)
{
    dropSelection();
    viewport()->update();
    ScrollingView::focusOutEvent(event);
}

QString gridPositionText(QPoint client, int gridSize)
{
    return QString::fromStdString(gridStatusText({client.x(), client.y()}, gridSize));
}

}  // namespace kirvolt
