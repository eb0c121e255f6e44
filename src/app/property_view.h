#pragma once

#include <QFont>

#include <cstddef>
#include <cstdint>

#include "document/circuit_document.h"
#include "view/remembered_extents.h"
#include "view/scrolling_view.h"

namespace kirvolt {

// The analysis results pane beside the schematic: a text area 20000 high and as wide as its
// widest line, so that it scrolls sideways only when a line is hidden, listing the node
// voltages and every component's p.d. and current from the document's records. It reads
// like a text pane: a 16-pixel font grown with the desktop's font scaling, a wheel notch of
// three lines and a page of one pane height.
class CPropertyView : public ScrollingView {
    Q_OBJECT

public:
    explicit CPropertyView(const CKirvoltDoc& doc, QWidget* parent = nullptr);

    // The width in pixels the pane needs to show its widest line whole.
    int textWidth() const;
    // The lines may have changed: the area becomes as wide as the widest of them.
    void updateExtent();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Logical units per pixel: 1 at 96 dots per inch, more where the desktop enlarges its fonts.
    double fontScale() const;
    // The widest line with its margin, in pixels.
    int linesWidth() const;
    void updateScrollSteps();

    // The widest of the analysis' lines, in logical units, measured once for the lines that are
    // there: every edit updates the pane, and a large circuit's lines take long to measure.
    struct MeasuredLines {
        std::uint64_t replacements = 0;
        const ResultsLine* first = nullptr;
        std::size_t count = 0;
        QFont font;
        int widest = 0;
        bool operator==(const MeasuredLines& other) const
        {
            return replacements == other.replacements && first == other.first && count == other.count && font == other.font;
        }
    };
    int widestResultsLine(DrawingSurface& measuring) const;

    const CKirvoltDoc& doc;
    mutable RememberedExtents extents;
    mutable MeasuredLines measured;
};

}  // namespace kirvolt
