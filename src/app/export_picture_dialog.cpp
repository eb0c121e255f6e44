#include "app/export_picture_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kirvolt {
namespace {

QCheckBox* checkBox(const QString& text, const char* name, bool checked, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

}  // namespace

ExportPictureDialog::ExportPictureDialog(const PictureOptions& options, QWidget* parent)
    : QDialog(parent),
      grid(checkBox(tr("Show the &grid"), "grid", options.grid, this)),
      nodeNumbers(checkBox(tr("Show &node numbers"), "nodeNumbers", options.nodeNumbers, this)),
      equations(checkBox(tr("Show the &equations panel"), "equations", options.equations, this)),
      scale(new QSpinBox(this))
{
    setWindowTitle(tr("Export Picture"));
    scale->setObjectName("scale");
    scale->setRange(PICTURE_SCALE_MIN, PICTURE_SCALE_MAX);
    scale->setSuffix(tr(" \u00D7"));
    scale->setValue(options.scale);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout;
    form->addRow(tr("PNG &scale:"), scale);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid);
    layout->addWidget(nodeNumbers);
    layout->addWidget(equations);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

PictureOptions ExportPictureDialog::options() const
{
    return {grid->isChecked(), nodeNumbers->isChecked(), equations->isChecked(), scale->value()};
}

}  // namespace kirvolt
