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

QString chosenFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString run(QFileDialog& dialog)
{
    dialog.setNameFilters(circuitFilters());
    return chosenFile(dialog);
}

// Each filter is "Description (*.ext)"; the suffix follows the filter chosen.
QString askExportName(QWidget* parent, const QString& title, const QString& proposed, const QStringList& filters)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    const auto suffixOf = [](const QString& filter) { return filter.section(QStringLiteral("*."), 1).chopped(1); };
    dialog.setDefaultSuffix(suffixOf(filters.constFirst()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, suffixOf](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    dialog.selectFile(proposed);
    return chosenFile(dialog);
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

namespace kirvolt {

QString askPictureFileName(QWidget* parent, const QString& proposed)
{
    return askExportName(parent, QCoreApplication::translate("FileDialogs", "Export Picture"), proposed,
                         {QCoreApplication::translate("FileDialogs", "PNG Image (*.png)"),
                          QCoreApplication::translate("FileDialogs", "SVG Drawing (*.svg)"),
                          QCoreApplication::translate("FileDialogs", "PDF Document (*.pdf)")});
}

QString askSolutionFileName(QWidget* parent, const QString& proposed)
{
    return askExportName(parent, QCoreApplication::translate("FileDialogs", "Export Worked Solution"), proposed,
                         {QCoreApplication::translate("FileDialogs", "Web Page (*.html)"),
                          QCoreApplication::translate("FileDialogs", "PDF Document (*.pdf)")});
}

}  // namespace kirvolt
