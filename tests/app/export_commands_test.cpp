#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QXmlStreamReader>

#include "app/app_command_ids.h"
#include "app/export_picture_dialog.h"
#include "app/picture_settings.h"
#include "app_fixture.h"
#include "editing/command_ids.h"
#include "modal_answerer.h"
#include "support/sample_circuits.h"
#include "view/export/circuit_picture.h"

namespace kirvolt::testing {
namespace {

using ExportCommands = AppFixture;

void clickOk(QDialog* dialog)
{
    QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QTest::mouseClick(ok, Qt::LeftButton);
}

// Answers the picture options with the clicks given and the file dialog with the path.
struct ExportAnswers {
    std::function<void(ExportPictureDialog*)> options;
    QString file;
    int optionDialogs = 0;
    int fileDialogs = 0;

    void operator()(QDialog* dialog)
    {
        if (auto* picture = qobject_cast<ExportPictureDialog*>(dialog)) {
            ++optionDialogs;
            options(picture);
        } else if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            ++fileDialogs;
            files->selectFile(file);
            dialog->accept();  // QFileDialog::accept, through the public QDialog one
        } else {
            dialog->reject();
        }
    }
};

TEST_F(ExportCommands, PictureOptionsAreClickedRememberedAndWritten)
{
    buildVoltageDivider(activeDoc());
    ModalAnswerer answerer;
    ExportAnswers answers{[](ExportPictureDialog* dialog) {
                              QTest::mouseClick(dialog->findChild<QCheckBox*>("grid"), Qt::LeftButton);
                              QSpinBox* scale = dialog->findChild<QSpinBox*>("scale");
                              scale->setFocus();
                              QTest::keyClick(scale, Qt::Key_Up);
                              QTest::keyClick(scale, Qt::Key_Up);
                              clickOk(dialog);
                          },
                          tempPath("divider.png")};
    answerer.onDialog = std::ref(answers);
    trigger(ID_FILE_EXPORT_PICTURE);
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('\n').toStdString();
    EXPECT_EQ(answers.optionDialogs, 1);
    EXPECT_EQ(answers.fileDialogs, 1);
    const PictureOptions remembered = loadPictureOptions();
    EXPECT_FALSE(remembered.grid);
    EXPECT_TRUE(remembered.nodeNumbers);
    EXPECT_EQ(remembered.scale, 3);
    QImage written(tempPath("divider.png"));
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.size(), circuitImage(activeDoc(), PictureOptions{false, true, false, 1}).size() * 3);

    // The next export starts from the remembered choices; an SVG is chosen by its ending.
    bool shownUnchecked = false;
    answers.options = [&shownUnchecked](ExportPictureDialog* dialog) {
        shownUnchecked = !dialog->findChild<QCheckBox*>("grid")->isChecked();
        clickOk(dialog);
    };
    answers.file = tempPath("divider.svg");
    trigger(ID_FILE_EXPORT_PICTURE);
    EXPECT_TRUE(shownUnchecked);
    QFile svg(tempPath("divider.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains(">R1</text>"));
}

TEST_F(ExportCommands, CancelledOptionsWriteNothingAndForgetNothing)
{
    buildVoltageDivider(activeDoc());
    ModalAnswerer answerer;
    ExportAnswers answers{[](ExportPictureDialog* dialog) {
                              QTest::mouseClick(dialog->findChild<QCheckBox*>("grid"), Qt::LeftButton);
                              dialog->reject();
                          },
                          tempPath("never.png")};
    answerer.onDialog = std::ref(answers);
    trigger(ID_FILE_EXPORT_PICTURE);
    EXPECT_EQ(answers.fileDialogs, 0);
    EXPECT_TRUE(loadPictureOptions().grid);
    EXPECT_FALSE(QFile::exists(tempPath("never.png")));
}

TEST_F(ExportCommands, AnEmptyCircuitHasNoPictureToExportOrCopy)
{
    ModalAnswerer answerer;
    ExportAnswers answers{[](ExportPictureDialog* dialog) { dialog->reject(); }, tempPath("never.png")};
    answerer.onDialog = std::ref(answers);
    trigger(ID_FILE_EXPORT_PICTURE);
    trigger(ID_EDIT_COPY_PICTURE);
    EXPECT_EQ(answerer.texts, (QStringList{"Create your circuit first.", "Create your circuit first."}));
    EXPECT_EQ(answerer.captions, (QStringList{"Kirvolt", "Kirvolt"}));
    EXPECT_EQ(answers.optionDialogs, 0);
}

TEST_F(ExportCommands, WorkedSolutionAnalysesTheCircuitFirst)
{
    buildVoltageDivider(activeDoc());
    ASSERT_FALSE(activeDoc().resultsAreCurrent());
    ModalAnswerer answerer;
    ExportAnswers answers{nullptr, tempPath("divider.html")};
    answerer.onDialog = std::ref(answers);
    trigger(ID_FILE_EXPORT_SOLUTION);
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('\n').toStdString();
    EXPECT_TRUE(activeDoc().resultsAreCurrent());
    QFile html(tempPath("divider.html"));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    const QByteArray page = html.readAll();
    EXPECT_TRUE(page.contains("V2 =  -4.00 Volt."));
    EXPECT_TRUE(page.contains("  R1:  V12 = 4.00 V;   I12 = 0.40 A."));
}

// After Analyse > Using > Mesh Current Method the worked solution is the mesh method's.
TEST_F(ExportCommands, WorkedSolutionFollowsTheChosenMethod)
{
    buildVoltageDivider(activeDoc());
    ModalAnswerer answerer;
    ExportAnswers answers{nullptr, tempPath("meshes.html")};
    answerer.onDialog = std::ref(answers);
    trigger(ID_ANALYSE_MESH_CURRENT);
    trigger(ID_FILE_EXPORT_SOLUTION);
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('\n').toStdString();
    QFile html(tempPath("meshes.html"));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    const QByteArray page = html.readAll();
    EXPECT_TRUE(page.contains("<h2>Mesh equations</h2>\n<pre>Mesh 1:\n"));
    EXPECT_TRUE(page.contains("<h2>The mesh current system R &#183; I = E</h2>"));
    EXPECT_TRUE(page.contains("<h2>Check: the voltage drops clockwise round each mesh sum to zero</h2>"));
    EXPECT_FALSE(page.contains("<h2>Node equations</h2>"));
}

TEST_F(ExportCommands, ARefusedAnalysisIsReportedInsteadOfAReport)
{
    ModalAnswerer answerer;
    ExportAnswers answers{nullptr, tempPath("never.html")};
    answerer.onDialog = std::ref(answers);
    trigger(ID_FILE_EXPORT_SOLUTION);
    EXPECT_EQ(answerer.texts, QStringList{"Create your circuit first."});
    EXPECT_EQ(answers.fileDialogs, 0);
    EXPECT_FALSE(QFile::exists(tempPath("never.html")));
}

TEST_F(ExportCommands, CopyPicturePutsPngAndSvgOnTheClipboard)
{
    buildVoltageDivider(activeDoc());
    trigger(ID_EDIT_COPY_PICTURE);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), circuitImage(activeDoc(), loadPictureOptions()).size());
    QXmlStreamReader svg(data->data(QStringLiteral("image/svg+xml")));
    bool holdsR1 = false;
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"text") {
            holdsR1 = holdsR1 || svg.readElementText() == u"R1";
        }
    }
    EXPECT_FALSE(svg.hasError());
    EXPECT_TRUE(holdsR1);
}

}  // namespace
}  // namespace kirvolt::testing
