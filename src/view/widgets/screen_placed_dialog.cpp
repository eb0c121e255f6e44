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
    const QRect available = onScreen.availableGeometry();
    const QSize outer = frameGeometry().size();
    const QRect whole = rather | clearOf;
    const QPoint besideWhole = placedBeside(available, wantedPosition(onScreen), outer, whole);
    const bool wholeClear = !QRect(besideWhole, outer).intersects(whole);
    move(wholeClear ? besideWhole : placedBeside(available, wantedPosition(onScreen), outer, clearOf));
}

QPoint keptInside(const QRect& available, QPoint wanted, QSize outer)
{
    const int x = std::min(wanted.x(), available.right() + 1 - outer.width());
    const int y = std::min(wanted.y(), available.bottom() + 1 - outer.height());
    return {std::max(available.left(), x), std::max(available.top(), y)};
}

QPoint placedBeside(const QRect& available, QPoint wanted, QSize outer, const QRect& clear)
{
    // A little air between the window and what it explains.
    constexpr int GAP = 8;
    const QPoint candidates[] = {
        wanted,
        {clear.right() + 1 + GAP, wanted.y()},
        {clear.left() - GAP - outer.width(), wanted.y()},
        {wanted.x(), clear.bottom() + 1 + GAP},
        {wanted.x(), clear.top() - GAP - outer.height()},
    };
    const auto covered = [&](QPoint at) {
        const QRect over = QRect(at, outer).intersected(clear);
        return over.isEmpty() ? 0LL : static_cast<long long>(over.width()) * over.height();
    };
    QPoint best = keptInside(available, wanted, outer);
    if (clear.isEmpty()) {
        return best;
    }
    for (QPoint candidate : candidates) {
        const QPoint inside = keptInside(available, candidate, outer);
        if (covered(inside) == 0) {
            return inside;
        }
        if (covered(inside) < covered(best)) {
            best = inside;
        }
    }
    return best;
}

}  // namespace kirvolt
