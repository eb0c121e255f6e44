#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <vector>

#include "app/app_command_ids.h"
#include "app/property_view.h"
#include "app_fixture.h"
#include "editing/command_ids.h"
#include "kirvolt_version.h"
#include "modal_answerer.h"
#include "support/sample_circuits.h"
#include "view/circuit_view.h"

namespace kirvolt::testing {
namespace {

using MainFrame = AppFixture;

QStringList menuTitles(const CMainFrame& frame)
{
    QStringList titles;
    for (const QMenu* menu : frame.shownMenus()) {
        titles.append(menu->title());
    }
    return titles;
}

// The visible entries of a menu, "|" for a separator.
QStringList entries(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (action->isVisible()) {
            texts.append(action->isSeparator() ? QStringLiteral("|") : action->text());
        }
    }
    return texts;
}

// Tooltips of a toolbar's buttons in order, "|" for a separator.
QStringList buttons(const QToolBar* bar)
{
    QStringList tips;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator()) {
            tips.append(QStringLiteral("|"));
        } else if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
            tips.append(button->defaultAction()->toolTip());
        }
    }
    return tips;
}

// Reads how a menu would draw the check mark of an action.
class InspectedMenu : public QMenu {
public:
    QStyleOptionMenuItem::CheckType checkType(QAction* action)
    {
        addAction(action);
        QStyleOptionMenuItem option;
        initStyleOption(&option, action);
        removeAction(action);
        return option.checkType;
    }
};

TEST_F(MainFrame, SettingsShowCheckMarksNotRadioBullets)
{
    InspectedMenu menu;
    for (const int id : {ID_DRAW_SELECT, ID_DRAW_RESISTOR, ID_DRAW_WIRE, ID_DRAW_JOINT, ID_EDIT_MOVE, ID_DRAW_EAST,
                         ID_DRAW_SOUTH, ID_VIEW_NO_GRID, ID_VIEW_DOT_GRID, ID_VIEW_SQUARE_GRID, ID_ZOOM_50,
                         ID_ZOOM_500, ID_VIEW_EUROPEAN_STYLE, ID_VIEW_US_STYLE, ID_TUTOR_NODAL}) {
        EXPECT_EQ(menu.checkType(&action(id)), QStyleOptionMenuItem::NonExclusive) << id;
    }
    trigger(ID_DRAW_SELECT);  // choosing the one in force keeps its mark
    EXPECT_TRUE(action(ID_DRAW_SELECT).isChecked());
    trigger(ID_VIEW_SQUARE_GRID);
    EXPECT_TRUE(action(ID_VIEW_SQUARE_GRID).isChecked());
    EXPECT_FALSE(action(ID_VIEW_DOT_GRID).isChecked());
}

TEST_F(MainFrame, TitleNamesTheActiveCircuitMaximizedOrNot)
{
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Kirvolt - [Kirvolt1[*]]"));
    activeFrame().showNormal();
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Kirvolt - Kirvolt1[*]"));
    activeDoc().SetModifiedFlag(true);
    activeFrame().circuit().updateAllViews();
    EXPECT_TRUE(frame().isWindowModified());
    activeFrame().showMaximized();
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Kirvolt - [Kirvolt1[*]]"));
    activeDoc().SetModifiedFlag(false);
    trigger(ID_FILE_NEW);
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Kirvolt - [Kirvolt2[*]]"));
    EXPECT_FALSE(frame().isWindowModified());
    activeFrame().showNormal();
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Kirvolt - Kirvolt2[*]"));
    for (CKirvoltFrame* open : frame().frames()) {
        open->close();
    }
    settle();
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Kirvolt"));
}

TEST_F(MainFrame, StartsWithOneMaximizedWindowKirvolt1SplitNinetyNineToOne)
{
    ASSERT_EQ(frame().frames().size(), 1);
    CKirvoltFrame& first = activeFrame();
    EXPECT_EQ(first.windowTitle(), QStringLiteral("Kirvolt1[*]"));
    EXPECT_TRUE(first.isMaximized());
    EXPECT_EQ(first.focusWidget(), first.propertyView());

    const QList<int> sizes = first.splitter()->sizes();
    const int width = sizes[0] + sizes[1];
    EXPECT_NEAR(sizes[0], width * 99 / 100, 2);
    EXPECT_NEAR(sizes[1], width / 100, 2);
    EXPECT_EQ(first.splitter()->widget(0), first.circuitView());

    trigger(ID_FILE_NEW);
    EXPECT_EQ(activeFrame().windowTitle(), QStringLiteral("Kirvolt2[*]"));
    EXPECT_EQ(frame().frames().size(), 2);
}

TEST_F(MainFrame, ShowsTheShortMenusOnlyWhileNoCircuitIsOpen)
{
    EXPECT_EQ(menuTitles(frame()), (QStringList{"&File", "&Edit", "&View", "&Draw", "&Analyse", "&Tutor",
                                                "&Window", "&Help"}));
    const QList<QMenu*> circuitMenus = frame().shownMenus();
    EXPECT_EQ(entries(circuitMenus[0]),
              (QStringList{"&New", "New Exerc&ise...", "&Open...", "Exa&mples", "&Close", "&Save", "Save &As...",
                           "&Export SPICE Netlist...", "|", "&Print...", "Print Pre&view", "P&rint Setup...", "|",
                           "&Export Picture...", "Export &Worked Solution...", "|", "Recent File", "|", "E&xit"}));
    EXPECT_EQ(entries(circuitMenus[1]),
              (QStringList{"&Undo", "&Redo", "|", "Cu&t", "&Copy", "&Paste", "De&lete Selection", "Select &All", "|",
                           "R&otate", "M&irror", "|", "&Move", "&Delete", "|", "Copy P&icture"}));
    EXPECT_EQ(entries(circuitMenus[2]),
              (QStringList{"Component &Toolbar", "&Command Toolbar", "&Status Bar", "|", "&No Grid", "&Dot Grid",
                           "S&quare Grid", "|", "&Zoom Scale", "|", "&European Style", "&US Style", "|", "&Re-Draw",
                           "|", "Equations", "&Matrix Form", "&Formulas", "|", "Voltages on the Drawing",
                           "Currents on the Drawing", "|", "&Language"}));
    EXPECT_EQ(entries(circuitMenus[3]),
              (QStringList{"&Select", "|", "&Resistor", "&Voltage Source", "&Current Source", "&Ammeter", "V&oltmeter",
                           "&Wire", "Turning Wire, &Across First", "Turning Wire, Up or D&own First", "&Joint", "|",
                           "&Eastwards", "&Northwards", "&Westwar&ds", "So&uthwards"}));
    EXPECT_EQ(entries(circuitMenus[4]),
              (QStringList{"U&sing", "Electrical &Rule Check", "|", QString::fromUtf8("Th\xC3\xA9venin Equivalent..."),
                           "Superposition", "|", "Analyse as I Draw"}));
    EXPECT_EQ(entries(circuitMenus[4]->actions()[0]->menu()),
              (QStringList{"Node Voltage Method", "Mesh Current Method", "Loop Current Method"}));
    EXPECT_EQ(entries(circuitMenus[5]), QStringList({"Nodal Analysis Tutor", "Check My Node Equation", "Mesh Current Tutor",
                                                     "Check My Mesh Equation", "Loop Current Tutor",
                                                     "Chord Current Tutor", "Modified Nodal Analysis Tutor"}));
    EXPECT_EQ(entries(circuitMenus[7]), (QStringList{"Kirvolt &Help", "Describe Circuit", "&About Kirvolt..."}));

    trigger(ID_FILE_CLOSE);
    settle();
    EXPECT_TRUE(frame().frames().isEmpty());
    EXPECT_FALSE(frame().showsCircuitMenus());
    EXPECT_EQ(menuTitles(frame()), (QStringList{"&File", "&View", "&Help"}));
    const QList<QMenu*> shortMenus = frame().shownMenus();
    EXPECT_EQ(entries(shortMenus[0]),
              (QStringList{"&New", "New Exerc&ise...", "&Open...", "Exa&mples", "|", "P&rint Setup...", "|", "Recent File", "|", "E&xit"}));
    EXPECT_EQ(entries(shortMenus[1]), (QStringList{"&Toolbar", "&Status Bar", "|", "&Language"}));
    EXPECT_FALSE(action(ID_DRAW_RESISTOR).isEnabled());

    trigger(ID_FILE_NEW);
    EXPECT_TRUE(frame().showsCircuitMenus());
}

TEST_F(MainFrame, AcceleratorsAreThoseOfTheProgram)
{
    const std::vector<std::pair<int, QString>> keys = {
        {ID_FILE_NEW, "Ctrl+N"},   {ID_FILE_OPEN, "Ctrl+O"},       {ID_FILE_SAVE, "Ctrl+S"},
        {ID_FILE_PRINT, "Ctrl+P"}, {ID_EDIT_UNDO, "Ctrl+Z, Alt+Backspace"}, {ID_EDIT_CUT, "Ctrl+X, Shift+Del"},
        {ID_EDIT_COPY, "Ctrl+C, Ctrl+Ins"}, {ID_EDIT_PASTE, "Ctrl+V, Shift+Ins"}, {ID_NEXT_PANE, "F6"},
        {ID_PREV_PANE, "Shift+F6"},
    };
    for (const auto& [id, sequence] : keys) {
        QStringList texts;
        for (const QKeySequence& key : action(id).shortcuts()) {
            texts.append(key.toString(QKeySequence::PortableText));
        }
        EXPECT_EQ(texts.join(QStringLiteral(", ")), sequence) << id;
    }
    for (const int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}) {
        EXPECT_FALSE(action(id).isEnabled()) << id;
    }
}

TEST_F(MainFrame, ToolbarsHoldEveryButtonInOrder)
{
    EXPECT_EQ(buttons(frame().mainToolBar()),
              (QStringList{"New", "|", "Select", "|", "Hide Grid", "Dot Grid", "Square Grid", "|", "East", "North",
                           "West", "South", "Rotate", "Mirror", "|", "Resistor", "Voltage Source", "Current Source",
                           "Ammeter", "Voltmeter", "|", "Wire", "Turning Wire", "Turning Wire", "Joint", "|", "zoom in",
                           "zoom out", "scale", "|", "EU Style", "US Style", "|", "Compute", "ERC",
                           "Nodal Analysis Tutor", "Show equation", "Set Print Scale", "About"}));
    EXPECT_EQ(frame().mainToolBar()->widgetForAction(frame().mainToolBar()->actions()[28]), frame().zoomButton());
    EXPECT_EQ(buttons(frame().commandToolBar()),
              (QStringList{"Info", "|", "Move", "|", "Delete", "|", "Value", "|", "Assign Node Numbers",
                           "Hide/Show node numbers", "Set Datum Node"}));
    EXPECT_EQ(frame().toolBarArea(frame().commandToolBar()), Qt::LeftToolBarArea);
    EXPECT_EQ(frame().toolBarArea(frame().mainToolBar()), Qt::TopToolBarArea);
}

TEST_F(MainFrame, PromptsAreTheProgramsOwnTexts)
{
    const std::vector<std::pair<int, QString>> prompts = {
        {ID_NODES_SHOW, "Hide/Show thr Node Numbers of the circuit"},
        {ID_VIEW_SQUARE_GRID, "Show the Display of Orhtogonal Grid"},
        {ID_VIEW_US_STYLE, "Dsiplay all Resistors in US Style"},
        {ID_DRAW_JOINT, "Made a joint between two or more Components"},
        {ID_SHOW_EQUATION, "Show voltage-current equation and calculation steps."},
        {ID_TUTOR_NODAL, "This will guide you through the steps in the Nodal Analysis Process"},
        {ID_VIEW_COMMAND_TOOLBAR, "Show or Hide the Command Toolbar"},
    };
    for (const auto& [id, prompt] : prompts) {
        EXPECT_EQ(action(id).statusTip(), prompt) << id;
    }
    EXPECT_EQ(action(ID_VIEW_COMMAND_TOOLBAR).toolTip(), QStringLiteral("Toggle Command Toolbar"));
}

TEST_F(MainFrame, HoveringAButtonShowsItsPromptAndLeavingShowsTheModesText)
{
    QStatusBar* status = frame().statusBar();
    QWidget* resistor = frame().mainToolBar()->widgetForAction(&action(ID_DRAW_RESISTOR));
    QTest::mouseMove(resistor);
    QStatusTipEvent hover(action(ID_DRAW_RESISTOR).statusTip());
    QCoreApplication::sendEvent(resistor, &hover);
    EXPECT_EQ(status->currentMessage(), QStringLiteral("Insert a Resistor to the circuit"));
    QStatusTipEvent leave{QString()};
    QCoreApplication::sendEvent(resistor, &leave);
    EXPECT_TRUE(status->currentMessage().isEmpty());
    const QList<QLabel*> labels = status->findChildren<QLabel*>();
    // The resting text is what a click does in the circuit's mode, Select at first.
    EXPECT_TRUE(std::ranges::any_of(labels, [](const QLabel* label) {
        return label->text().startsWith(QStringLiteral("Select: click to select")) && label->isVisible();
    }));
}

struct SettingCommand {
    int id;
    std::int32_t CKirvoltDoc::*field;
    int value;
};

TEST_F(MainFrame, EachCommandSetsItsSettingAndChecksOnlyInItsOwnWindow)
{
    const SettingCommand commands[] = {
        {ID_DRAW_RESISTOR, &CKirvoltDoc::mode, 101},       {ID_DRAW_VOLTAGE_SOURCE, &CKirvoltDoc::mode, 102},
        {ID_DRAW_CURRENT_SOURCE, &CKirvoltDoc::mode, 103}, {ID_DRAW_WIRE, &CKirvoltDoc::mode, 106},
        {ID_DRAW_JOINT, &CKirvoltDoc::mode, 109},          {ID_EDIT_INFO, &CKirvoltDoc::mode, 200},
        {ID_EDIT_DELETE, &CKirvoltDoc::mode, 201},         {ID_EDIT_MOVE, &CKirvoltDoc::mode, 202},
        {ID_EDIT_VALUE, &CKirvoltDoc::mode, 210},          {ID_NODES_DATUM, &CKirvoltDoc::mode, 213},
        {ID_DRAW_NORTH, &CKirvoltDoc::orientation, 1},     {ID_DRAW_WEST, &CKirvoltDoc::orientation, 2},
        {ID_DRAW_SOUTH, &CKirvoltDoc::orientation, 3},     {ID_VIEW_NO_GRID, &CKirvoltDoc::gridStyle, 400},
        {ID_VIEW_SQUARE_GRID, &CKirvoltDoc::gridStyle, 402},
    };
    CKirvoltFrame& first = activeFrame();
    trigger(ID_FILE_NEW);
    CKirvoltFrame& second = activeFrame();
    const CKirvoltDoc fresh;
    for (const SettingCommand& command : commands) {
        frame().mdiArea()->setActiveSubWindow(&first);
        QTest::mouseClick(frame().mainToolBar()->widgetForAction(&action(ID_DRAW_SELECT)), Qt::LeftButton);
        trigger(command.id);
        EXPECT_EQ(first.circuit().doc().*command.field, command.value) << command.id;
        EXPECT_TRUE(action(command.id).isChecked()) << command.id;

        frame().mdiArea()->setActiveSubWindow(&second);
        EXPECT_EQ(second.circuit().doc().*command.field, fresh.*command.field) << command.id;
        EXPECT_FALSE(action(command.id).isChecked()) << command.id;
    }
    EXPECT_TRUE(action(ID_DRAW_SELECT).isChecked());
    EXPECT_TRUE(action(ID_DRAW_EAST).isChecked());
    EXPECT_TRUE(action(ID_VIEW_DOT_GRID).isChecked());
}

TEST_F(MainFrame, ToolbarClicksRunTheirCommands)
{
    QTest::mouseClick(frame().mainToolBar()->widgetForAction(&action(ID_DRAW_WIRE)), Qt::LeftButton);
    EXPECT_EQ(activeDoc().mode, 106);
    EXPECT_TRUE(action(ID_DRAW_WIRE).isChecked());
    EXPECT_FALSE(action(ID_DRAW_SELECT).isChecked());
    QTest::mouseClick(frame().commandToolBar()->widgetForAction(&action(ID_EDIT_DELETE)), Qt::LeftButton);
    EXPECT_EQ(activeDoc().mode, 201);
    EXPECT_FALSE(action(ID_DRAW_WIRE).isChecked());
    QTest::mouseClick(frame().commandToolBar()->widgetForAction(&action(ID_NODES_SHOW)), Qt::LeftButton);
    EXPECT_EQ(activeDoc().display().showNodeNumbers, 0);
}

TEST_F(MainFrame, ResistorStyleChecksInEveryWindow)
{
    CKirvoltFrame& first = activeFrame();
    trigger(ID_FILE_NEW);
    trigger(ID_VIEW_US_STYLE);
    for (CKirvoltFrame* window : {&first, &activeFrame()}) {
        frame().mdiArea()->setActiveSubWindow(window);
        EXPECT_TRUE(action(ID_VIEW_US_STYLE).isChecked());
        EXPECT_FALSE(action(ID_VIEW_EUROPEAN_STYLE).isChecked());
    }
}

TEST_F(MainFrame, ZoomStopsAtFiveHundredAndFiftyPercent)
{
    QToolButton* zoom = frame().zoomButton();
    EXPECT_EQ(zoom->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(zoom->menu()->title(), QStringLiteral("Zoom In/Out"));
    EXPECT_EQ(entries(zoom->menu()), (QStringList{"50%", "75%", "100%", "150%", "200%", "250%", "300%", "350%",
                                                  "400%", "450%", "500%"}));

    zoom->menu()->actions()[10]->trigger();
    EXPECT_EQ(activeDoc().gridSize, 100);
    trigger(ID_ZOOM_IN);
    EXPECT_EQ(activeDoc().gridSize, 100);
    EXPECT_TRUE(action(ID_ZOOM_500).isChecked());

    zoom->menu()->actions()[0]->trigger();
    trigger(ID_ZOOM_OUT);
    EXPECT_EQ(activeDoc().gridSize, 10);
    EXPECT_TRUE(action(ID_ZOOM_50).isChecked());

    trigger(ID_ZOOM_IN);
    trigger(ID_ZOOM_IN);
    EXPECT_EQ(activeDoc().gridSize, 20);
    EXPECT_TRUE(action(ID_ZOOM_50 + 2).isChecked());
    EXPECT_FALSE(action(ID_ZOOM_50).isChecked());
    zoom->click();
    EXPECT_EQ(activeDoc().gridSize, 20);
}

TEST_F(MainFrame, BarTogglesHideAndShowTheirBars)
{
    const std::pair<int, QWidget*> bars[] = {{ID_VIEW_TOOLBAR, frame().mainToolBar()},
                                             {ID_VIEW_COMMAND_TOOLBAR, frame().commandToolBar()},
                                             {ID_VIEW_STATUS_BAR, frame().statusBar()}};
    for (const auto& [id, bar] : bars) {
        EXPECT_TRUE(action(id).isChecked());
        trigger(id);
        EXPECT_TRUE(bar->isHidden()) << id;
        EXPECT_FALSE(action(id).isChecked()) << id;
        trigger(id);
        EXPECT_FALSE(bar->isHidden()) << id;
        EXPECT_TRUE(action(id).isChecked()) << id;
    }
    EXPECT_EQ(frame().toolBarArea(frame().commandToolBar()), Qt::LeftToolBarArea);
}

TEST_F(MainFrame, NoticeCommandsShowTheirNoticeInTheProgramsMessageBox)
{
    const std::pair<int, QString> notices[] = {
        {ID_EDIT_GROUP, "Will be ready in the next version."},
    };
    for (const auto& [id, text] : notices) {
        ModalAnswerer answerer;
        trigger(id);
        EXPECT_EQ(answerer.texts, QStringList{text}) << id;
        EXPECT_EQ(answerer.captions, QStringList{"Kirvolt"});
        EXPECT_EQ(answerer.icons, QList<QMessageBox::Icon>{QMessageBox::Warning});
    }
    EXPECT_EQ(activeDoc().mode, MODE_SELECT);
}

// The texts of the labels of a dialog, in layout order.
QStringList labelTexts(const QDialog* dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            texts.append(label->text());
        }
    }
    return texts;
}

TEST_F(MainFrame, ModifiedNodalAnalysisTutorOpensWithItsNotes)
{
    buildVoltageDivider(activeDoc());
    ModalAnswerer answerer;
    QString title;
    QStringList texts;
    answerer.onDialog = [&](QDialog* dialog) {
        title = dialog->windowTitle();
        texts = labelTexts(dialog);
        dialog->reject();
    };
    trigger(ID_TUTOR_MODIFIED_NODAL);
    EXPECT_EQ(title, QStringLiteral("Modified Nodal Analysis"));
    ASSERT_EQ(texts.size(), 5);
    EXPECT_EQ(texts[0], QStringLiteral("\nBackground notes"));
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral("Nodal Analysis employs branch voltages as its independent variables")));
    EXPECT_TRUE(texts[2].startsWith(QStringLiteral("Modified Nodal Analysis is derived from Nodal Analysis")));
    EXPECT_TRUE(texts[3].startsWith(QStringLiteral("Together with the branch voltage variables")));
    EXPECT_EQ(texts[4], QStringLiteral("This tutor will take you through writing the extra equations for the voltage "
                                       "sources and solving the enlarged set of equations."));
    EXPECT_TRUE(answerer.texts.isEmpty());
}

TEST_F(MainFrame, AboutBoxShowsTheVersion)
{
    ModalAnswerer answerer;
    QStringList texts;
    answerer.onDialog = [&](QDialog* dialog) {
        texts = labelTexts(dialog);
        dialog->accept();
    };
    trigger(ID_APP_ABOUT);
    EXPECT_TRUE(texts.contains(QStringLiteral("Kirvolt Version " KIRVOLT_VERSION)));
}

TEST_F(MainFrame, NewWindowShowsTheSameCircuitUnderNumberedTitles)
{
    CKirvoltFrame& first = activeFrame();
    trigger(ID_WINDOW_NEW);
    CKirvoltFrame& second = activeFrame();
    EXPECT_EQ(&first.circuit(), &second.circuit());
    EXPECT_EQ(first.windowTitle(), QStringLiteral("Kirvolt1:1[*]"));
    EXPECT_EQ(second.windowTitle(), QStringLiteral("Kirvolt1:2[*]"));
    trigger(ID_VIEW_SQUARE_GRID);
    frame().mdiArea()->setActiveSubWindow(&first);
    EXPECT_TRUE(action(ID_VIEW_SQUARE_GRID).isChecked());

    second.close();
    settle();
    EXPECT_EQ(first.windowTitle(), QStringLiteral("Kirvolt1[*]"));
}

TEST_F(MainFrame, PointerMovesShowTheGridPointInTheStatusBar)
{
    CKirvoltView* view = activeFrame().circuitView();
    QTest::mouseMove(view->viewport(), QPoint(55, 31));
    const QList<QLabel*> labels = frame().statusBar()->findChildren<QLabel*>();
    EXPECT_TRUE(std::ranges::any_of(labels, [](const QLabel* l) { return l->text() == QStringLiteral("(3,2)"); }));
}

TEST(GridPositionText, RoundsToTheNearestGridPointTiesUp)
{
    struct Case {
        QPoint client;
        int gridSize;
        const char* text;
    };
    const Case cases[] = {
        {{0, 0}, 20, "(0,0)"},     {{9, 10}, 20, "(0,1)"},       {{7, 8}, 15, "(0,1)"},
        {{4999, 50}, 100, "(50,1)"}, {{-30, 0}, 20, "(65535,0)"}, {{1234, 567}, 10, "(123,57)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gridPositionText(c.client, c.gridSize), QString::fromLatin1(c.text));
    }
}

TEST_F(MainFrame, ViewsScrollOverTheirFixedAreas)
{
    CKirvoltView* view = activeFrame().circuitView();
    EXPECT_EQ(view->logicalSize(), QSize(5000, 5000));
    EXPECT_EQ(view->verticalScrollBar()->pageStep(), 500);
    EXPECT_EQ(view->verticalScrollBar()->singleStep(), 50);
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 5000 - view->viewport()->height());
    // The results pane is as wide as its widest line, so an empty pane never scrolls sideways.
    const CPropertyView& results = *activeFrame().propertyView();
    EXPECT_EQ(results.logicalSize().height(), 20000);
    EXPECT_LT(results.logicalSize().width(), results.textWidth());
    EXPECT_EQ(results.horizontalScrollBar()->maximum(),
              std::max(0, results.logicalSize().width() - results.viewport()->width()));
}

}  // namespace
}  // namespace kirvolt::testing
