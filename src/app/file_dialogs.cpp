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

// Everything File > Open reads: circuit files and the netlist endings it draws.
QString openableFilter()
{
    return QCoreApplication::translate("FileDialogs", "Circuits and Netlists (*.kvt *.cir *.net *.sp *.spice)");
}

QString allFilesFilter()
{
    return QCoreApplication::translate("FileDialogs", "All Files (*.*)");
}

QString chosenFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString run(QFileDialog& dialog, const QStringList& filters)
{
    dialog.setNameFilters(filters);
    return chosenFile(dialog);
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
    return run(dialog, {openableFilter(), circuitFilter(), netlistFilter(), allFilesFilter()});
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
