#include "app/main_frame.h"

#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <iterator>

#include "analysis/known_methods.h"
#include "analysis/loop_method.h"
#include "analysis/mesh_method.h"
#include "app/about_dialog.h"
#include "app/app_command_ids.h"
#include "app/command_table.h"
#include "app/erc_panel.h"
#include "app/export_commands.h"
#include "app/help_window.h"
#include "app/kirvolt_app.h"
#include "app/kirvolt_frame.h"
#include "app/live_analysis.h"
#include "app/circuit_words_window.h"
#include "app/formulas_window.h"
#include "app/matrix_form_command.h"
#include "app/theorem_windows.h"
#include "app/loop_current_marks.h"
#include "app/mesh_current_marks.h"
#include "app/chord_tutor_command.h"
#include "app/loop_tutor_command.h"
#include "app/mesh_tutor_command.h"
#include "app/mode_hints.h"
#include "view/widgets/kirvolt_message.h"
#include "app/open_circuit.h"
#include "app/recent_file_list.h"
#include "editing/command_ids.h"
#include "editing/document_commands.h"
#include "tutor/mesh_current_tutor.h"
#include "tutor/modified_nodal_tutor.h"
#include "tutor/nodal_tutor.h"
#include "view/circuit_view.h"
#include "view/printing/circuit_printing.h"
#include "view/printing/print_scale_command.h"

namespace kirvolt {
namespace {

// Turning the element being moved and changing how the circuit is shown are part of a move;
// every other command changes the mode, works on the circuit or leaves it, so it ends the
// move first.
bool keepsPendingMove(int id)
{
    const bool turning = id == ID_DRAW_EAST || id == ID_DRAW_NORTH || id == ID_DRAW_WEST || id == ID_DRAW_SOUTH ||
                         id == ID_EDIT_ROTATE || id == ID_EDIT_MIRROR;
    const bool grid = id == ID_VIEW_NO_GRID || id == ID_VIEW_DOT_GRID || id == ID_VIEW_SQUARE_GRID;
    const bool zoom = id == ID_ZOOM_IN || id == ID_ZOOM_OUT || (id >= ID_ZOOM_50 && id <= ID_ZOOM_500);
    const bool style = id == ID_VIEW_EUROPEAN_STYLE || id == ID_VIEW_US_STYLE;
    return turning || grid || zoom || style || id == ID_NODES_SHOW || id == ID_VIEW_REDRAW;
}

// An export is proposed beside the circuit's file and named after it.
QString exportName(const OpenCircuit& circuit, const QString& suffix)
{
    const QString stored = circuit.pathName();
    const QString name = QFileInfo(stored.isEmpty() ? circuit.title() : stored).completeBaseName() + u'.' + suffix;
    return stored.isEmpty() ? name : QFileInfo(stored).dir().filePath(name);
}

}  // namespace

CMainFrame::CMainFrame(CKirvoltApp& app) : app(app), area(new QMdiArea(this))
{
    setCentralWidget(area);
    setAcceptDrops(true);
    createActions();
    createLiveActions();
    createMenus();
    createToolBars();
    createStatusBar();
    connectCommands();
    connect(area, &QMdiArea::subWindowActivated, this, &CMainFrame::onSubWindowActivated);
    connect(this, &QWidget::windowTitleChanged, this, &CMainFrame::updateMainTitle);
    connect(&app.recentFiles(), &RecentFileList::changed, this, &CMainFrame::updateRecentFileMenu);
    updateRecentFileMenu();
    updateCommandUi();
}

// The windows go after this part of the main window, and must not reach it while they go.
CMainFrame::~CMainFrame()
{
    disconnect(area, nullptr, this, nullptr);
    disconnect(this, nullptr, this, nullptr);
    for (CKirvoltFrame* frame : frames()) {
        disconnect(frame, nullptr, this, nullptr);
    }
}

CKirvoltFrame* CMainFrame::activeFrame() const
{
    return qobject_cast<CKirvoltFrame*>(area->currentSubWindow());
}

CKirvoltDoc* CMainFrame::ActiveDocument() const
{
    CKirvoltFrame* frame = activeFrame();
    return frame != nullptr ? &frame->circuit().doc() : nullptr;
}

QList<CKirvoltFrame*> CMainFrame::frames() const
{
    QList<CKirvoltFrame*> result;
    for (QMdiSubWindow* window : area->subWindowList()) {
        if (auto* frame = qobject_cast<CKirvoltFrame*>(window)) {
            result.append(frame);
        }
    }
    return result;
}

std::vector<OpenCircuit*> CMainFrame::circuits() const
{
    std::vector<OpenCircuit*> result;
    for (CKirvoltFrame* frame : frames()) {
        if (std::ranges::find(result, &frame->circuit()) == result.end()) {
            result.push_back(&frame->circuit());
        }
    }
    return result;
}

CKirvoltFrame* CMainFrame::addFrame(std::shared_ptr<OpenCircuit> circuit)
{
    auto* frame = new CKirvoltFrame(std::move(circuit));
    area->addSubWindow(frame);
    frame->setWindowIcon(QIcon(QStringLiteral(":/kirvolt.svg")));
    connect(frame->circuitView(), &CKirvoltView::gridPositionChanged, positionPane, &QLabel::setText);
    connect(frame->circuitView(), &CKirvoltView::editingSettingsChanged, this, &CMainFrame::updateCommandUi);
    connect(frame->circuitView(), &CKirvoltView::contextMenuRequested, this,
            [this, view = frame->circuitView()](Point logical, const QPoint& global) {
                showContextMenu(*view, logical, global);
            });
    connect(&frame->circuit(), &OpenCircuit::viewsUpdated, this, &CMainFrame::updateCommandUi,
            Qt::UniqueConnection);
    connect(&frame->circuit(), &OpenCircuit::historyChanged, this, &CMainFrame::updateCommandUi,
            Qt::UniqueConnection);
    connect(frame, &CKirvoltFrame::closed, this, [this] { onSubWindowActivated(area->currentSubWindow()); });
    applyLiveResults(frame->circuit());
    connect(frame, &QWidget::windowTitleChanged, this, &CMainFrame::updateMainTitle);
    connect(frame, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::updateMainTitle);
    frame->showMaximized();
    area->setActiveSubWindow(frame);
    onSubWindowActivated(frame);
    return frame;
}

void CMainFrame::setCommandHandler(int id, std::function<void()> handler)
{
    handlers.insert(id, std::move(handler));
    updateCommandUi();
}

void CMainFrame::setCommandEnabler(int id, std::function<bool()> enabled)
{
    enablers.insert(id, std::move(enabled));
    updateCommandUi();
}

void CMainFrame::connectCommands()
{
    for (auto it = actions.cbegin(); it != actions.cend(); ++it) {
        const int id = it.key();
        connect(it.value(), &QAction::triggered, this, [this, id] {
            if (CKirvoltFrame* frame = activeFrame(); frame != nullptr && !keepsPendingMove(id)) {
                frame->circuit().cancelPendingMoves();
            }
            if (const auto handler = handlers.value(id)) {
                handler();
            }
            if (CKirvoltFrame* frame = activeFrame()) {
                frame->circuitView()->followMode();
            }
            updateCommandUi();
        });
    }
    connectDocumentCommands();
    connectEditCommands();
    setCommandHandler(ID_FILE_NEW, [this] { app.OnFileNew(); });
    setCommandHandler(ID_FILE_NEW_EXERCISE, [this] { app.OnFileNewExercise(); });
    setCommandHandler(ID_FILE_OPEN, [this] { app.OnFileOpen(); });
    setCommandHandler(ID_FILE_PRINT_SETUP, [this] { app.OnFilePrintSetup(); });
    setCommandHandler(ID_APP_EXIT, [this] { close(); });
    setCommandHandler(ID_APP_ABOUT, [this] { showAbout(); });
    setCommandHandler(ID_FILE_CLOSE, [this] {
        if (CKirvoltFrame* frame = activeFrame(); frame != nullptr && frame->circuit().saveModified()) {
            frame->circuit().closeAllFrames();
        }
    });
    setCommandHandler(ID_FILE_SAVE, [this] {
        if (CKirvoltFrame* frame = activeFrame()) {
            frame->circuit().save();
        }
    });
    setCommandHandler(ID_FILE_SAVE_AS, [this] {
        if (CKirvoltFrame* frame = activeFrame()) {
            frame->circuit().saveAs();
        }
    });
    setCommandHandler(ID_FILE_EXPORT_NETLIST, [this] {
        if (CKirvoltFrame* frame = activeFrame()) {
            frame->circuit().exportNetlist();
        }
    });
    setCommandHandler(ID_VIEW_TOOLBAR, [this] { toggleBar(mainBar); });
    setCommandHandler(ID_VIEW_COMMAND_TOOLBAR, [this] { toggleBar(commandBar); });
    setCommandHandler(ID_VIEW_STATUS_BAR, [this] { toggleBar(statusBar()); });
    setCommandHandler(ID_WINDOW_NEW, [this] { newWindow(); });
    setCommandHandler(ID_WINDOW_CASCADE, [this] { area->cascadeSubWindows(); });
    setCommandHandler(ID_WINDOW_TILE, [this] { area->tileSubWindows(); });
    setCommandHandler(ID_WINDOW_ARRANGE, [this] { arrangeIcons(); });
    setCommandHandler(ID_NEXT_PANE, [this] { switchPane(); });
    setCommandHandler(ID_PREV_PANE, [this] { switchPane(); });
    // The zoom button itself does nothing; its arrow opens the zoom levels.
    setCommandHandler(ID_ZOOM_SCALE, [] {});
    setCommandHandler(ID_TUTOR_MODIFIED_NODAL, [this] {
        runOnActiveDocument([this](CKirvoltDoc& doc) {
            OpenCircuit& circuit = activeFrame()->circuit();
            runModifiedNodalAnalysisTutor(doc, this, [&circuit](const Highlight* h) { circuit.setHighlight(h); },
                                          [&circuit] { return circuit.drawingOnScreen(); });
        });
    });
    setCommandHandler(ID_TUTOR_NODAL, [this] {
        runOnActiveDocument([this](CKirvoltDoc& doc) {
            const OpenCircuit& circuit = activeFrame()->circuit();
            runNodalAnalysisTutor(doc, this, showKirvoltMessage, [&circuit] { return circuit.drawingOnScreen(); });
        });
    });
    setCommandHandler(ID_TUTOR_MESH_CURRENT, [this] {
        runOnActiveDocument([this](CKirvoltDoc&) { runMeshTutorCommand(activeFrame()->circuit(), this); });
    });
    setCommandHandler(ID_TUTOR_CHORD_CURRENT, [this] {
        runOnActiveDocument([this](CKirvoltDoc&) { runChordTutorCommand(activeFrame()->circuit(), this); });
    });
    setCommandHandler(ID_TUTOR_LOOP_CURRENT, [this] {
        runOnActiveDocument([this](CKirvoltDoc&) { runLoopTutorCommand(activeFrame()->circuit(), this); });
    });
    setCommandHandler(ID_PRINT_SCALE, [this] {
        runOnActiveDocument([this](CKirvoltDoc& doc) { runPrintScaleCommand(doc, this); });
    });
    setCommandHandler(ID_FILE_PRINT, [this] {
        runOnActiveDocument([this](CKirvoltDoc& doc) { printCircuit(doc, app.printer(), this); });
    });
    setCommandHandler(ID_FILE_EXPORT_PICTURE, [this] {
        if (CKirvoltFrame* frame = activeFrame()) {
            exportPicture(frame->circuit().doc(), exportName(frame->circuit(), QStringLiteral("png")), this);
        }
    });
    setCommandHandler(ID_FILE_EXPORT_SOLUTION, [this] {
        if (CKirvoltFrame* frame = activeFrame()) {
            OpenCircuit& circuit = frame->circuit();
            exportWorkedSolution(circuit.doc(), QFileInfo(circuit.title()).completeBaseName(),
                                 exportName(circuit, QStringLiteral("html")), this);
        }
    });
    setCommandHandler(ID_VIEW_MATRIX_FORM, [this] {
        if (CKirvoltFrame* frame = activeFrame()) {
            showMatrixForm(frame->circuit().doc(), QFileInfo(frame->circuit().title()).completeBaseName(), this);
        }
    });
    setCommandHandler(ID_HELP_DESCRIBE_CIRCUIT, [this] {
        runOnActiveDocument([this](const CKirvoltDoc& doc) { showCircuitInWords(doc, this); });
    });
    setCommandHandler(ID_VIEW_FORMULAS, [this] {
        runOnActiveDocument([this](CKirvoltDoc& doc) { showNodeFormulas(doc, this); });
    });
    setCommandHandler(ID_ELECTRICAL_RULE_CHECK, [this] {
        if (CKirvoltFrame* frame = activeFrame()) {
            if (ercPanel == nullptr) {
                ercPanel = new ErcPanel(this);
                addDockWidget(Qt::BottomDockWidgetArea, ercPanel);
            }
            ercPanel->check(frame->circuit());
        }
    });
    setCommandHandler(ID_ANALYSE_THEVENIN, [this] {
        runOnActiveDocument([this](CKirvoltDoc& doc) { showTheveninEquivalent(doc, this); });
    });
    setCommandHandler(ID_ANALYSE_SUPERPOSITION, [this] {
        runOnActiveDocument([this](CKirvoltDoc& doc) { showSuperposition(doc, this); });
    });
    setCommandHandler(ID_EDIT_COPY_PICTURE, [this] {
        runOnActiveDocument([this](CKirvoltDoc& doc) { copyPicture(doc, this); });
    });
    setCommandHandler(ID_FILE_PRINT_PREVIEW, [this] {
        runOnActiveDocument([this](CKirvoltDoc& doc) { previewCircuit(doc, app.printer(), this); });
    });
}

void CMainFrame::connectDocumentCommands()
{
    for (const CommandEntry& entry : commandTable()) {
        if (entry.route == CommandRoute::Document && handlesDocumentCommand(entry.id)) {
            const int id = entry.id;
            handlers.insert(id, [this, id] { runDocumentCommand(id); });
        }
    }
}

void CMainFrame::runOnActiveDocument(const std::function<void(CKirvoltDoc&)>& command)
{
    CKirvoltDoc* doc = ActiveDocument();
    if (doc == nullptr) {
        showKirvoltMessage(this, tr("Get Document Pointer failed."));
        return;
    }
    command(*doc);
}

void CMainFrame::runDocumentCommand(int id)
{
    CKirvoltFrame* frame = activeFrame();
    if (frame == nullptr) {
        showKirvoltMessage(this, tr("Get Document Pointer failed."));
        return;
    }
    CKirvoltDoc& doc = frame->circuit().doc();
    kirvolt::runDocumentCommand(doc, id);
    if (isAnalysisMethodCommand(id) || id == ID_COMPUTE) {
        const std::vector<MeshCurrentMark> marks = &methodOf(doc) == &meshMethod() && doc.resultsAreCurrent()
                                                       ? meshCurrentMarks(doc)
                                                       : std::vector<MeshCurrentMark>{};
        const bool byLoops = &methodOf(doc) == &loopMethod() && doc.resultsAreCurrent();
        const LoopPicture loops = byLoops ? loopCurrentPicture(doc) : LoopPicture{};
        for (CKirvoltFrame* shown : frame->circuit().frames()) {
            shown->circuitView()->showMeshCurrents(marks);
            shown->circuitView()->showLoopCurrents(loops);
            shown->revealResults();
        }
    }
    frame->circuit().updateFrameTitles();
}

void CMainFrame::updateCommandUi()
{
    const CKirvoltDoc* doc = ActiveDocument();
    for (const CommandEntry& entry : commandTable()) {
        QAction* action = actions.value(entry.id);
        const bool routed = entry.route == CommandRoute::Application || doc != nullptr;
        const auto enabler = enablers.constFind(entry.id);
        const bool allowed = enabler == enablers.constEnd() || (*enabler)();
        action->setEnabled(handlers.contains(entry.id) && routed && allowed);
        if (action->isCheckable()) {
            action->setChecked(doc != nullptr && commandChecked(*doc, entry.id).value_or(false));
        }
    }
    updateHistoryTexts();
    modePane->setText(doc != nullptr ? modeHint(doc->mode, methodOf(*doc).name()) : tr("Ready"));
    actions.value(ID_VIEW_TOOLBAR)->setChecked(!mainBar->isHidden());
    actions.value(ID_VIEW_COMMAND_TOOLBAR)->setChecked(!commandBar->isHidden());
    actions.value(ID_VIEW_STATUS_BAR)->setChecked(!statusBar()->isHidden());
    for (OpenCircuit* circuit : circuits()) {
        circuit->updateFrameTitles();
    }
    updateMainTitle();
}

void CMainFrame::updateRecentFileMenu()
{
    const QStringList& files = app.recentFiles().files();
    for (int i = 0; i < recentFileActions.size(); ++i) {
        QAction* action = recentFileActions[i];
        action->setVisible(i < files.size());
        if (i < files.size()) {
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files[i])));
        }
    }
    noRecentFileAction->setVisible(files.isEmpty());
}

// A move belongs to its window and stays pending while another window is active.
void CMainFrame::onSubWindowActivated(QMdiSubWindow*)
{
    const bool circuitOpen = !frames().isEmpty();
    if (circuitOpen != circuitMenusShown) {
        showMenusFor(circuitOpen);
    }
    updateCommandUi();
}

void CMainFrame::updateWindowMenu()
{
    windowMenu->clear();
    addActions(windowMenu, {ID_WINDOW_NEW, ID_WINDOW_CASCADE, ID_WINDOW_TILE, ID_WINDOW_ARRANGE});
    const QList<CKirvoltFrame*> open = frames();
    if (!open.isEmpty()) {
        windowMenu->addSeparator();
    }
    for (qsizetype i = 0; i < open.size(); ++i) {
        CKirvoltFrame* frame = open[i];
        const QString title = frame->windowTitle().remove(QStringLiteral("[*]"));
        QAction* entry = windowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(title));
        entry->setCheckable(true);
        entry->setChecked(frame == activeFrame());
        entry->setStatusTip(tr("Activate this window"));
        connect(entry, &QAction::triggered, this, [this, frame] { area->setActiveSubWindow(frame); });
    }
}

// "Kirvolt - Kirvolt1" beside a circuit window and "Kirvolt - [Kirvolt1]" while it fills the
// area, as multi-document programs name their main window. The window area writes the second
// form itself from whatever title it found before, so every change is brought back to this.
void CMainFrame::updateMainTitle()
{
    const QString program = QStringLiteral("Kirvolt");
    QString title = program;
    bool modified = false;
    if (const CKirvoltFrame* frame = activeFrame()) {
        const QString circuit = frame->windowTitle();
        title = frame->isMaximized() ? QStringLiteral("%1 - [%2]").arg(program, circuit)
                                     : QStringLiteral("%1 - %2").arg(program, circuit);
        modified = frame->isWindowModified();
    }
    if (windowTitle() != title) {
        setWindowTitle(title);
    }
    setWindowModified(modified);
}

void CMainFrame::toggleBar(QWidget* bar)
{
    bar->setVisible(bar->isHidden());
}

void CMainFrame::newWindow()
{
    if (CKirvoltFrame* frame = activeFrame()) {
        addFrame(frame->sharedCircuit());
    }
}

// Minimized windows go in a row along the bottom of the window area.
void CMainFrame::arrangeIcons()
{
    int x = 0;
    for (QMdiSubWindow* window : area->subWindowList()) {
        if (window->isMinimized()) {
            window->move(x, area->viewport()->height() - window->height());
            x += window->width();
        }
    }
}

void CMainFrame::switchPane()
{
    if (CKirvoltFrame* frame = activeFrame()) {
        frame->switchPane();
    }
}

void CMainFrame::showAbout()
{
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::showHelp()
{
    if (help == nullptr) {
        help = new HelpWindow(this);
    }
    help->show();
    help->raise();
    help->activateWindow();
}

void CMainFrame::openExample(const QString& path, const QString& description)
{
    if (app.OpenExample(path) != nullptr) {
        statusBar()->showMessage(description);
    }
}

// Exit asks about the circuits with unsaved changes before anything closes: one question for
// one circuit, one question listing them all for several.
void CMainFrame::closeEvent(QCloseEvent* event)
{
    const std::vector<OpenCircuit*> open = circuits();
    std::vector<OpenCircuit*> modified;
    std::ranges::copy_if(open, std::back_inserter(modified), [](OpenCircuit* c) { return c->doc().IsModified(); });
    const bool answered = modified.size() > 1 ? saveAllModified(modified)
                                              : std::ranges::all_of(modified, &OpenCircuit::saveModified);
    if (!answered) {
        event->ignore();
        return;
    }
    for (OpenCircuit* circuit : open) {
        circuit->closeAllFrames();
    }
    event->accept();
}

bool CMainFrame::saveAllModified(const std::vector<OpenCircuit*>& modified)
{
    QStringList names;
    for (const OpenCircuit* circuit : modified) {
        names.append(circuit->shownName());
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kirvolt"),
                    tr("Save changes to these circuits?\n\n%1").arg(names.join(u'\n')),
                    QMessageBox::SaveAll | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.button(QMessageBox::Discard)->setText(tr("Discard All"));
    switch (box.exec()) {
    case QMessageBox::SaveAll:
        // A save refused or cancelled keeps Kirvolt open; those saved before it stay saved.
        return std::ranges::all_of(modified, &OpenCircuit::save);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::ranges::any_of(urls, &QUrl::isLocalFile)) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    activateWindow();
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            app.OpenDocumentFile(url.toLocalFile());
        }
    }
    event->acceptProposedAction();
}

}  // namespace kirvolt
