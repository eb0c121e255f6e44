#pragma once

#include "document/circuit_document.h"
#include "view/scrolling_view.h"

namespace kirvolt {

// The analysis results pane beside the schematic: a 2000 x 20000 text area that lists the
// node voltages and every component's p.d. and current from the document's records. It reads
// like a text pane: a 16-pixel font grown with the desktop's font scaling, a wheel notch of
// three lines and a page of one pane height.
class CPropertyView : public ScrollingView {
    Q_OBJECT

public:
    explicit CPropertyView(const CKirvoltDoc& doc, QWidget* parent = nullptr);

    // The width in pixels the pane needs to show its widest line whole.
    int textWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Logical units per pixel: 1 at 96 dots per inch, more where the desktop enlarges its fonts.
    double fontScale() const;
    void updateScrollSteps();

    const CKirvoltDoc& doc;
};

}  // namespace kirvolt
