#include "view/printing/circuit_printer.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include "view/printing/printed_circuit.h"

namespace kirvolt {

namespace {

void paintOnPrinter(CKirvoltDoc& doc, QPrinter& printer)
{
    QPainter painter;
    if (painter.begin(&printer)) {
        paintPrintedCircuit(doc, painter, printer.resolution());
        painter.end();
    }
}

}  // namespace

CircuitPrinter::CircuitPrinter() : device(QPrinter::HighResolution)
{
}

void CircuitPrinter::print(CKirvoltDoc& doc, QWidget* parent)
{
    QPrintDialog dialog(&device, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() == QDialog::Accepted) {
        printPage(doc);
    }
}

void CircuitPrinter::preview(CKirvoltDoc& doc, QWidget* parent)
{
    QPrintPreviewDialog dialog(&device, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&doc](QPrinter* printer) { paintOnPrinter(doc, *printer); });
    dialog.exec();
}

void CircuitPrinter::setup(QWidget* parent)
{
    QPageSetupDialog dialog(&device, parent);
    dialog.exec();
}

void CircuitPrinter::printPage(CKirvoltDoc& doc)
{
    paintOnPrinter(doc, device);
}

}  // namespace kirvolt
