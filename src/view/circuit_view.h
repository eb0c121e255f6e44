#pragma once

#include <QString>

#include "document/circuit_document.h"
#include "view/scrolling_view.h"

namespace kirvolt {

// The schematic of one circuit: a 5000 x 5000 logical area, scrolled 500 units a page and 50
// a line. Zoom is carried by the document's grid size, never by the mapping.
class CKirvoltView : public ScrollingView {
    Q_OBJECT

public:
    static constexpr int AREA = 5000;

    explicit CKirvoltView(CKirvoltDoc& doc, QWidget* parent = nullptr);

    CKirvoltDoc& document() const { return doc; }

signals:
    // "(x,y)": the grid point nearest to the pointer, counted from the window's corner.
    void gridPositionChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    CKirvoltDoc& doc;
};

// The status-bar text for a pointer at a client position: each coordinate rounded to the
// nearest grid step (ties upwards) and shown as an unsigned 16-bit number.
QString gridPositionText(QPoint client, int gridSize);

}  // namespace kirvolt
