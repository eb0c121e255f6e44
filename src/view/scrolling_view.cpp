#include "view/scrolling_view.h"

#include <QScrollBar>

namespace kirvolt {

ScrollingView::ScrollingView(QSize logicalSize, QWidget* parent) : QAbstractScrollArea(parent), area(logicalSize)
{
    horizontalScrollBar()->setPageStep(area.width() / 10);
    horizontalScrollBar()->setSingleStep(area.width() / 100);
    verticalScrollBar()->setPageStep(area.height() / 10);
    verticalScrollBar()->setSingleStep(area.height() / 100);
    updateScrollRanges();
}

void ScrollingView::setLogicalSize(QSize logicalSize)
{
    area = logicalSize;
    updateScrollRanges();
}

QPoint ScrollingView::scrollOffset() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void ScrollingView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
}

// What stays in view is moved; only the strip that comes into view is painted.
void ScrollingView::scrollContentsBy(int dx, int dy)
{
    viewport()->scroll(dx, dy);
}

void ScrollingView::updateScrollRanges()
{
    const QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, qMax(0, area.width() - visible.width()));
    verticalScrollBar()->setRange(0, qMax(0, area.height() - visible.height()));
}

}  // namespace kirvolt
