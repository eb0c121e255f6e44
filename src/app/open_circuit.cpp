#include "app/open_circuit.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QMessageBox>

#include <algorithm>

#include "app/file_dialogs.h"
#include "app/history_step.h"
#include "app/kirvolt_frame.h"
#include "app/live_analysis.h"
#include "view/widgets/kirvolt_message.h"
#include "document/circuit_file.h"
#include "spice/netlist_files.h"
#include "view/circuit_view.h"
#include "view/dialogs/equation_check_dialog.h"
#include "view/dialogs/node_equations_dialog.h"

namespace kirvolt {

OpenCircuit::OpenCircuit(const QString& title)
    : docTitle(title), userPort(*this), document(std::make_unique<CKirvoltDoc>()), live(new LiveAnalysis(*this))
{
    document->setPort(&userPort);
    userPort.setNodeEquationsDialog([this](const NodeEquationTexts& texts) {
        NodeEquationsDialog dialog(texts, dialogParent());
        keepClear(dialog);
        dialog.exec();
    });
    userPort.setEquationCheckRunner([this](const EquationCheckDialog& request) {
        EquationCheckWindow dialog(request, dialogParent());
        keepClear(dialog);
        dialog.exec();
    });
    changes.restart(*document);
    changes.setStepListener([this] {
        stack.push(new HistoryStep(*this, QString::fromStdString(changes.undoName())));
    });
    connect(&stack, &QUndoStack::indexChanged, this, &OpenCircuit::historyChanged);
    connect(&stack, &QUndoStack::indexChanged, live, &LiveAnalysis::circuitChanged);
    connect(&stack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        document->SetModifiedFlag(!clean);
        updateFrameTitles();
    });
}

void OpenCircuit::restartHistory()
{
    changes.restart(*document);
    const bool modified = document->IsModified();
    stack.clear();
    document->SetModifiedFlag(modified);
    emit historyChanged();
}

void OpenCircuit::markUnsaved()
{
    stack.resetClean();
    document->SetModifiedFlag(true);
    updateFrameTitles();
}

bool OpenCircuit::editInProgress() const
{
    return std::ranges::any_of(circuitFrames, [](const CKirvoltFrame* frame) {
        const CircuitEditor& editor = frame->circuitView()->editor();
        return editor.movePending() || editor.dragging();
    });
}

void OpenCircuit::undo()
{
    cancelPendingMoves();
    stack.undo();
    document->UpdateAllViews();
}

void OpenCircuit::redo()
{
    cancelPendingMoves();
    stack.redo();
    document->UpdateAllViews();
}

// The document may still report while it is destroyed, and the stack announces that it is
// emptied; neither must reach this object, or the windows being closed, then.
OpenCircuit::~OpenCircuit()
{
    disconnect(&stack, nullptr, this, nullptr);
    disconnect(&stack, nullptr, live, nullptr);
    document->setPort(nullptr);
}

void OpenCircuit::setPathName(const QString& pathName)
{
    path = QFileInfo(pathName).absoluteFilePath();
    docTitle = QFileInfo(path).fileName();
    updateFrameTitles();
}

void OpenCircuit::addFrame(CKirvoltFrame* frame)
{
    circuitFrames.append(frame);
    connect(frame->circuitView(), &CKirvoltView::valueTurned, live, &LiveAnalysis::circuitChanged);
    updateFrameTitles();
}

void OpenCircuit::removeFrame(CKirvoltFrame* frame)
{
    circuitFrames.removeOne(frame);
    updateFrameTitles();
}

QWidget* OpenCircuit::dialogParent() const
{
    return circuitFrames.isEmpty() ? nullptr : circuitFrames.constFirst()->window();
}

const CKirvoltView* OpenCircuit::shownView() const
{
    for (const CKirvoltFrame* frame : circuitFrames) {
        if (frame->circuitView()->isVisible()) {
            return frame->circuitView();
        }
    }
    return nullptr;
}

QRect OpenCircuit::drawingOnScreen() const
{
    const CKirvoltView* view = shownView();
    return view != nullptr ? view->drawingOnScreen() : QRect();
}

void OpenCircuit::keepClear(ScreenPlacedDialog& dialog) const
{
    if (const CKirvoltView* view = shownView()) {
        dialog.keepClearOf(view->explainedOnScreen(), view->drawingOnScreen());
    }
}

void OpenCircuit::updateAllViews()
{
    live->followResults();
    for (CKirvoltFrame* frame : circuitFrames) {
        frame->updateViews();
    }
    updateFrameTitles();
    emit viewsUpdated();
}

void OpenCircuit::updateFrameTitles()
{
    const bool numbered = circuitFrames.size() > 1;
    for (qsizetype i = 0; i < circuitFrames.size(); ++i) {
        const QString title = numbered ? QStringLiteral("%1:%2").arg(docTitle).arg(i + 1) : docTitle;
        circuitFrames[i]->setWindowTitle(title + QStringLiteral("[*]"));
        circuitFrames[i]->setWindowModified(document->IsModified());
    }
}

bool OpenCircuit::save()
{
    return path.isEmpty() ? saveAs() : saveTo(path);
}

bool OpenCircuit::saveAs()
{
    // An untitled circuit (an example's copy among them) is offered the user's documents folder,
    // never whatever folder Kirvolt was started in, which may hold the bundled examples.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString untitled = docTitle + QStringLiteral(".kvt");
    const QString proposed = !path.isEmpty()          ? path
                             : QDir(documents).exists() ? QDir(documents).filePath(untitled)
                                                        : untitled;
    const QString chosen = askSaveFileName(dialogParent(), proposed);
    return !chosen.isEmpty() && saveTo(chosen);
}

bool OpenCircuit::exportNetlist()
{
    const QString chosen = askNetlistFileName(dialogParent(), QFileInfo(docTitle).completeBaseName() + QStringLiteral(".cir"));
    if (chosen.isEmpty()) {
        return false;
    }
    const FileResult result =
        kirvolt::exportNetlist(*document, QFileInfo(chosen).absoluteFilePath().toStdString(), docTitle.toStdString());
    if (!result.ok) {
        showKirvoltMessage(dialogParent(), QString::fromStdString(result.message));
    }
    return result.ok;
}

// A file never goes out without an element that is only picked up for moving.
bool OpenCircuit::saveTo(const QString& pathName)
{
    cancelPendingMoves();
    const FileResult result = saveCircuit(*document, QFileInfo(pathName).absoluteFilePath().toStdString());
    if (!result.ok) {
        document->SetModifiedFlag(true);
        showKirvoltMessage(dialogParent(), QString::fromStdString(result.message));
        return false;
    }
    document->SetModifiedFlag(false);
    stack.setClean();
    setPathName(pathName);
    emit savedTo(path);
    return true;
}

bool OpenCircuit::saveModified()
{
    if (!document->IsModified()) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kirvolt"), tr("Save changes to %1?").arg(shownName()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, dialogParent());
    switch (box.exec()) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void OpenCircuit::setHighlight(const Highlight* highlight)
{
    for (CKirvoltFrame* frame : circuitFrames) {
        frame->circuitView()->setHighlight(highlight);
    }
}

void OpenCircuit::cancelPendingMoves()
{
    for (CKirvoltFrame* frame : circuitFrames) {
        frame->circuitView()->cancelPendingMove();
    }
}

void OpenCircuit::closeAllFrames()
{
    closing = true;
    const QList<CKirvoltFrame*> open = circuitFrames;
    for (CKirvoltFrame* frame : open) {
        frame->close();
    }
}

}  // namespace kirvolt
