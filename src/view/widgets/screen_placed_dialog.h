#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;

namespace kirvolt {

// A dialog with a place of its own on the screen. It stands there when it fits, and is
// otherwise moved just enough to be wholly visible, so that a modal dialog can always be
// answered, whatever the screen's size and scale factor.
class ScreenPlacedDialog : public QDialog {
    Q_OBJECT

public:
    void setVisible(bool visible) override;
    // A part of the screen (global coordinates) that the dialog explains and must leave in
    // view, and the whole it is part of, which the dialog leaves in view too where the screen
    // has room beside it: the dialog stands beside them rather than over them. Empty for none.
    void keepClearOf(const QRect& explained, const QRect& whole = {})
    {
        clearOf = explained;
        rather = whole;
    }

protected:
    explicit ScreenPlacedDialog(QWidget* parent);

    // Where the top-left corner of the window frame should stand on the screen.
    virtual QPoint wantedPosition(const QScreen& screen) const = 0;
    // The screen the dialog comes up on: its parent's, or its own.
    const QScreen& placementScreen() const;

private:
    void place();

    QRect clearOf;
    QRect rather;
};

// The top-left corner nearest to wanted that keeps a window of the outer size inside
// available; a window larger than available keeps its top-left corner there.
QPoint keptInside(const QRect& available, QPoint wanted, QSize outer);

// The place of a window of the outer size inside available: at wanted when that leaves clear
// uncovered, else right of clear, left of it, below or above it (the first that covers none of
// it), else wherever of those covers the least of it.
QPoint placedBeside(const QRect& available, QPoint wanted, QSize outer, const QRect& clear);

}  // namespace kirvolt
