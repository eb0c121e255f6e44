#include <QDialogButtonBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "analysis/nodal_solver.h"
#include "document/circuit_document.h"
#include "editing/command_ids.h"
#include "editing/document_commands.h"
#include "support/circuit_builder.h"
#include "support/modal_script.h"
#include "support/sample_circuits.h"
#include "view/printing/circuit_printing.h"
#include "view/printing/print_scale_command.h"
#include "view/printing/print_scale_dialog.h"
#include "view/printing/printed_circuit.h"
#include "view/widgets/spin_edit.h"

namespace kirvolt {

using testing::CircuitBuilder;
using testing::MessageLog;
using testing::ModalScript;

namespace {

QPushButton* dialogButton(QWidget& dialog, QDialogButtonBox::StandardButton which)
{
    return dialog.findChild<QDialogButtonBox*>()->button(which);
}

void typeScale(QWidget& dialog, const QString& text)
{
    auto* edit = dialog.findChild<SpinEdit*>(QStringLiteral("scaleEdit"));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// One resistor facing east at grid point (10, 10) on an empty page: 120 units long at 100 %.
void placeResistor(CKirvoltDoc& doc)
{
    doc.gridStyle = GRID_NONE;
    CircuitBuilder(doc).resistor(10, 10, ORIENT_EAST, 100);
}

QImage printedPage(CKirvoltDoc& doc, double dotsPerInch)
{
    QImage page(2400, 2400, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    paintPrintedCircuit(doc, painter, dotsPerInch);
    painter.end();
    return page;
}

// The columns of the printed page that hold the resistor's colour.
std::pair<int, int> resistorColumns(CKirvoltDoc& doc, double dotsPerInch)
{
    const QImage page = printedPage(doc, dotsPerInch);
    const QRgb resistor = qRgb(125, 50, 50);
    int left = page.width();
    int right = -1;
    for (int y = 0; y < page.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            if (row[x] == resistor) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void scaleDialogShowsTheDocumentsScale();
    void scaleDialogRefusesWhatIsNotAScale_data();
    void scaleDialogRefusesWhatIsNotAScale();
    void scaleDialogTakesOnlyDigits();
    void scaleCommandSetsTheScaleWithoutModifyingTheDocument();
    void scaleCommandCancelKeepsTheScale();
    void printedResistorGrowsWithTheScale_data();
    void printedResistorGrowsWithTheScale();
    void zoomChangesThePrintedSize();
    void equationsPanelPrintsTheWrittenEquationsWithoutRewritingThem();
    void printingWritesOnePage();
    void previewShowsTheCircuitOnOnePage();
};

void PrintingTest::scaleDialogShowsTheDocumentsScale()
{
    PrintScaleDialog dialog(4);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
    QCOMPARE(dialog.findChild<QLabel*>()->text(), QStringLiteral("Printing Scale:"));
    auto* edit = dialog.findChild<SpinEdit*>(QStringLiteral("scaleEdit"));
    QCOMPARE(edit->text(), QStringLiteral("4"));
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(edit->text(), QStringLiteral("5"));
    edit->stepBy(20);
    QCOMPARE(edit->text(), QStringLiteral("10"));
    edit->stepBy(-20);
    QCOMPARE(edit->text(), QStringLiteral("1"));
}

void PrintingTest::scaleDialogRefusesWhatIsNotAScale_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("0") << "0" << "Please enter an integer between 1 and 10.";
    QTest::newRow("11") << "11" << "Please enter an integer between 1 and 10.";
    QTest::newRow("empty") << "" << "Please enter an integer.";
}

void PrintingTest::scaleDialogRefusesWhatIsNotAScale()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    MessageLog log;
    PrintScaleDialog dialog(2, nullptr, log.recorder());
    dialog.show();
    typeScale(dialog, typed);
    QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(log.texts, QStringList{message});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.scale(), 2);

    typeScale(dialog, QStringLiteral("10"));
    QTest::mouseClick(dialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.scale(), 10);
}

void PrintingTest::scaleDialogTakesOnlyDigits()
{
    PrintScaleDialog dialog(2);
    dialog.show();
    typeScale(dialog, QStringLiteral("-3a.7"));
    QCOMPARE(dialog.findChild<SpinEdit*>(QStringLiteral("scaleEdit"))->text(), QStringLiteral("37"));
}

void PrintingTest::scaleCommandSetsTheScaleWithoutModifyingTheDocument()
{
    CKirvoltDoc doc;
    ModalScript script({[](QWidget* window) {
        typeScale(*window, QStringLiteral("5"));
        dialogButton(*window, QDialogButtonBox::Ok)->click();
    }});
    runPrintScaleCommand(doc, nullptr);
    QVERIFY(script.finished());
    QCOMPARE(doc.printScale, 5);
    QVERIFY(!doc.IsModified());
}

void PrintingTest::scaleCommandCancelKeepsTheScale()
{
    CKirvoltDoc doc;
    ModalScript script({[](QWidget* window) {
        typeScale(*window, QStringLiteral("7"));
        dialogButton(*window, QDialogButtonBox::Cancel)->click();
    }});
    runPrintScaleCommand(doc, nullptr);
    QVERIFY(script.finished());
    QCOMPARE(doc.printScale, 2);
}

void PrintingTest::printedResistorGrowsWithTheScale_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<double>("dotsPerInch");
    QTest::newRow("scale 1 at 300 dpi") << 1 << 300.0;
    QTest::newRow("scale 2 at 300 dpi") << 2 << 300.0;
    QTest::newRow("scale 5 at 300 dpi") << 5 << 300.0;
    QTest::newRow("scale 2 at 600 dpi") << 2 << 600.0;
}

// A step of the scale is 1/300 inch: the resistor from x = 140 to 260 (its terminal dots
// reach a little further) prints that many steps per unit of scale from the page's left edge.
void PrintingTest::printedResistorGrowsWithTheScale()
{
    QFETCH(int, scale);
    QFETCH(double, dotsPerInch);
    CKirvoltDoc doc;
    placeResistor(doc);
    doc.printScale = 1;
    const auto [left1, right1] = resistorColumns(doc, 300.0);
    QVERIFY(left1 >= 135 && left1 <= 140);
    QVERIFY(right1 >= 259 && right1 <= 265);

    doc.printScale = scale;
    const auto [left, right] = resistorColumns(doc, dotsPerInch);
    const int dotsPerUnit = scale * static_cast<int>(dotsPerInch) / 300;
    QVERIFY2(std::abs(left - left1 * dotsPerUnit) < dotsPerUnit, qPrintable(QString::number(left)));
    QVERIFY2(std::abs(right + 1 - (right1 + 1) * dotsPerUnit) < dotsPerUnit, qPrintable(QString::number(right)));
}

void PrintingTest::zoomChangesThePrintedSize()
{
    CKirvoltDoc doc;
    placeResistor(doc);
    const auto [left100, right100] = resistorColumns(doc, 300.0);
    doc.gridSize = 40;
    doc.rescaleToGrid();
    for (auto& element : doc.components) {
        element->deriveTerminals(doc.gridSize);
    }
    const auto [left200, right200] = resistorColumns(doc, 300.0);
    QVERIFY(std::abs((right200 - left200) - 2 * (right100 - left100)) <= 4);
    QVERIFY(std::abs(left200 - 2 * left100) <= 4);
}

// The panel's title stands one grid step below the lowest terminal (y = 220 in the divider).
void PrintingTest::equationsPanelPrintsTheWrittenEquationsWithoutRewritingThem()
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    doc.gridStyle = GRID_NONE;
    QVERIFY(runNodalAnalysis(doc));
    const auto inkBelowCircuit = [&doc] {
        const QImage page = printedPage(doc, 300.0);
        int ink = 0;
        for (int y = 2 * 235; y < page.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
            ink += static_cast<int>(std::count_if(row, row + page.width(), [](QRgb p) { return p != qRgb(255, 255, 255); }));
        }
        return ink;
    };
    QCOMPARE(inkBelowCircuit(), 0);

    runDocumentCommand(doc, ID_SHOW_EQUATION);
    const auto written = doc.equationText;
    QVERIFY(inkBelowCircuit() > 0);
    QVERIFY(doc.equationText == written);
}

void PrintingTest::printingWritesOnePage()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("circuit.pdf"));
    CKirvoltDoc doc;
    placeResistor(doc);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printCircuitPage(doc, printer);

    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page[^s]"));
    QCOMPARE(QString::fromLatin1(bytes).count(pageObject), 1);
}

void PrintingTest::previewShowsTheCircuitOnOnePage()
{
    CKirvoltDoc doc;
    placeResistor(doc);
    QPrinter printer;
    int pages = -1;
    ModalScript script({[&pages](QWidget* window) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(window);
        QVERIFY(preview);
        pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        preview->reject();
    }});
    previewCircuit(doc, printer, nullptr);
    QVERIFY(script.finished());
    QCOMPARE(pages, 1);
}

}  // namespace kirvolt

QTEST_MAIN(kirvolt::PrintingTest)
#include "printing_test.moc"
