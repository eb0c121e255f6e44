#pragma once

#include <QByteArray>

#include "document/circuit_document.h"
#include "export/worked_solution.h"
#include "export/worksheet.h"

namespace kirvolt {

// The worked solution typeset on A4 pages from the same HTML as the report file, the schematic
// as an image. Needs a QGuiApplication.
QByteArray reportPdf(const CKirvoltDoc& doc, const WorkedSolution& solution);

// The worksheet typeset the same way, its exercises and answers each starting a page.
QByteArray worksheetPdf(const Worksheet& sheet);

}  // namespace kirvolt
