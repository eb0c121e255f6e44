#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

#include "app/live_results_settings.h"
#include "document/geometry.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QToolButton;

namespace kirvolt {

class CKirvoltApp;
class CKirvoltDoc;
class CKirvoltFrame;
class CKirvoltView;
class ErcPanel;
class HelpWindow;
class KeyIndicators;
class OpenCircuit;

// The main window: the circuit windows in a multi-document area, the menus (a short set
// while no circuit is open), the main and command toolbars and the status bar. Commands go
// to the application, to this window, or to the document of the active circuit window.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(CKirvoltApp& app);
    ~CMainFrame() override;

    // The document of the active circuit window, or none while no circuit window is open.
    CKirvoltDoc* ActiveDocument() const;
    CKirvoltFrame* activeFrame() const;
    QList<CKirvoltFrame*> frames() const;
    // Every open circuit once, in window order.
    std::vector<OpenCircuit*> circuits() const;

    // Opens a new maximized window onto the circuit and makes it active.
    CKirvoltFrame* addFrame(std::shared_ptr<OpenCircuit> circuit);

    QAction* commandAction(int id) const { return actions.value(id); }
    // Connects a handler to a command; commands without one stay disabled.
    void setCommandHandler(int id, std::function<void()> handler);
    // A command with a handler is enabled only while its condition holds.
    void setCommandEnabler(int id, std::function<bool()> enabled);
    QMdiArea* mdiArea() const { return area; }
    QToolBar* mainToolBar() const { return mainBar; }
    QToolBar* commandToolBar() const { return commandBar; }
    QToolButton* zoomButton() const { return zoomDropDown; }
    QMenu* zoomMenu() const { return zoomLevels; }
    // The Electrical Rule Check's panel, once the check has run.
    ErcPanel* ruleCheckPanel() const { return ercPanel; }
    // True while the circuit menus are shown, false for the short menus.
    bool showsCircuitMenus() const { return circuitMenusShown; }
    // The menus of the menu bar as now shown.
    QList<QMenu*> shownMenus() const;
    // Analyse > Analyse as I Draw, View > Voltages on the Drawing and Currents on the Drawing.
    QAction* analyseAsIDrawAction() const { return analyseAsIDraw; }
    QAction* voltagesOnDrawingAction() const { return voltagesOnDrawing; }
    QAction* currentsOnDrawingAction() const { return currentsOnDrawing; }

    // Check marks and enabled states for the settings in force, as after every command.
    void updateCommandUi();
    // Refills the recent-file entries of the File menus.
    void updateRecentFileMenu();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    // The live results' commands, checked as last chosen; each choice is remembered.
    void createLiveActions();
    void chooseLiveResults();
    // Every view of the circuit paints the numbers chosen, and the circuit follows its edits
    // with analyses while Analyse as I Draw is on; its answers go to the status bar.
    void applyLiveResults(OpenCircuit& circuit);
    bool isActiveLiveAnalysis(const QObject* live) const;
    void showLiveRefusal(const QString& reason);
    void showLiveResults();
    void connectCommands();
    void connectDocumentCommands();
    void connectEditCommands();
    void updateHistoryTexts();
    CKirvoltView* activeView() const;
    // The commands for the element under the pointer, its menu twins among them.
    void showContextMenu(CKirvoltView& view, Point logical, const QPoint& global);
    QMenu* createFileMenu(bool circuitOpen);
    QMenu* createViewMenu(bool circuitOpen);
    QMenu* createExamplesMenu();
    // Opens an example and shows what it is for in the status bar.
    void openExample(const QString& path, const QString& description);
    QMenu* newMenu(const QString& title);
    void addActions(QWidget* target, const std::vector<int>& ids);

    void runDocumentCommand(int id);
    // The tutor and the print commands work on the circuit of the active window.
    void runOnActiveDocument(const std::function<void(CKirvoltDoc&)>& command);
    void onSubWindowActivated(QMdiSubWindow* window);
    void showMenusFor(bool circuitOpen);
    void updateWindowMenu();
    void updateMainTitle();
    void toggleBar(QWidget* bar);
    void newWindow();
    void arrangeIcons();
    void switchPane();
    void showAbout();
    void showHelp();
    // The one question about several modified circuits: Save All, Discard All or Cancel. False
    // when Kirvolt is to stay open.
    bool saveAllModified(const std::vector<OpenCircuit*>& modified);

    CKirvoltApp& app;
    QMdiArea* area;
    QHash<int, QAction*> actions;
    QHash<int, std::function<void()>> handlers;
    QHash<int, std::function<bool()>> enablers;
    QList<QAction*> recentFileActions;
    QAction* noRecentFileAction = nullptr;
    QAction* helpAction = nullptr;
    QPointer<HelpWindow> help;
    QList<QMenu*> noCircuitMenus;
    QList<QMenu*> circuitMenus;
    QMenu* windowMenu = nullptr;
    QMenu* zoomLevels = nullptr;
    QToolBar* mainBar = nullptr;
    QToolBar* commandBar = nullptr;
    QToolButton* zoomDropDown = nullptr;
    // The message pane's resting text: what a click does in the active circuit's mode.
    QLabel* modePane = nullptr;
    QLabel* positionPane = nullptr;
    KeyIndicators* keyIndicators = nullptr;
    ErcPanel* ercPanel = nullptr;
    bool circuitMenusShown = false;
    LiveResultsSettings liveResults;
    QAction* analyseAsIDraw = nullptr;
    QAction* voltagesOnDrawing = nullptr;
    QAction* currentsOnDrawing = nullptr;
};

}  // namespace kirvolt
