#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QSize>

namespace kirvolt {

// A view onto a fixed logical area in which one logical unit is one pixel. A page scroll
// moves a tenth of the area and a line scroll a tenth of a page.
class ScrollingView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit ScrollingView(QSize logicalSize, QWidget* parent = nullptr);

    QSize logicalSize() const { return area; }
    // A view whose content grows and shrinks scrolls over what it holds now.
    void setLogicalSize(QSize logicalSize);
    // Logical coordinates of the top-left corner of the viewport.
    QPoint scrollOffset() const;
    QPoint toLogical(QPoint client) const { return client + scrollOffset(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollRanges();

    QSize area;
};

}  // namespace kirvolt
