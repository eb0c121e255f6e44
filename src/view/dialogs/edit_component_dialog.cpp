#include "view/dialogs/edit_component_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "document/value_field.h"
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

FieldValue EditComponentDialog::enteredValue() const
{
    // An untouched box gives back the value itself, not its 15-digit rounding, and refuses
    // nothing: a resistor renamed before its value is set keeps its new name.
    if (!valueEdit->isModified()) {
        return {original.value, {}};
    }
    return readFieldValue(stdText(valueEdit->text()), unitText);
}

void EditComponentDialog::accept()
{
    const FieldValue value = enteredValue();
    const std::string name = nameEdit->isModified() ? stdText(nameEdit->text()) : original.name;
    const std::optional<std::string> refusal =
        value.value ? valueRangeRefusal(kindWithUnit(unitText), name, *value.value) : value.refusal;
    if (refusal) {
        showKirvoltMessage(this, qText(*refusal));
        valueEdit->setFocus();
        valueEdit->selectAll();
        return;
    }
    enteredValues = {name, *value.value};
    QDialog::accept();
}

}  // namespace kirvolt
