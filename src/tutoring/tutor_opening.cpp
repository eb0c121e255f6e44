#include "tutoring/tutor_opening.h"

namespace kirvolt {

bool reportedSolve(CKirvoltDoc& doc, const AnalysisOutcome& outcome)
{
    showOutcome(doc, outcome);
    if (!outcome) {
        doc.port().showMessage(outcome.refusal->message, outcome.refusal->highlight);
    }
    return static_cast<bool>(outcome);
}

bool openWithSolution(CKirvoltDoc& doc, const AnalysisMethod& method)
{
    doc.analysisFailed = 0;
    if (!reportedSolve(doc, analyseCircuit(doc, method))) {
        return false;
    }
    doc.analysisMethod = method.name();
    return true;
}

}  // namespace kirvolt
