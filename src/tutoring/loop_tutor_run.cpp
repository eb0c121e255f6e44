#include "tutoring/loop_tutor_run.h"

#include <algorithm>
#include <string>

#include "analysis/branch_tables.h"
#include "analysis/loop_method.h"
#include "analysis/traced_loop_method.h"
#include "document/readable_value.h"
#include "document/wording.h"
#include "equations/traced_loop_equation.h"
#include "tutoring/tutor_opening.h"

namespace kirvolt {

namespace {

void paintBranch(const CKirvoltDoc& doc, int branch, Highlight& highlight)
{
    for (const auto& c : doc.components) {
        if (c->branchIndex == branch && isAnalysedBranchKind(c->kindCode)) {
            highlight.paintRed(*c);
        }
    }
}

// Step 3: the equation of each of the student's loops in turn, its elements marked.
std::vector<LoopTutorPage> equationPages(const CKirvoltDoc& doc, const TracedLoopSystem& system)
{
    const std::vector<LoopEquation> equations = tracedLoopEquations(doc, system);
    std::vector<LoopTutorPage> pages;
    const std::string count = std::to_string(system.rows.size());
    for (std::size_t r = 0; r < system.rows.size(); ++r) {
        const TracedLoopRow& row = system.rows[r];
        const LoopEquation& e = equations[r];
        LoopTutorPage page{3, fillIn(wording("LoopTutor", "Loop %1 of %2:"), {std::to_string(row.loop), count}) + "\n\n" + e.words + "\n\n        " + e.names +
                                  "\n=>    " + e.values + "\n=>    " + e.numbers, {}, false};
        if (row.source != 0) {
            paintBranch(doc, row.source, page.highlight);
        } else {
            for (const auto& [branch, count] : combinedBranches(system, row)) {
                paintBranch(doc, branch, page.highlight);
            }
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

// Step 4: the loop currents the solve found; the results pane has every element's.
LoopTutorPage resultsPage(const std::vector<double>& currents)
{
    std::string text = wording("LoopTutor", "Solving the equations gives the loop currents:") + "\n";
    for (std::size_t k = 0; k < currents.size(); ++k) {
        text += "\n        " + tracedLoopCurrentName(static_cast<int>(k) + 1) + " = " + quantityText(currents[k], 3, "A");
    }
    text += "\n\n" + wording("LoopTutor", "Each branch carries the sum of the loop currents through it, and the results pane "
                                        "shows the p.d. and current of every element: they are the same whichever loops you choose.");
    return {4, text, {}, true};
}

}  // namespace

void runLoopTutor(CKirvoltDoc& doc, LoopTutorWindows& windows, const TracedLoopsShown& showLoops)
{
    if (!openWithSolution(doc, loopMethod())) {
        return;
    }
    // The analysis has turned round the resistors whose current ran against them: the loops are
    // traced, and solved at the end, over the tables of the records as they now stand.
    prepareNumbering(doc);
    showLoops({}, {});
    if (!windows.introduce() || !windows.countLoops(numberedBranchCount(doc), numberedNodeCount(doc))) {
        return;
    }
    LoopTracing tracing(doc);
    if (!windows.traceLoops(tracing)) {
        showLoops({}, {});
        return;
    }
    const std::vector<std::vector<LoopStep>> loops = tracing.loops();
    showLoops(loops, {});
    auto built = buildTracedLoopSystem(doc, loops);
    if (auto* why = std::get_if<Explanation>(&built)) {
        doc.port().showMessage(why->message, why->highlight);
        return;
    }
    const TracedLoopSystem& system = std::get<TracedLoopSystem>(built);
    const std::vector<LoopTutorPage> pages = equationPages(doc, system);
    if (!std::ranges::all_of(pages, [&windows](const LoopTutorPage& page) { return windows.showPage(page); })) {
        return;
    }
    const AnalysisOutcome solved = runAnalysis(doc, TracedLoopMethod(loops), RuleChecks::skipped);
    showOutcome(doc, solved);
    if (!solved) {
        doc.port().showMessage(solved.refusal->message, solved.refusal->highlight);
        return;
    }
    const std::vector<double> currents = solveTracedLoops(system).value_or(std::vector<double>(loops.size(), 0.0));
    showLoops(loops, currents);
    windows.showPage(resultsPage(currents));
}

}  // namespace kirvolt
