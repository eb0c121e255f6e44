#include "tutoring/tutor_run.h"

#include "analysis/known_methods.h"
#include "analysis/node_extraction.h"
#include "analysis/node_numbering.h"
#include "equations/method_equations.h"
#include "tutoring/tutor_opening.h"

namespace kirvolt {

namespace {

void setNodeNumbersShown(CKirvoltDoc& doc, bool shown)
{
    doc.display().showNodeNumbers = shown ? 1 : 0;
    doc.UpdateAllViews();
}

// Fresh nodes with their numbers hidden, so that the student counts from the drawing alone.
// Returns the node count the student has to find.
int prepareNodes(CKirvoltDoc& doc)
{
    buildNodes(doc);
    setNodeNumbersShown(doc, false);
    doc.datumNode = 0;
    numberBranches(doc);
    const int nodeCount = doc.nodeCount;
    doc.datumNode = 0;
    return nodeCount;
}

void applyDatum(CKirvoltDoc& doc, int node)
{
    selectDatum(doc, node);
    setNodeNumbersShown(doc, true);
}

void showProgramEquations(CKirvoltDoc& doc)
{
    reportedSolve(doc, runAnalysis(doc, methodOf(doc), RuleChecks::skipped));
    doc.showEquations = 1;
    writePanelEquations(doc);
    doc.UpdateAllViews();
}

}  // namespace

void runNodalTutor(CKirvoltDoc& doc, TutorWindows& windows)
{
    if (!openWithSolution(doc, methodOf(doc))) {
        return;
    }
    if (!windows.introduce()) {
        return;
    }
    const int nodeCount = prepareNodes(doc);
    if (!windows.countNodes(nodeCount)) {
        return;
    }
    if (!windows.labelNodes([&doc] { setNodeNumbersShown(doc, true); })) {
        setNodeNumbersShown(doc, false);
        return;
    }
    const DatumCandidates candidates = datumCandidates(doc);
    const std::optional<int> choice = windows.chooseDatum(candidates);
    if (!choice) {
        setNodeNumbersShown(doc, false);
        return;
    }
    applyDatum(doc, candidates.nodes.at(static_cast<std::size_t>(*choice)));
    if (!windows.explainEquations()) {
        setNodeNumbersShown(doc, false);
        return;
    }
    showProgramEquations(doc);
}

}  // namespace kirvolt
