#include "tutor/tutor_dialog.h"

#include <algorithm>

#include <QLabel>
#include <QScreen>

#include "view/widgets/dialog_units.h"

namespace kirvolt {

namespace {

// Where the tutor's windows stand, in dialog units from the screen's top-left corner.
constexpr int TUTOR_X_UNITS = 500;
constexpr int TUTOR_Y_UNITS = 0;

}  // namespace

TutorDialog::TutorDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Nodal Analysis Tutor"));
    setWindowModality(Qt::WindowModal);
}

void TutorDialog::setVisible(bool visible)
{
    const bool appearing = visible && !isVisible();
    if (appearing) {
        placeAtTopRight();
    }
    QDialog::setVisible(visible);
    // Once shown the window has its frame, which may carry it past the screen's edge.
    if (appearing) {
        placeAtTopRight();
    }
}

QLabel* TutorDialog::textLabel(const QString& text, bool wrapped)
{
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrapped);
    return label;
}

QLabel* TutorDialog::headingLabel(const QString& text)
{
    QLabel* label = textLabel(text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

void TutorDialog::placeAtTopRight()
{
    adjustSize();
    const QScreen* onScreen = parentWidget() ? parentWidget()->screen() : screen();
    const QRect available = onScreen->availableGeometry();
    const DialogUnits units(font());
    const QPoint offset(units.x(TUTOR_X_UNITS), units.y(TUTOR_Y_UNITS));
    QPoint topLeft = available.topLeft() + offset;
    const QSize outer = frameGeometry().size();
    topLeft.setX(std::max(available.left(), std::min(topLeft.x(), available.right() + 1 - outer.width())));
    topLeft.setY(std::max(available.top(), std::min(topLeft.y(), available.bottom() + 1 - outer.height())));
    move(topLeft);
}

}  // namespace kirvolt
