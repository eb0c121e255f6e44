#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QUrl>

#include "app/app_command_ids.h"
#include "app/recent_file_list.h"
#include "app_fixture.h"
#include "document/circuit_file.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "support/circuit_builder.h"

namespace kirvolt::testing {
namespace {

using FileCommands = AppFixture;

// A saved circuit at 200% with three resistors placed, R2 deleted, and node 2 as datum.
QString writeSampleCircuit(const QString& path)
{
    CKirvoltDoc doc;
    doc.gridSize = 40;
    CircuitBuilder build(doc);
    build.resistor(5, 5, ORIENT_EAST, 10);
    CComponent& second = build.resistor(5, 10, ORIENT_EAST, 20);
    build.resistor(5, 15, ORIENT_EAST, 30);
    doc.RemoveComponent(&second);
    doc.datumNode = 2;
    EXPECT_TRUE(saveCircuit(doc, path.toStdString()).ok);
    return path;
}

TEST_F(FileCommands, OpeningAFileRestoresItsZoomCountersAndDatum)
{
    const QString path = writeSampleCircuit(tempPath(QStringLiteral("divider.kvt")));
    OpenCircuit* circuit = app->OpenDocumentFile(path);
    ASSERT_NE(circuit, nullptr);
    EXPECT_EQ(&activeFrame().circuit(), circuit);
    EXPECT_EQ(activeFrame().windowTitle(), QStringLiteral("divider.kvt[*]"));
    EXPECT_FALSE(activeFrame().isWindowModified());
    EXPECT_EQ(activeDoc().gridSize, 40);
    EXPECT_EQ(activeDoc().resistorCount, 4);
    EXPECT_EQ(activeDoc().datumNode, 2);
    EXPECT_EQ(activeDoc().components.size(), 2U);
    EXPECT_TRUE(action(ID_ZOOM_50 + 4).isChecked());
    EXPECT_EQ(app->recentFiles().files(), QStringList{path});

    EXPECT_EQ(app->OpenDocumentFile(path), circuit);
    EXPECT_EQ(frame().frames().size(), 2);
}

TEST_F(FileCommands, AFileThatCannotBeReadIsReportedAndOpensNoWindow)
{
    const QString path = tempPath(QStringLiteral("broken.kvt"));
    QFile broken(path);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\x01\x00\xff\xff", 4);
    broken.close();
    CKirvoltDoc probe;
    const std::string expected = loadCircuit(path.toStdString(), probe).message;
    ASSERT_FALSE(expected.empty());

    ModalAnswerer answerer;
    EXPECT_EQ(app->OpenDocumentFile(path), nullptr);
    EXPECT_EQ(answerer.texts, QStringList{QString::fromStdString(expected)});
    EXPECT_EQ(answerer.captions, QStringList{"Kirvolt"});
    EXPECT_EQ(frame().frames().size(), 1);
    EXPECT_TRUE(app->recentFiles().files().isEmpty());
}

TEST_F(FileCommands, ClosingAModifiedCircuitAsksFirst)
{
    CircuitBuilder(activeDoc()).resistor(5, 5, ORIENT_EAST, 10);
    activeFrame().circuit().updateAllViews();
    EXPECT_TRUE(activeFrame().isWindowModified());

    ModalAnswerer answerer(QMessageBox::Cancel);
    trigger(ID_FILE_CLOSE);
    settle();
    EXPECT_EQ(answerer.texts, QStringList{"Save changes to Kirvolt1?"});
    EXPECT_EQ(answerer.captions, QStringList{"Kirvolt"});
    EXPECT_EQ(frame().frames().size(), 1);

    answerer.answerWith(QMessageBox::Discard);
    activeFrame().close();
    settle();
    EXPECT_EQ(answerer.texts.size(), 2);
    EXPECT_TRUE(frame().frames().isEmpty());
}

TEST_F(FileCommands, SavingOnCloseWritesTheFileUnderItsPath)
{
    const QString path = tempPath(QStringLiteral("kept.kvt"));
    ASSERT_TRUE(activeFrame().circuit().saveTo(path));
    EXPECT_EQ(activeFrame().windowTitle(), QStringLiteral("kept.kvt[*]"));
    EXPECT_EQ(app->recentFiles().files(), QStringList{path});
    CircuitBuilder(activeDoc()).resistor(5, 5, ORIENT_EAST, 33);

    ModalAnswerer answerer(QMessageBox::Save);
    activeFrame().close();
    settle();
    EXPECT_EQ(answerer.texts, QStringList{QStringLiteral("Save changes to %1?").arg(path)});
    EXPECT_TRUE(frame().frames().isEmpty());
    CKirvoltDoc reread;
    ASSERT_TRUE(loadCircuit(path.toStdString(), reread).ok);
    ASSERT_EQ(reread.components.size(), 1U);
    EXPECT_EQ(reread.components[0]->value, 33);
}

TEST_F(FileCommands, AFailedSaveKeepsTheCircuitModified)
{
    CircuitBuilder(activeDoc()).resistor(5, 5, ORIENT_EAST, 10);
    ModalAnswerer answerer;
    EXPECT_FALSE(activeFrame().circuit().saveTo(tempPath(QStringLiteral("missing/dir/x.kvt"))));
    EXPECT_EQ(answerer.texts.size(), 1);
    EXPECT_TRUE(activeDoc().IsModified());
    EXPECT_EQ(activeFrame().circuit().pathName(), QString());
    EXPECT_EQ(activeFrame().windowTitle(), QStringLiteral("Kirvolt1[*]"));
}

TEST_F(FileCommands, OnlyTheLastWindowOfACircuitAsks)
{
    CircuitBuilder(activeDoc()).resistor(5, 5, ORIENT_EAST, 10);
    trigger(ID_WINDOW_NEW);
    ModalAnswerer answerer(QMessageBox::Discard);
    activeFrame().close();
    settle();
    EXPECT_TRUE(answerer.texts.isEmpty());
    activeFrame().close();
    settle();
    EXPECT_EQ(answerer.texts, QStringList{"Save changes to Kirvolt1?"});
}

TEST_F(FileCommands, ExitAsksAboutEveryModifiedCircuit)
{
    CircuitBuilder(activeDoc()).resistor(5, 5, ORIENT_EAST, 10);
    trigger(ID_FILE_NEW);
    trigger(ID_FILE_NEW);
    CircuitBuilder(activeDoc()).resistor(5, 5, ORIENT_EAST, 10);

    ModalAnswerer answerer(QMessageBox::Cancel);
    trigger(ID_APP_EXIT);
    const QString question = QStringLiteral("Save changes to these circuits?\n\nKirvolt1\nKirvolt3");
    EXPECT_EQ(answerer.texts, QStringList{question});
    EXPECT_TRUE(frame().isVisible());
    EXPECT_EQ(frame().frames().size(), 3);

    answerer.answerWith(QMessageBox::Discard);
    trigger(ID_APP_EXIT);
    settle();
    EXPECT_EQ(answerer.texts.mid(1), QStringList{question});
    EXPECT_FALSE(frame().isVisible());
    EXPECT_TRUE(frame().frames().isEmpty());
}

TEST_F(FileCommands, TheRecentFileListKeepsFourEntriesNewestFirst)
{
    QStringList paths;
    for (int i = 1; i <= 5; ++i) {
        paths.append(writeSampleCircuit(tempPath(QStringLiteral("c%1.kvt").arg(i))));
        ASSERT_NE(app->OpenDocumentFile(paths.last()), nullptr);
    }
    const QStringList expected = {paths[4], paths[3], paths[2], paths[1]};
    EXPECT_EQ(app->recentFiles().files(), expected);

    QSettings settings;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File%1").arg(i + 1)).toString(), expected[i]);
    }
    QMenu* file = frame().shownMenus()[0];
    QStringList shown;
    for (const QAction* entry : file->actions()) {
        if (entry->isVisible() && entry->text().startsWith(QLatin1Char('&')) && entry->text()[1].isDigit()) {
            shown.append(entry->text());
        }
    }
    EXPECT_EQ(shown, (QStringList{"&1 " + paths[4], "&2 " + paths[3], "&3 " + paths[2], "&4 " + paths[1]}));

    app->recentFiles().add(paths[2]);
    EXPECT_EQ(app->recentFiles().files().first(), paths[2]);
    EXPECT_EQ(app->recentFiles().files().size(), 4);

    RecentFileList reloaded;
    reloaded.load();
    EXPECT_EQ(reloaded.files(), app->recentFiles().files());
}

TEST_F(FileCommands, ARecentFileThatIsGoneLeavesTheList)
{
    const QString path = writeSampleCircuit(tempPath(QStringLiteral("gone.kvt")));
    app->recentFiles().add(path);
    QFile::remove(path);
    ModalAnswerer answerer;
    app->OnOpenRecentFile(0);
    EXPECT_EQ(answerer.texts.size(), 1);
    EXPECT_TRUE(app->recentFiles().files().isEmpty());
}

TEST_F(FileCommands, FilesDroppedOnTheMainWindowOpen)
{
    const QString first = writeSampleCircuit(tempPath(QStringLiteral("a.kvt")));
    const QString second = writeSampleCircuit(tempPath(QStringLiteral("b.kvt")));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
    const QPoint centre = frame().rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame(), &drop);
    EXPECT_EQ(frame().frames().size(), 3);
    EXPECT_EQ(activeFrame().circuit().pathName(), second);
}

TEST(CommandLine, APathOpensThatCircuitInsteadOfANewOne)
{
    QTemporaryDir temp;
    const QString path = writeSampleCircuit(temp.filePath(QStringLiteral("start.kvt")));
    CKirvoltApp app;
    ASSERT_TRUE(app.InitInstance({QStringLiteral("kirvolt"), path}));
    ASSERT_EQ(app.mainFrame().frames().size(), 1);
    EXPECT_EQ(app.mainFrame().activeFrame()->circuit().pathName(), path);

    CKirvoltApp failing;
    ModalAnswerer answerer;
    EXPECT_FALSE(failing.InitInstance({QStringLiteral("kirvolt"), temp.filePath(QStringLiteral("none.kvt"))}));
    EXPECT_EQ(answerer.texts.size(), 1);
}

}  // namespace
}  // namespace kirvolt::testing
