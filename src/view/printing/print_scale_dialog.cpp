#include "view/printing/print_scale_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "view/widgets/integer_field.h"
#include "view/widgets/spin_edit.h"

namespace kirvolt {

PrintScaleDialog::PrintScaleDialog(int scale, QWidget* parent, MessageFunction message)
    : QDialog(parent),
      scaleEdit(new SpinEdit(MINIMUM_SCALE, MAXIMUM_SCALE, this)),
      message(std::move(message)),
      confirmedScale(scale)
{
    setWindowTitle(tr("Dialog"));
    scaleEdit->setObjectName(QStringLiteral("scaleEdit"));
    scaleEdit->setDigitsOnly(true);
    scaleEdit->setText(QString::number(scale));

    auto* label = new QLabel(tr("Printing Scale:"), this);
    label->setBuddy(scaleEdit);
    auto* field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(scaleEdit);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PrintScaleDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrintScaleDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addWidget(buttons);
    scaleEdit->setFocus();
    scaleEdit->selectAll();
}

void PrintScaleDialog::accept()
{
    const IntegerFieldCheck check = checkIntegerField(scaleEdit->text(), MINIMUM_SCALE, MAXIMUM_SCALE);
    if (!check.value) {
        message(this, check.message, MessageKind::Failure);
        scaleEdit->setFocus();
        scaleEdit->selectAll();
        return;
    }
    confirmedScale = *check.value;
    QDialog::accept();
}

}  // namespace kirvolt
