#include "app/export_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "app/export_picture_dialog.h"
#include "app/file_dialogs.h"
#include "app/picture_settings.h"
#include "editing/command_ids.h"
#include "editing/document_commands.h"
#include "export/export_files.h"
#include "view/export/circuit_picture.h"
#include "view/widgets/kirvolt_message.h"

namespace kirvolt {
namespace {

void showFailure(const FileResult& result, QWidget* parent)
{
    if (!result.ok) {
        showKirvoltMessage(parent, QString::fromStdString(result.message));
    }
}

}  // namespace

void exportPicture(const CKirvoltDoc& doc, const QString& proposedName, QWidget* parent)
{
    if (doc.components.empty()) {
        showKirvoltMessage(parent, QCoreApplication::translate("Export", EMPTY_PICTURE_MESSAGE));
        return;
    }
    ExportPictureDialog dialog(loadPictureOptions(), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const PictureOptions options = dialog.options();
    savePictureOptions(options);
    const QString path = askPictureFileName(parent, proposedName);
    if (!path.isEmpty()) {
        showFailure(writePictureFile(doc, options, path.toStdString()), parent);
    }
}

bool analyseWhenStale(CKirvoltDoc& doc)
{
    if (!doc.resultsAreCurrent()) {
        runDocumentCommand(doc, ID_COMPUTE);
    }
    return doc.resultsAreCurrent();
}

void exportWorkedSolution(CKirvoltDoc& doc, const QString& circuitName, const QString& proposedName, QWidget* parent)
{
    if (!analyseWhenStale(doc)) {
        return;
    }
    const QString path = askSolutionFileName(parent, proposedName);
    if (path.isEmpty()) {
        return;
    }
    const AnalysisOutcome analysis = analyseForShowing(doc);
    if (analysis.refusal) {
        showKirvoltMessage(parent, QString::fromStdString(analysis.refusal->message));
        return;
    }
    const WorkedSolution solution = buildWorkedSolution(doc, circuitName.toStdString(), analysis);
    showFailure(writeReportFile(doc, solution, path.toStdString()), parent);
}

void copyPicture(const CKirvoltDoc& doc, QWidget* parent)
{
    const PictureOptions options = loadPictureOptions();
    const QImage image = circuitImage(doc, options);
    if (image.isNull()) {
        showKirvoltMessage(parent, QCoreApplication::translate("Export", EMPTY_PICTURE_MESSAGE));
        return;
    }
    auto* data = new QMimeData;
    data->setImageData(image);
    data->setData(QStringLiteral("image/svg+xml"), QByteArray::fromStdString(circuitSvg(doc, options).value_or("")));
    QApplication::clipboard()->setMimeData(data);
}

}  // namespace kirvolt
