#include "view/dialogs/equation_check_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "view/dialogs/dialog_texts.h"

namespace kirvolt {
namespace {

QString verdictColour(EquationVerdict::Kind kind)
{
    switch (kind) {
    case EquationVerdict::Kind::Right:
        return QStringLiteral("#006400");
    case EquationVerdict::Kind::Wrong:
        return QStringLiteral("#a00000");
    case EquationVerdict::Kind::Unreadable:
        break;
    }
    return QStringLiteral("#7a4a00");
}

}  // namespace

EquationCheckWindow::EquationCheckWindow(const EquationCheckDialog& request, QWidget* parent)
    : ScreenPlacedDialog(parent), request(request)
{
    setWindowTitle(qText(request.title));
    auto* layout = new QVBoxLayout(this);
    auto* instructions = new QLabel(qText(request.instructions), this);
    instructions->setWordWrap(true);
    layout->addWidget(instructions);

    auto* row = new QHBoxLayout;
    equation = new QLineEdit(this);
    equation->setPlaceholderText(tr("for example (V2 - V1)/R1 + V2/R2 = J1"));
    equation->setMinimumWidth(420);
    check = new QPushButton(tr("&Check"), this);
    check->setDefault(true);
    row->addWidget(equation, 1);
    row->addWidget(check);
    layout->addLayout(row);

    verdict = new QLabel(this);
    verdict->setWordWrap(true);
    verdict->setTextInteractionFlags(Qt::TextSelectableByMouse);
    verdict->setMinimumHeight(verdict->fontMetrics().lineSpacing() * 4);
    verdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(verdict, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(check, &QPushButton::clicked, this, &EquationCheckWindow::checkEquation);
    connect(equation, &QLineEdit::returnPressed, this, &EquationCheckWindow::checkEquation);
    resize(560, sizeHint().height());
}

QPoint EquationCheckWindow::wantedPosition(const QScreen& screen) const
{
    const QRect over =
        parentWidget() != nullptr ? parentWidget()->window()->frameGeometry() : screen.availableGeometry();
    return over.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2);
}

void EquationCheckWindow::checkEquation()
{
    const EquationVerdict result = request.check(stdText(equation->text()));
    verdict->setStyleSheet(QStringLiteral("color: %1;").arg(verdictColour(result.kind)));
    verdict->setText(qText(result.message));
    equation->setFocus();
}

}  // namespace kirvolt
