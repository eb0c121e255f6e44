#pragma once

#include "document/circuit_document.h"
#include "view/scrolling_view.h"

namespace kirvolt {

// The analysis results pane beside the schematic: a 2000 x 20000 text area that lists the
// node voltages and every component's p.d. and current from the document's records.
class CPropertyView : public ScrollingView {
    Q_OBJECT

public:
    explicit CPropertyView(const CKirvoltDoc& doc, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CKirvoltDoc& doc;
};

}  // namespace kirvolt
