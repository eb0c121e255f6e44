#pragma once

#include <QString>

#include "document/circuit_document.h"

class QWidget;

namespace kirvolt {

// File > Export Picture...: the picture's options, then the file, whose ending chooses PNG,
// SVG or PDF. The options are remembered when the picture is written.
void exportPicture(const CKirvoltDoc& doc, const QString& proposedName, QWidget* parent);

// Runs the analysis as Compute does, by the circuit's chosen method, refusal and panes alike,
// unless the results are those of the circuit as it is; true when they are now.
bool analyseWhenStale(CKirvoltDoc& doc);

// File > Export Worked Solution...: analyses the circuit first when the results are not those
// of the circuit as it is, and shows a refusal instead of asking for a file.
void exportWorkedSolution(CKirvoltDoc& doc, const QString& circuitName, const QString& proposedName, QWidget* parent);

// Edit > Copy Picture: the picture with the remembered options, as PNG and as SVG.
void copyPicture(const CKirvoltDoc& doc, QWidget* parent);

}  // namespace kirvolt
