#include "app/file_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace kirvolt {

namespace {

QStringList circuitFilters()
{
    return {QCoreApplication::translate("FileDialogs", "Kirvolt Files (*.kvt)"),
            QCoreApplication::translate("FileDialogs", "All Files (*.*)")};
}

QString run(QFileDialog& dialog)
{
    dialog.setNameFilters(circuitFilters());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString askOpenFileName(QWidget* parent)
{
    QFileDialog dialog(parent, QCoreApplication::translate("FileDialogs", "Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return run(dialog);
}

QString askSaveFileName(QWidget* parent, const QString& proposed)
{
    QFileDialog dialog(parent, QCoreApplication::translate("FileDialogs", "Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("kvt"));
    dialog.selectFile(proposed);
    return run(dialog);
}

}  // namespace kirvolt
