#include "view/dialogs/edit_node_name_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "view/dialogs/dialog_texts.h"

namespace kirvolt {

EditNodeNameDialog::EditNodeNameDialog(const std::string& current, QWidget* parent)
    : QDialog(parent), original(current), nameEdit(new QLineEdit(qText(current), this))
{
    setWindowTitle(tr("Edit Node Name"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    addPropertyRow(*grid, tr("Node Name:"), nameEdit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    nameEdit->selectAll();
}

std::string EditNodeNameDialog::entered() const
{
    // An untouched box gives back the label byte for byte, whatever its encoding.
    return nameEdit->isModified() ? stdText(nameEdit->text()) : original;
}

}  // namespace kirvolt
