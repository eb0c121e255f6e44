#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "app/app_command_ids.h"
#include "app/property_view.h"
#include "app_fixture.h"
#include "circuit_pointer.h"
#include "document/circuit_file.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "support/sample_circuits.h"
#include "view/circuit_view.h"

namespace kirvolt::testing {
namespace {

using FirstHour = AppFixture;

// The status bar's resting text, as the user reads it while no prompt covers it.
QString restingText(const CMainFrame& frame)
{
    const auto* pane = frame.statusBar()->findChild<QLabel*>(QStringLiteral("modePane"));
    return pane != nullptr && pane->isVisible() ? pane->text() : QString();
}

// Chooses a command as the hand does: its toolbar button where it has one, else its menu item.
void choose(const CMainFrame& frame, QAction& command)
{
    for (QToolBar* bar : {frame.mainToolBar(), frame.commandToolBar()}) {
        if (QWidget* button = bar->widgetForAction(&command)) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    command.trigger();
}

TEST_F(FirstHour, EachModeSaysInTheStatusBarWhatAClickDoes)
{
    const struct {
        int command;
        const char* text;
    } modes[] = {
        {ID_DRAW_RESISTOR, "Resistor: click where the resistor goes; the right button turns it."},
        {ID_DRAW_VOLTAGE_SOURCE, "Voltage source: click where the source goes; the right button turns it."},
        {ID_DRAW_CURRENT_SOURCE, "Current source: click where the source goes; the right button turns it."},
        {ID_DRAW_WIRE, "Wire: press on a terminal or a joint, drag to where the wire ends and let go."},
        {ID_DRAW_JOINT, "Joint: click a wire where a component's terminal touches it, to connect the two."},
        {ID_EDIT_INFO, "Info: click a component or a joint to see its values."},
        {ID_EDIT_MOVE, "Move: click a component to pick it up, then click where it goes."},
        {ID_EDIT_DELETE, "Delete: click a component or a wire to remove it."},
        {ID_EDIT_VALUE, "Value: click a component to change its name and value, or a joint to rename its node. "
                        "Alt+Up or Alt+Down (or Alt and the wheel) steps the value under the pointer."},
        {ID_NODES_DATUM, "Set Datum Node: click any wire or joint of the node that is to be the datum (0 V)."},
        {ID_ANALYSE_NODE_VOLTAGE, "Node equations: click a joint to see the equation of its node."},
        {ID_ANALYSE_MESH_CURRENT, "Mesh equations: click inside a mesh to see its equation."},
        {ID_COMPUTE, "Mesh equations: click inside a mesh to see its equation."},
        {ID_TUTOR_CHECK_EQUATION, "Check My Node Equation: click a joint of the node whose equation you have written."},
        {ID_TUTOR_CHECK_MESH_EQUATION, "Check My Mesh Equation: click inside the mesh whose equation you have written."},
        {ID_DRAW_SELECT, "Select: click to select (Shift adds), drag a box to select several, drag the selection to move it."},
    };
    buildVoltageDivider(activeDoc());
    for (const auto& mode : modes) {
        choose(frame(), action(mode.command));
        EXPECT_EQ(restingText(frame()), QString::fromUtf8(mode.text)) << mode.command;
    }
    ModalAnswerer answerer(QMessageBox::Discard);
    trigger(ID_FILE_CLOSE);
    settle();
    EXPECT_EQ(restingText(frame()), QStringLiteral("Ready"));
}

// The divider's top right wire runs from (13,5) to (16,5) on node 2, its bottom wire from
// (16,11) to (5,11) on node 3; clicks halfway along them, away from every joint.
TEST_F(FirstHour, SetDatumNodeTakesAClickOnAnyWireOfTheNode)
{
    buildVoltageDivider(activeDoc());
    CKirvoltView& view = *activeFrame().circuitView();
    const CircuitPointer hand(view);
    choose(frame(), action(ID_NODES_DATUM));
    const struct {
        Point grid;
        Point jointOfTheNode;
    } clicks[] = {{{14, 5}, {16, 5}}, {{10, 11}, {5, 11}}, {{16, 5}, {13, 5}}};
    for (const auto& click : clicks) {
        hand.click(hand.grid(click.grid.x, click.grid.y));
        const auto joint = std::ranges::find_if(activeDoc().components, [&](const auto& c) {
            return c->kindCode == KIND_JOINT && c->gridStart == click.jointOfTheNode;
        });
        ASSERT_NE(joint, activeDoc().components.end());
        EXPECT_EQ(activeDoc().datumNode, (*joint)->startNode) << click.grid.x << "," << click.grid.y;
    }
}

TEST_F(FirstHour, AnExampleIsAnUntitledCopyThatSaveAsksToName)
{
    const QString bundled = QStringLiteral(KIRVOLT_EXAMPLES_DIR "/voltage_divider.kvt");
    QFile original(bundled);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    ASSERT_TRUE(app->OpenExample(bundled) != nullptr);
    OpenCircuit& copy = activeFrame().circuit();
    EXPECT_EQ(copy.title(), QStringLiteral("voltage_divider"));
    EXPECT_EQ(copy.pathName(), QString());
    EXPECT_FALSE(copy.doc().IsModified());
    EXPECT_FALSE(app->recentFiles().files().contains(bundled));

    ModalAnswerer answerer;
    QString proposed;
    answerer.onDialog = [&proposed](QDialog* dialog) {
        if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            proposed = files->windowTitle() + u'|' + files->selectedFiles().value(0);
        }
        dialog->reject();
    };
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(QDir().mkpath(documents));
    QTest::keyClick(activeFrame().circuitView(), Qt::Key_S, Qt::ControlModifier);
    settle();
    EXPECT_EQ(proposed, QStringLiteral("Save As|") + QDir(documents).filePath(QStringLiteral("voltage_divider.kvt")));
    EXPECT_TRUE(answerer.texts.isEmpty());
    original.seek(0);
    EXPECT_EQ(original.readAll(), bytes);
}

struct ClosingCase {
    const char* name;
    QMessageBox::StandardButton answer;
    bool stayOpen;
    bool saved;
};

void PrintTo(const ClosingCase& c, std::ostream* out) { *out << c.name; }

class ClosingQuestion : public AppFixture, public ::testing::WithParamInterface<ClosingCase> {};

// Two circuits saved and changed since, and one untouched: Exit asks once, naming the two.
TEST_P(ClosingQuestion, ExitAsksOnceAboutEveryModifiedCircuit)
{
    QStringList paths;
    std::size_t stored = 0;
    std::size_t changed = 0;
    for (const char* name : {"first.kvt", "second.kvt"}) {
        buildVoltageDivider(activeDoc());
        stored = activeDoc().components.size();
        ASSERT_TRUE(activeFrame().circuit().saveTo(tempPath(QLatin1String(name))));
        buildVoltageDivider(activeDoc());
        activeDoc().SetModifiedFlag(true);
        changed = activeDoc().components.size();
        paths.append(activeFrame().circuit().pathName());
        trigger(ID_FILE_NEW);
    }
    ModalAnswerer answerer(GetParam().answer);
    trigger(ID_APP_EXIT);
    settle();
    const QString question = QStringLiteral("Save changes to these circuits?\n\n%1\n%2").arg(paths[0], paths[1]);
    EXPECT_EQ(answerer.texts, QStringList{question});
    EXPECT_EQ(frame().isVisible(), GetParam().stayOpen);
    EXPECT_EQ(frame().frames().size(), GetParam().stayOpen ? 3 : 0);
    for (const QString& path : paths) {
        CKirvoltDoc reread;
        ASSERT_TRUE(loadCircuit(path.toStdString(), reread).ok);
        EXPECT_EQ(reread.components.size(), GetParam().saved ? changed : stored) << path.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, ClosingQuestion,
                         ::testing::Values(ClosingCase{"SaveAll", QMessageBox::SaveAll, false, true},
                                           ClosingCase{"DiscardAll", QMessageBox::Discard, false, false},
                                           ClosingCase{"Cancel", QMessageBox::Cancel, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Opened at one size and then made larger or smaller, the pane never takes more than 40% of
// the window, and scrolls sideways only when a line is cut.
TEST_F(FirstHour, TheResultsPaneKeepsToFortyPercentAtEverySize)
{
    buildVoltageDivider(activeDoc());
    QTest::keyClick(activeFrame().propertyView(), Qt::Key_F5);
    CKirvoltFrame& window = activeFrame();
    const CPropertyView& pane = *window.propertyView();
    for (QSize size : {QSize(1920, 1080), QSize(1024, 700), QSize(1024, 768), QSize(800, 600), QSize(1920, 1080)}) {
        frame().resize(size);
        settle();
        const int share = window.splitter()->sizes().at(1);
        EXPECT_LE(share, window.splitter()->width() * 40 / 100 + 1) << size.width() << "x" << size.height();
        EXPECT_GE(share, std::min(pane.textWidth(), window.splitter()->width() * 40 / 100) - 1);
        EXPECT_EQ(pane.horizontalScrollBar()->isVisible(), pane.viewport()->width() < pane.logicalSize().width());
    }
    EXPECT_FALSE(pane.horizontalScrollBar()->isVisible());
}

}  // namespace
}  // namespace kirvolt::testing
