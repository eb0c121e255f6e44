#include "view/printing/printed_circuit.h"

#include <QApplication>
#include <QFontInfo>
#include <QPainter>

#include "drawing/circuit_painter.h"
#include "view/qt_drawing_surface.h"

namespace kirvolt {

namespace {

// The view's text on screen is the application font, one logical unit per pixel.
QFont screenFontInLogicalUnits()
{
    QFont font = QApplication::font();
    font.setPixelSize(QFontInfo(font).pixelSize());
    return font;
}

}  // namespace

void paintPrintedCircuit(const CKirvoltDoc& doc, QPainter& painter, double dotsPerInch)
{
    painter.save();
    const double dotsPerUnit = doc.printScale * dotsPerInch / PRINT_STEPS_PER_INCH;
    painter.scale(dotsPerUnit, dotsPerUnit);
    painter.setFont(screenFontInLogicalUnits());
    QtDrawingSurface surface(painter);
    PaintView(doc, surface, documentPaintOptions(doc));
    painter.restore();
}

}  // namespace kirvolt
