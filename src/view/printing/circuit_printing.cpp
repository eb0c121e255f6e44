#include "view/printing/circuit_printing.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "view/printing/printed_circuit.h"

namespace kirvolt {

void printCircuit(CKirvoltDoc& doc, QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() == QDialog::Accepted) {
        printCircuitPage(doc, printer);
    }
}

void previewCircuit(CKirvoltDoc& doc, QPrinter& printer, QWidget* parent)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&doc](QPrinter* target) { printCircuitPage(doc, *target); });
    dialog.exec();
}

void printCircuitPage(CKirvoltDoc& doc, QPrinter& printer)
{
    QPainter painter;
    if (painter.begin(&printer)) {
        paintPrintedCircuit(doc, painter, printer.resolution());
        painter.end();
    }
}

}  // namespace kirvolt
