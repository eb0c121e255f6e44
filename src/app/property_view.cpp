#include "app/property_view.h"

#include <QPainter>

#include "analysis/results_text.h"
#include "drawing/results_painter.h"
#include "view/qt_drawing_surface.h"

namespace kirvolt {

CPropertyView::CPropertyView(const CKirvoltDoc& doc, QWidget* parent)
    : ScrollingView({2000, 20000}, parent), doc(doc)
{
    setFocusPolicy(Qt::StrongFocus);
}

void CPropertyView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    painter.translate(-scrollOffset());
    QtDrawingSurface surface(painter);
    paintResults(resultsPaneLines(doc), surface);
}

}  // namespace kirvolt
