#include "app/kirvolt_app.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QGuiApplication>
#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QRandomGenerator>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>

#include "analysis/stored_results.h"
#include "app/file_dialogs.h"
#include "app/kirvolt_frame.h"
#include "app/main_frame.h"
#include "app/new_exercise_dialog.h"
#include "view/widgets/kirvolt_message.h"
#include "app/open_circuit.h"
#include "app/recovery_store.h"
#include "document/circuit_file.h"
#include "spice/netlist_files.h"
#include "view/circuit_accessible.h"

namespace kirvolt {

CKirvoltApp::CKirvoltApp() = default;
CKirvoltApp::~CKirvoltApp() = default;

bool CKirvoltApp::InitInstance(const QStringList& arguments)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Nodewerks"));
    QCoreApplication::setApplicationName(QStringLiteral("Kirvolt"));
    recent.load();
    recovery = std::make_unique<RecoveryStore>();
    installCircuitAccessibility();

    frame = std::make_unique<CMainFrame>(*this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        frame->resize(screen->size());
    }
    const bool reopened = offerRecovery();

    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("file"), tr("Circuit file to open"));
    parser.parse(arguments);
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        return reopened || OnFileNew() != nullptr;
    }
    return OpenDocumentFile(files.constFirst()) != nullptr;
}

std::shared_ptr<OpenCircuit> CKirvoltApp::makeCircuit(const QString& title)
{
    auto circuit = std::make_shared<OpenCircuit>(title);
    circuit->doc().shareDisplaySettings(display);
    connect(circuit.get(), &OpenCircuit::savedTo, &recent, &RecentFileList::add);
    recovery->watch(*circuit);
    return circuit;
}

bool CKirvoltApp::offerRecovery()
{
    OrphanedSessions orphans = recovery->claimOrphans();
    bool reopened = false;
    for (const RecoveredCircuit& recovered : orphans.circuits) {
        const QString name = recovered.savedPath.isEmpty() ? recovered.title : recovered.savedPath;
        QMessageBox box(QMessageBox::Question, QStringLiteral("Kirvolt"),
                        tr("Kirvolt ended without closing %1, which had unsaved changes.\n"
                           "Reopen it with those changes? If you do not, they are discarded.")
                            .arg(name),
                        QMessageBox::Yes | QMessageBox::No, frame.get());
        if (box.exec() == QMessageBox::Yes) {
            reopenRecovered(recovered);
            reopened = true;
        }
    }
    orphans.discard();
    return reopened;
}

// The circuit comes back as the user left it: under its file's name and path when it had
// been saved, modified in any case; its own recovery file is written again within a second.
void CKirvoltApp::reopenRecovered(const RecoveredCircuit& recovered)
{
    auto circuit = makeCircuit(recovered.title);
    const FileResult result = loadCircuit(recovered.circuitFile.toStdString(), circuit->doc());
    if (!result.ok) {
        showKirvoltMessage(frame.get(), QString::fromStdString(result.message));
        return;
    }
    adoptStoredResults(circuit->doc());
    circuit->restartHistory();
    if (!recovered.savedPath.isEmpty()) {
        circuit->setPathName(recovered.savedPath);
    }
    static const QRegularExpression untitled(QStringLiteral("^Kirvolt(\\d+)$"));
    if (const QRegularExpressionMatch match = untitled.match(recovered.title); match.hasMatch()) {
        untitledCount = std::max(untitledCount, match.captured(1).toInt());
    }
    circuit->markUnsaved();
    frame->addFrame(circuit);
    emit circuit->historyChanged();
}

QPrinter& CKirvoltApp::printer()
{
    if (!printSetup) {
        printSetup = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printSetup;
}

OpenCircuit* CKirvoltApp::OnFileNew()
{
    auto circuit = makeCircuit(QStringLiteral("Kirvolt%1").arg(++untitledCount));
    frame->addFrame(circuit);
    return circuit.get();
}

OpenCircuit* CKirvoltApp::OnFileNewExercise()
{
    // Five digits at most, so that a teacher can read the seed out to a class.
    NewExerciseDialog dialog(QRandomGenerator::global()->bounded(1, 100000), frame.get());
    if (dialog.exec() != QDialog::Accepted || !dialog.seed()) {
        return nullptr;
    }
    return OpenExercise(*dialog.seed(), dialog.counts());
}

// Undo stops at the exercise as drawn, and closing asks to save it, as for an imported netlist.
OpenCircuit* CKirvoltApp::OpenExercise(std::uint64_t seed, const ExerciseCounts& counts)
{
    auto circuit = makeCircuit(tr("Exercise %1").arg(seed));
    if (const std::optional<std::string> refusal = drawExercise(seed, counts, circuit->doc())) {
        showKirvoltMessage(frame.get(), QString::fromStdString(*refusal));
        return nullptr;
    }
    circuit->restartHistory();
    circuit->markUnsaved();
    frame->addFrame(circuit);
    frame->statusBar()->showMessage(tr("Exercise %1 (%2): find the voltage of every node and the current in every component.")
                                        .arg(seed)
                                        .arg(QString::fromStdString(exerciseCountsText(counts))));
    return circuit.get();
}

void CKirvoltApp::OnFileOpen()
{
    const QString path = askOpenFileName(frame.get());
    if (!path.isEmpty()) {
        OpenDocumentFile(path);
    }
}

OpenCircuit* CKirvoltApp::OpenDocumentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (CKirvoltFrame* open : frame->frames()) {
        if (open->circuit().pathName() == absolute) {
            frame->mdiArea()->setActiveSubWindow(open);
            return &open->circuit();
        }
    }
    if (isNetlistPath(absolute.toStdString())) {
        return importNetlistFile(absolute);
    }
    auto circuit = readCircuitFile(absolute, QFileInfo(absolute).fileName());
    if (!circuit) {
        return nullptr;
    }
    circuit->setPathName(absolute);
    recent.add(absolute);
    frame->addFrame(circuit);
    return circuit.get();
}

// The bundled file stays as it was installed: the copy has no path, so Save asks for a name,
// and it is unmodified until the student changes it, so closing it untouched asks nothing.
OpenCircuit* CKirvoltApp::OpenExample(const QString& path)
{
    auto circuit = readCircuitFile(QFileInfo(path).absoluteFilePath(), QFileInfo(path).completeBaseName());
    if (!circuit) {
        return nullptr;
    }
    frame->addFrame(circuit);
    return circuit.get();
}

std::shared_ptr<OpenCircuit> CKirvoltApp::readCircuitFile(const QString& absolute, const QString& title)
{
    auto circuit = makeCircuit(title);
    const FileResult result = loadCircuit(absolute.toStdString(), circuit->doc());
    if (!result.ok) {
        showKirvoltMessage(frame.get(), QString::fromStdString(result.message));
        return nullptr;
    }
    adoptStoredResults(circuit->doc());
    circuit->doc().SetModifiedFlag(false);
    circuit->restartHistory();
    return circuit;
}

// A netlist is no circuit file: its drawing has no path yet, so that saving asks for one, and
// it stays modified, so that closing asks first, even after every later edit is undone; undo
// stops at the drawing.
OpenCircuit* CKirvoltApp::importNetlistFile(const QString& path)
{
    auto circuit = makeCircuit(QFileInfo(path).completeBaseName());
    const FileResult result = importNetlist(path.toStdString(), circuit->doc());
    if (!result.ok) {
        showKirvoltMessage(frame.get(), QString::fromStdString(result.message));
        return nullptr;
    }
    circuit->restartHistory();
    circuit->markUnsaved();
    recent.add(path);
    frame->addFrame(circuit);
    return circuit.get();
}

void CKirvoltApp::OnOpenRecentFile(int index)
{
    const QString path = recent.files().value(index);
    if (!path.isEmpty() && OpenDocumentFile(path) == nullptr) {
        recent.remove(index);
    }
}

void CKirvoltApp::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&printer(), frame.get());
    dialog.exec();
}

}  // namespace kirvolt
