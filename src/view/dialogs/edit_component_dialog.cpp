#include "view/dialogs/edit_component_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "document/engineering_number.h"
#include "document/value_range.h"
#include "view/dialogs/dialog_texts.h"
#include "view/widgets/kirvolt_message.h"

namespace kirvolt {

EditComponentDialog::EditComponentDialog(const NameAndValue& current, const QString& unit, QWidget* parent)
    : QDialog(parent), original(current), unitText(stdText(unit)), nameEdit(new QLineEdit(qText(current.name), this)),
      valueEdit(new QLineEdit(numberText(current.value), this))
{
    setWindowTitle(tr("Edit Component "));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    addPropertyRow(*grid, tr("Name:"), nameEdit);
    addPropertyRow(*grid, tr("Value:"), valueEdit, &unit);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &EditComponentDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    nameEdit->setFocus();
    nameEdit->selectAll();
}

std::optional<double> EditComponentDialog::enteredValue() const
{
    // An untouched box gives back the value itself, not its 15-digit rounding.
    if (!valueEdit->isModified()) {
        return original.value;
    }
    return parseValueInUnit(stdText(valueEdit->text()), unitText);
}

void EditComponentDialog::accept()
{
    const std::optional<double> value = enteredValue();
    if (!value) {
        showKirvoltMessage(this, tr("Please enter a number."));
        valueEdit->setFocus();
        valueEdit->selectAll();
        return;
    }
    enteredValues = {nameEdit->isModified() ? stdText(nameEdit->text()) : original.name, *value};
    if (const auto why = valueRangeRefusal(kindWithUnit(unitText), enteredValues.name, *value)) {
        showKirvoltMessage(this, qText(*why));
        valueEdit->setFocus();
        valueEdit->selectAll();
        return;
    }
    QDialog::accept();
}

}  // namespace kirvolt
