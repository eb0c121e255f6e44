#include <QFile>
#include <QFileDialog>

#include <utility>

#include "app/app_command_ids.h"
#include "app_fixture.h"
#include "circuit_pointer.h"
#include "document/circuit_file.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "spice/netlist_files.h"
#include "support/sample_circuits.h"
#include "view/circuit_view.h"

namespace kirvolt::testing {
namespace {

using NetlistCommands = AppFixture;

QString writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}

// Answers a file dialog with the path, after noting its caption, filters and proposed name.
struct FileDialogAnswer {
    explicit FileDialogAnswer(QString answer) : path(std::move(answer)) {}

    QString path;
    QString caption;
    QStringList filters;
    QStringList proposed;

    void operator()(QDialog* dialog)
    {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        caption = files->windowTitle();
        filters = files->nameFilters();
        proposed = files->selectedFiles();
        files->selectFile(path);
        // QFileDialog hides accept(); through QDialog it is the dialog's own.
        static_cast<QDialog*>(files)->accept();
    }
};

TEST_F(NetlistCommands, FileOpenDrawsANetlistAsANewUntitledCircuit)
{
    const QString netlist = writeText(tempPath(QStringLiteral("bridge.cir")),
                                      "Bridge\nV1 a 0 10\nR1 a b 1k\nR2 a c 2k\nR3 b c 3k\nR4 b 0 4k\nR5 c 0 5k\n.end\n");
    ModalAnswerer answerer;
    FileDialogAnswer open{netlist};
    answerer.onDialog = [&open](QDialog* dialog) { open(dialog); };
    trigger(ID_FILE_OPEN);
    settle();
    EXPECT_EQ(open.filters,
              (QStringList{"Circuits and Netlists (*.kvt *.cir *.net *.sp *.spice)", "Kirvolt Files (*.kvt)",
                           "SPICE Netlists (*.cir *.net *.sp *.spice)", "All Files (*.*)"}));
    ASSERT_EQ(frame().frames().size(), 2);
    OpenCircuit& circuit = activeFrame().circuit();
    EXPECT_EQ(circuit.title(), QStringLiteral("bridge"));
    EXPECT_EQ(circuit.pathName(), QString());
    EXPECT_TRUE(activeFrame().isWindowModified());
    EXPECT_EQ(activeDoc().nodeCount, 4);
    EXPECT_EQ(activeDoc().components.front()->label, "E1");  // the netlist's V1
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('\n').toStdString();

    const QString saved = tempPath(QStringLiteral("bridge drawn.kvt"));
    FileDialogAnswer save{saved};
    answerer.onDialog = [&save](QDialog* dialog) { save(dialog); };
    trigger(ID_FILE_SAVE);
    settle();
    EXPECT_EQ(save.caption, QStringLiteral("Save As"));
    ASSERT_EQ(save.proposed.size(), 1);
    EXPECT_TRUE(save.proposed.front().endsWith(QStringLiteral("/bridge.kvt"))) << save.proposed.front().toStdString();
    EXPECT_EQ(circuit.pathName(), saved);
    CKirvoltDoc reread;
    ASSERT_TRUE(loadCircuit(saved.toStdString(), reread).ok);
    EXPECT_EQ(circuitBytes(reread), circuitBytes(activeDoc()));
}

// Undo stops at the drawing as imported, and taking an edit back leaves it unsaved: closing
// still asks, since no file holds the drawing.
TEST_F(NetlistCommands, UndoStopsAtTheImportedDrawingWhichStaysUnsaved)
{
    const QString netlist = writeText(tempPath(QStringLiteral("divider.cir")), "Divider\nV1 a 0 10\nR1 a b 1k\nR2 b 0 3k\n.end\n");
    ASSERT_NE(app->OpenDocumentFile(netlist), nullptr);
    const std::vector<std::uint8_t> imported = circuitBytes(activeDoc());
    EXPECT_FALSE(action(ID_EDIT_UNDO).isEnabled());

    trigger(ID_DRAW_RESISTOR);
    CKirvoltView& view = *activeFrame().circuitView();
    CircuitPointer(view).click(CircuitPointer(view).grid(40, 30));
    ASSERT_NE(circuitBytes(activeDoc()), imported);
    ASSERT_TRUE(action(ID_EDIT_UNDO).isEnabled());

    trigger(ID_EDIT_UNDO);
    EXPECT_EQ(circuitBytes(activeDoc()), imported);
    EXPECT_FALSE(action(ID_EDIT_UNDO).isEnabled());
    EXPECT_TRUE(activeDoc().IsModified());
    EXPECT_TRUE(activeFrame().isWindowModified());
}

TEST_F(NetlistCommands, ARefusedNetlistNamesItsLineAndOpensNoWindow)
{
    const QString netlist = writeText(tempPath(QStringLiteral("amplifier.sp")), "Amplifier\nR1 in 0 1k\nQ1 c in 0 npn\n");
    ModalAnswerer answerer;
    EXPECT_EQ(app->OpenDocumentFile(netlist), nullptr);
    EXPECT_EQ(answerer.captions, QStringList{"Kirvolt"});
    EXPECT_EQ(answerer.texts, QStringList{"Line 3: Q1 is a bipolar transistor. Kirvolt reads only resistors (R), voltage "
                                          "sources (V) and current sources (I)."});
    EXPECT_EQ(frame().frames().size(), 1);
}

TEST_F(NetlistCommands, ExportWritesTheActiveCircuitAsANetlistAndLeavesItAsItWas)
{
    CKirvoltDoc divider;
    buildVoltageDivider(divider);
    const QString path = tempPath(QStringLiteral("divider.kvt"));
    ASSERT_TRUE(saveCircuit(divider, path.toStdString()).ok);
    ASSERT_NE(app->OpenDocumentFile(path), nullptr);
    const std::vector<std::uint8_t> before = circuitBytes(activeDoc());

    ModalAnswerer answerer;
    FileDialogAnswer exported{tempPath(QStringLiteral("divider.cir"))};
    answerer.onDialog = [&exported](QDialog* dialog) { exported(dialog); };
    ASSERT_TRUE(action(ID_FILE_EXPORT_NETLIST).isEnabled());
    trigger(ID_FILE_EXPORT_NETLIST);
    settle();
    EXPECT_EQ(exported.caption, QStringLiteral("Export SPICE Netlist"));
    EXPECT_EQ(exported.filters, (QStringList{"SPICE Netlists (*.cir)", "All Files (*.*)"}));
    ASSERT_EQ(exported.proposed.size(), 1);
    EXPECT_TRUE(exported.proposed.front().endsWith(QStringLiteral("/divider.cir")));
    QFile written(exported.path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(),
              "divider.kvt\nV1 0 3 DC 12\nR1 0 2 10\nR2 2 3 20\n.op\n.end\n");
    EXPECT_EQ(circuitBytes(activeDoc()), before);
    EXPECT_FALSE(activeFrame().isWindowModified());
    EXPECT_EQ(activeFrame().circuit().pathName(), path);
    EXPECT_TRUE(answerer.texts.isEmpty());
}

TEST_F(NetlistCommands, ExportNeedsAnOpenCircuit)
{
    activeFrame().close();
    settle();
    EXPECT_FALSE(action(ID_FILE_EXPORT_NETLIST).isEnabled());
}

}  // namespace
}  // namespace kirvolt::testing
