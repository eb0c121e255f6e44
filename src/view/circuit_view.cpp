#include "view/circuit_view.h"

#include <QMouseEvent>
#include <QPainter>

#include <cstdint>

#include "view/drawing/circuit_painter.h"
#include "view/qt_drawing_surface.h"

namespace kirvolt {

CKirvoltView::CKirvoltView(CKirvoltDoc& doc, QWidget* parent) : ScrollingView({AREA, AREA}, parent), doc(doc)
{
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
}

void CKirvoltView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    painter.translate(-scrollOffset());
    QtDrawingSurface surface(painter);
    PaintView(doc, surface);
}

void CKirvoltView::mouseMoveEvent(QMouseEvent* event)
{
    emit gridPositionChanged(gridPositionText(event->position().toPoint(), doc.gridSize));
    ScrollingView::mouseMoveEvent(event);
}

QString gridPositionText(QPoint client, int gridSize)
{
    const auto snap = [gridSize](int v) { return static_cast<std::uint16_t>((v + gridSize / 2) / gridSize); };
    return QStringLiteral("(%1,%2)").arg(snap(client.x())).arg(snap(client.y()));
}

}  // namespace kirvolt
