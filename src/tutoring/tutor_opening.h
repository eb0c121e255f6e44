#pragma once

#include "analysis/analysis_method.h"
#include "document/circuit_document.h"

namespace kirvolt {

// The outcome shown: a refusal with the parts it marks. True when the circuit was solved.
bool reportedSolve(CKirvoltDoc& doc, const AnalysisOutcome& outcome);

// Every tutor starts from the program's own answer, for the student to compare with: the
// circuit solved by the tutor's method, which becomes the circuit's chosen method as Analyse >
// Using would make it, so that what follows (Compute, Analyse as I Draw, the mesh arrows) goes
// on by it. A circuit the analysis refuses never reaches the tutor: false.
bool openWithSolution(CKirvoltDoc& doc, const AnalysisMethod& method);

}  // namespace kirvolt
