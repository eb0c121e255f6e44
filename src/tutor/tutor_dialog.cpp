#include "tutor/tutor_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "view/widgets/dialog_units.h"

namespace kirvolt {

namespace {

// Where the tutor's windows stand, in dialog units from the screen's top-left corner.
constexpr int TUTOR_X_UNITS = 500;
constexpr int TUTOR_Y_UNITS = 0;

}  // namespace

TutorDialog::TutorDialog(QWidget* parent) : ScreenPlacedDialog(parent)
{
    setWindowTitle(tr("Nodal Analysis Tutor"));
    setWindowModality(Qt::WindowModal);
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

void TutorDialog::addIntroduction(QVBoxLayout& column, const QString& opening, const std::array<QString, 4>& steps,
                                  QPushButton* own)
{
    auto* start = new QPushButton(tr("Start"), this);
    auto* leave = new QPushButton(tr("Return"), this);
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, &TutorDialog::accept);
    connect(leave, &QPushButton::clicked, this, &TutorDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start);
    buttons->addWidget(leave);
    buttons->addStretch();
    if (own != nullptr) {
        buttons->addWidget(own);
    }
    column.addWidget(textLabel(opening));
    column.addWidget(headingLabel(tr("\n4  Steps")));
    for (const QString& step : steps) {
        column.addWidget(textLabel(step));
    }
    column.addSpacing(fontMetrics().height());
    column.addLayout(buttons);
}

QPoint TutorDialog::wantedPosition(const QScreen& screen) const
{
    return tutorWindowPosition(screen, font());
}

QPoint tutorWindowPosition(const QScreen& screen, const QFont& font)
{
    const DialogUnits units(font);
    return screen.availableGeometry().topLeft() + QPoint(units.x(TUTOR_X_UNITS), units.y(TUTOR_Y_UNITS));
}

}  // namespace kirvolt
