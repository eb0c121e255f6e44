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

protected:
    explicit ScreenPlacedDialog(QWidget* parent);

    // Where the top-left corner of the window frame should stand on the screen.
    virtual QPoint wantedPosition(const QScreen& screen) const = 0;
    // The screen the dialog comes up on: its parent's, or its own.
    const QScreen& placementScreen() const;

private:
    void place();
};

// The top-left corner nearest to wanted that keeps a window of the outer size inside
// available; a window larger than available keeps its top-left corner there.
QPoint keptInside(const QRect& available, QPoint wanted, QSize outer);

}  // namespace kirvolt
