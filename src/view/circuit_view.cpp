#include "view/circuit_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "drawing/circuit_painter.h"
#include "drawing/symbols.h"
#include "editing/grid_snap.h"
#include "view/editor_cursors.h"
#include "view/qt_drawing_surface.h"

namespace kirvolt {

CKirvoltView::CKirvoltView(CKirvoltDoc& doc, QWidget* parent)
    : ScrollingView({DRAWING_AREA, DRAWING_AREA}, parent), doc(doc), dialogs(this), circuitEditor(doc, dialogs)
{
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
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

void CKirvoltView::setHighlight(const Highlight* shown)
{
    shownHighlight = shown;
    viewport()->repaint();
}

void CKirvoltView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), Qt::white);
    painter.translate(-scrollOffset());
    QtDrawingSurface surface(painter);
    const QRect exposed = event->rect().translated(scrollOffset());
    PaintOptions options = documentPaintOptions(doc);
    options.highlight = shownHighlight;
    options.area = Rect{exposed.left(), exposed.top(), exposed.right() + 1, exposed.bottom() + 1};
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
        surface.lineTo(circuitEditor.endPoint());
        surface.selectPen(previous);
    }
}

Point CKirvoltView::logicalPoint(const QMouseEvent& event) const
{
    const QPoint logical = toLogical(event.position().toPoint());
    return {logical.x(), logical.y()};
}

void CKirvoltView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint client = event->position().toPoint();
    const PointerFeedback feedback = circuitEditor.pointerMove(logicalPoint(*event), {client.x(), client.y()});
    viewport()->setCursor(editorCursor(feedback.cursor));
    emit gridPositionChanged(QString::fromStdString(feedback.statusText));
    if (feedback.previewChanged) {
        viewport()->update();
    }
    ScrollingView::mouseMoveEvent(event);
}

void CKirvoltView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && circuitEditor.leftPress(logicalPoint(*event))) {
        viewport()->update();
    }
    emit editingSettingsChanged();
    ScrollingView::mousePressEvent(event);
}

void CKirvoltView::mouseReleaseEvent(QMouseEvent* event)
{
    bool previewChanged = false;
    if (event->button() == Qt::LeftButton) {
        previewChanged = circuitEditor.leftRelease(logicalPoint(*event));
    } else if (event->button() == Qt::RightButton) {
        previewChanged = circuitEditor.rightRelease(logicalPoint(*event));
    }
    if (previewChanged) {
        viewport()->update();
    }
    emit editingSettingsChanged();
    ScrollingView::mouseReleaseEvent(event);
}

void CKirvoltView::escape()
{
    if (circuitEditor.escape()) {
        viewport()->update();
    }
    emit editingSettingsChanged();
}

// The floating element follows the pointer only while the pointer is over the circuit.
void CKirvoltView::leaveEvent(QEvent* event)
{
    if (circuitEditor.preview() != nullptr && !circuitEditor.wireInProgress()) {
        circuitEditor.discardPreview();
        viewport()->update();
    }
    ScrollingView::leaveEvent(event);
}

QString gridPositionText(QPoint client, int gridSize)
{
    return QString::fromStdString(gridStatusText({client.x(), client.y()}, gridSize));
}

}  // namespace kirvolt
