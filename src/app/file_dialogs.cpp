#include "app/file_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace kirvolt {

namespace {

QString circuitFilter()
{
    return QCoreApplication::translate("FileDialogs", "Kirvolt Files (*.kvt)");
}

QString netlistFilter()
{
    return QCoreApplication::translate("FileDialogs", "SPICE Netlists (*.cir *.net *.sp *.spice)");
}

QString allFilesFilter()
{
    return QCoreApplication::translate("FileDialogs", "All Files (*.*)");
}

QString run(QFileDialog& dialog, const QStringList& filters)
{
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString askSaveName(QWidget* parent, const QString& caption, const QString& proposed, const QString& suffix,
                    const QString& filter)
{
    QFileDialog dialog(parent, caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(proposed);
    return run(dialog, {filter, allFilesFilter()});
}

}  // namespace

QString askOpenFileName(QWidget* parent)
{
    QFileDialog dialog(parent, QCoreApplication::translate("FileDialogs", "Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return run(dialog, {circuitFilter(), netlistFilter(), allFilesFilter()});
}

QString askSaveFileName(QWidget* parent, const QString& proposed)
{
    return askSaveName(parent, QCoreApplication::translate("FileDialogs", "Save As"), proposed, QStringLiteral("kvt"),
                       circuitFilter());
}

QString askNetlistFileName(QWidget* parent, const QString& proposed)
{
    return askSaveName(parent, QCoreApplication::translate("FileDialogs", "Export SPICE Netlist"), proposed,
                       QStringLiteral("cir"), QCoreApplication::translate("FileDialogs", "SPICE Netlists (*.cir)"));
}

}  // namespace kirvolt
