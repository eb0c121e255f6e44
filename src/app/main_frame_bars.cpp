// The menus, toolbars and status bar of the main window.
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/app_command_ids.h"
#include "app/language_menu.h"
#include "app/command_table.h"
#include "app/example_index.h"
#include "app/key_indicators.h"
#include "app/kirvolt_app.h"
#include "app/main_frame.h"
#include "app/recent_file_list.h"
#include "document/circuit_document.h"
#include "editing/command_ids.h"
#include "editing/document_commands.h"

namespace kirvolt {

namespace {

constexpr int SEPARATOR = 0;

QString translated(const char* text)
{
    return QCoreApplication::translate("CMainFrame", text);
}

// Commands whose check mark follows a setting, as well as the bar toggles. The choices of one
// setting are not grouped: a group would draw radio bullets, and updateCommandUi marks the one
// in force after every command anyway.
bool isCheckable(int id)
{
    static const CKirvoltDoc fresh;
    return commandChecked(fresh, id).has_value() || id == ID_VIEW_TOOLBAR || id == ID_VIEW_COMMAND_TOOLBAR ||
           id == ID_VIEW_STATUS_BAR || isAnalysisMethodCommand(id);
}

std::vector<int> zoomLevelIds()
{
    std::vector<int> ids;
    for (int id = ID_ZOOM_50; id <= ID_ZOOM_500; ++id) {
        ids.push_back(id);
    }
    return ids;
}

}  // namespace

void CMainFrame::createActions()
{
    for (const CommandEntry& entry : commandTable()) {
        auto* action = new QAction(translated(entry.text), this);
        action->setData(entry.id);
        if (entry.prompt != nullptr) {
            const QStringList parts = translated(entry.prompt).split(QLatin1Char('\n'));
            action->setStatusTip(parts.value(0));
            action->setToolTip(parts.value(1));
        }
        // Menus show check marks rather than pressed icons.
        if (entry.icon != nullptr) {
            action->setIcon(QIcon(QStringLiteral(":/icons/") + QLatin1String(entry.icon)));
            action->setIconVisibleInMenu(false);
        }
        if (entry.shortcuts != nullptr) {
            action->setShortcuts(QKeySequence::listFromString(QLatin1String(entry.shortcuts)));
        }
        action->setCheckable(isCheckable(entry.id));
        action->setEnabled(false);
        addAction(action);
        actions.insert(entry.id, action);
    }
    for (int i = 0; i < RecentFileList::SIZE; ++i) {
        auto* action = new QAction(this);
        action->setStatusTip(tr("Open this document"));
        connect(action, &QAction::triggered, this, [this, i] { app.OnOpenRecentFile(i); });
        recentFileActions.append(action);
    }
    noRecentFileAction = new QAction(tr("Recent File"), this);
    noRecentFileAction->setEnabled(false);
    helpAction = new QAction(tr("Kirvolt &Help"), this);
    helpAction->setShortcut(QKeySequence::HelpContents);
    helpAction->setStatusTip(tr("Read how to draw, analyse and read a circuit"));
    connect(helpAction, &QAction::triggered, this, &CMainFrame::showHelp);
    addAction(helpAction);
}

QMenu* CMainFrame::createExamplesMenu()
{
    QMenu* examples = new QMenu(tr("Exa&mples"), this);
    const QList<ExampleEntry> entries = installedExamples();
    for (const ExampleEntry& entry : entries) {
        QAction* open = examples->addAction(entry.title);
        open->setStatusTip(entry.description);
        connect(open, &QAction::triggered, this,
                [this, entry] { openExample(entry.path, entry.description); });
    }
    examples->setEnabled(!entries.isEmpty());
    return examples;
}

QMenu* CMainFrame::newMenu(const QString& title)
{
    auto* menu = new QMenu(title, this);
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandUi);
    return menu;
}

void CMainFrame::addActions(QWidget* target, const std::vector<int>& ids)
{
    for (const int id : ids) {
        if (id == SEPARATOR) {
            auto* separator = new QAction(target);
            separator->setSeparator(true);
            target->addAction(separator);
        } else {
            target->addAction(actions.value(id));
        }
    }
}

QMenu* CMainFrame::createFileMenu(bool circuitOpen)
{
    QMenu* file = newMenu(tr("&File"));
    if (circuitOpen) {
        addActions(file, {ID_FILE_NEW, ID_FILE_NEW_EXERCISE, ID_FILE_OPEN});
        file->addMenu(createExamplesMenu());
        addActions(file, {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_EXPORT_NETLIST, SEPARATOR,
                          ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, SEPARATOR});
        addActions(file, {ID_FILE_EXPORT_PICTURE, ID_FILE_EXPORT_SOLUTION, SEPARATOR});
    } else {
        addActions(file, {ID_FILE_NEW, ID_FILE_NEW_EXERCISE, ID_FILE_OPEN});
        file->addMenu(createExamplesMenu());
        addActions(file, {SEPARATOR, ID_FILE_PRINT_SETUP, SEPARATOR});
    }
    file->addActions(recentFileActions);
    file->addAction(noRecentFileAction);
    addActions(file, {SEPARATOR, ID_APP_EXIT});
    return file;
}

QMenu* CMainFrame::createViewMenu(bool circuitOpen)
{
    QMenu* view = newMenu(tr("&View"));
    if (!circuitOpen) {
        addActions(view, {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, SEPARATOR});
        view->addMenu(createLanguageMenu(this));
        return view;
    }
    addActions(view, {ID_VIEW_TOOLBAR, ID_VIEW_COMMAND_TOOLBAR, ID_VIEW_STATUS_BAR, SEPARATOR, ID_VIEW_NO_GRID,
                      ID_VIEW_DOT_GRID, ID_VIEW_SQUARE_GRID, SEPARATOR});
    QMenu* zoom = view->addMenu(tr("&Zoom Scale"));
    addActions(zoom, zoomLevelIds());
    addActions(view, {SEPARATOR, ID_VIEW_EUROPEAN_STYLE, ID_VIEW_US_STYLE, SEPARATOR, ID_VIEW_REDRAW, SEPARATOR});
    QMenu* equations = view->addMenu(tr("Equations"));
    addActions(equations, {ID_EQUATIONS_NODAL});
    addActions(view, {ID_VIEW_MATRIX_FORM, ID_VIEW_FORMULAS, SEPARATOR});
    view->addAction(voltagesOnDrawing);
    view->addAction(currentsOnDrawing);
    addActions(view, {SEPARATOR});
    view->addMenu(createLanguageMenu(this));
    return view;
}

void CMainFrame::createMenus()
{
    QMenu* help = newMenu(tr("&Help"));
    help->addAction(helpAction);
    addActions(help, {ID_HELP_DESCRIBE_CIRCUIT, ID_APP_ABOUT});
    noCircuitMenus = {createFileMenu(false), createViewMenu(false), help};

    QMenu* edit = newMenu(tr("&Edit"));
    addActions(edit, {ID_EDIT_UNDO, ID_EDIT_REDO, SEPARATOR, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
                      ID_EDIT_CLEAR, ID_EDIT_SELECT_ALL, SEPARATOR, ID_EDIT_ROTATE, ID_EDIT_MIRROR, SEPARATOR,
                      ID_EDIT_MOVE, ID_EDIT_DELETE});
    addActions(edit, {SEPARATOR, ID_EDIT_COPY_PICTURE});
    QMenu* draw = newMenu(tr("&Draw"));
    addActions(draw, {ID_DRAW_SELECT, SEPARATOR, ID_DRAW_RESISTOR, ID_DRAW_VOLTAGE_SOURCE, ID_DRAW_CURRENT_SOURCE,
                      ID_DRAW_AMMETER, ID_DRAW_VOLTMETER, ID_DRAW_WIRE, ID_DRAW_TURNING_WIRE, ID_DRAW_TURNED_WIRE,
                      ID_DRAW_JOINT, SEPARATOR, ID_DRAW_EAST, ID_DRAW_NORTH, ID_DRAW_WEST, ID_DRAW_SOUTH});
    QMenu* analyse = newMenu(tr("&Analyse"));
    QMenu* using_ = analyse->addMenu(tr("U&sing"));
    addActions(using_, {ID_ANALYSE_NODE_VOLTAGE, ID_ANALYSE_MESH_CURRENT, ID_ANALYSE_LOOP_CURRENT});
    addActions(analyse, {ID_ELECTRICAL_RULE_CHECK, SEPARATOR, ID_ANALYSE_THEVENIN, ID_ANALYSE_SUPERPOSITION, SEPARATOR});
    analyse->addAction(analyseAsIDraw);
    QMenu* tutor = newMenu(tr("&Tutor"));
    addActions(tutor, {ID_TUTOR_NODAL, ID_TUTOR_CHECK_EQUATION, ID_TUTOR_MESH_CURRENT, ID_TUTOR_CHECK_MESH_EQUATION,
                       ID_TUTOR_LOOP_CURRENT, ID_TUTOR_CHORD_CURRENT, ID_TUTOR_MODIFIED_NODAL});
    windowMenu = newMenu(tr("&Window"));
    connect(windowMenu, &QMenu::aboutToShow, this, &CMainFrame::updateWindowMenu);
    circuitMenus = {createFileMenu(true), edit, createViewMenu(true), draw, analyse, tutor, windowMenu, help};

    zoomLevels = new QMenu(tr("Zoom In/Out"), this);
    addActions(zoomLevels, zoomLevelIds());
    showMenusFor(false);
}

void CMainFrame::showMenusFor(bool circuitOpen)
{
    circuitMenusShown = circuitOpen;
    actions.value(ID_VIEW_TOOLBAR)->setText(circuitOpen ? tr("Component &Toolbar") : tr("&Toolbar"));
    menuBar()->clear();
    for (QMenu* menu : circuitOpen ? circuitMenus : noCircuitMenus) {
        menuBar()->addMenu(menu);
    }
}

QList<QMenu*> CMainFrame::shownMenus() const
{
    return circuitMenusShown ? circuitMenus : noCircuitMenus;
}

void CMainFrame::createToolBars()
{
    mainBar = addToolBar(tr("Toolbar"));
    mainBar->setObjectName(QStringLiteral("mainToolBar"));
    addActions(mainBar, {ID_FILE_NEW, SEPARATOR, ID_DRAW_SELECT, SEPARATOR, ID_VIEW_NO_GRID, ID_VIEW_DOT_GRID,
                         ID_VIEW_SQUARE_GRID, SEPARATOR, ID_DRAW_EAST, ID_DRAW_NORTH, ID_DRAW_WEST, ID_DRAW_SOUTH,
                         ID_EDIT_ROTATE, ID_EDIT_MIRROR, SEPARATOR, ID_DRAW_RESISTOR, ID_DRAW_VOLTAGE_SOURCE,
                         ID_DRAW_CURRENT_SOURCE, ID_DRAW_AMMETER, ID_DRAW_VOLTMETER, SEPARATOR, ID_DRAW_WIRE,
                         ID_DRAW_TURNING_WIRE, ID_DRAW_TURNED_WIRE, ID_DRAW_JOINT, SEPARATOR, ID_ZOOM_IN, ID_ZOOM_OUT});
    zoomDropDown = new QToolButton(mainBar);
    zoomDropDown->setDefaultAction(actions.value(ID_ZOOM_SCALE));
    zoomDropDown->setMenu(zoomLevels);
    zoomDropDown->setPopupMode(QToolButton::MenuButtonPopup);
    mainBar->addWidget(zoomDropDown);
    addActions(mainBar, {SEPARATOR, ID_VIEW_EUROPEAN_STYLE, ID_VIEW_US_STYLE, SEPARATOR, ID_COMPUTE,
                         ID_ELECTRICAL_RULE_CHECK, ID_TUTOR_NODAL, ID_SHOW_EQUATION, ID_PRINT_SCALE, ID_APP_ABOUT});

    commandBar = new QToolBar(tr("Command Toolbar"), this);
    commandBar->setObjectName(QStringLiteral("commandToolBar"));
    addActions(commandBar, {ID_EDIT_INFO, SEPARATOR, ID_EDIT_MOVE, SEPARATOR, ID_EDIT_DELETE, SEPARATOR,
                            ID_EDIT_VALUE, SEPARATOR, ID_NODES_ASSIGN, ID_NODES_SHOW, ID_NODES_DATUM});
    addToolBar(Qt::LeftToolBarArea, commandBar);
    // The button a toolbar too short for its buttons shows has no text of its own.
    for (QToolBar* bar : {mainBar, commandBar}) {
        for (QWidget* more : bar->findChildren<QWidget*>(QStringLiteral("qt_toolbar_ext_button"))) {
            more->setAccessibleName(tr("More buttons"));
            more->setAccessibleDescription(tr("Shows the buttons that do not fit on the toolbar"));
        }
    }
}

void CMainFrame::createStatusBar()
{
    modePane = new QLabel(tr("Ready"), statusBar());
    modePane->setObjectName(QStringLiteral("modePane"));
    statusBar()->addWidget(modePane, 1);
    positionPane = new QLabel(statusBar());
    positionPane->setMinimumWidth(positionPane->fontMetrics().horizontalAdvance(QStringLiteral("(00000,00000)")));
    statusBar()->addPermanentWidget(positionPane);
    keyIndicators = new KeyIndicators(statusBar());
    for (QLabel* indicator : keyIndicators->panes()) {
        statusBar()->addPermanentWidget(indicator);
    }
}

}  // namespace kirvolt
