#include "view/widgets/screen_placed_dialog.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>

namespace kirvolt {

ScreenPlacedDialog::ScreenPlacedDialog(QWidget* parent) : QDialog(parent) {}

void ScreenPlacedDialog::setVisible(bool visible)
{
    const bool appearing = visible && !isVisible();
    if (appearing) {
        place();
    }
    QDialog::setVisible(visible);
    // Once shown the window has its frame, which may carry it past the screen's edge.
    if (appearing) {
        place();
    }
}

const QScreen& ScreenPlacedDialog::placementScreen() const
{
    const QScreen* found = parentWidget() != nullptr ? parentWidget()->screen() : screen();
    return found != nullptr ? *found : *QGuiApplication::primaryScreen();
}

void ScreenPlacedDialog::place()
{
    adjustSize();
    const QScreen& onScreen = placementScreen();
    move(keptInside(onScreen.availableGeometry(), wantedPosition(onScreen), frameGeometry().size()));
}

QPoint keptInside(const QRect& available, QPoint wanted, QSize outer)
{
    const int x = std::min(wanted.x(), available.right() + 1 - outer.width());
    const int y = std::min(wanted.y(), available.bottom() + 1 - outer.height());
    return {std::max(available.left(), x), std::max(available.top(), y)};
}

}  // namespace kirvolt
