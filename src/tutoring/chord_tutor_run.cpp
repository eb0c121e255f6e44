#include "tutoring/chord_tutor_run.h"

#include "analysis/branch_tables.h"
#include "analysis/loop_method.h"
#include "document/text_lists.h"
#include "document/wording.h"
#include "equations/loop_equation.h"
#include "equations/loop_equation_check.h"
#include "equations/loop_equation_display.h"
#include "equations/loop_kvl_faults.h"
#include "equations/signed_sum.h"
#include "tutoring/tutor_opening.h"

namespace kirvolt {
namespace {

// Step 2: the chords the tree leaves and the loop currents named after them.
ChordTutorPage chordsPage(const CKirvoltDoc& doc, const LoopSystem& system, const std::vector<std::string>& tree)
{
    std::vector<std::string> chords;
    std::vector<std::string> currents;
    std::vector<std::string> sources;
    for (const FundamentalLoop& loop : system.tree.loops) {
        const std::string& chord = doc.labels[static_cast<std::size_t>(loop.chord)];
        chords.push_back(chord);
        currents.push_back(loopCurrentName(chord));
        if (isBranchOfKind(doc, loop.chord, KIND_CURRENT_SOURCE)) {
            sources.push_back(chord);
        }
    }
    const std::size_t n = chords.size();
    std::string text = fillIn(tree.size() == 1 ? wording("ChordTutor", "Your tree has %1 branch: %2.")
                                               : wording("ChordTutor", "Your tree has %1 branches: %2."),
                              {std::to_string(tree.size()), spokenList(tree)}) +
                       "\n\n" +
                       fillIn(n == 1 ? wording("ChordTutor", "The other branch is its chord: %1.")
                                     : wording("ChordTutor", "The other branches are its chords: %1."),
                              {spokenList(chords)}) +
                       "\n\n" +
                       fillIn(wording("ChordTutor", "Each chord closes one loop with the tree. The current of that loop "
                                                    "runs through the chord in the chord's own direction and is named after it: %1."),
                              {spokenList(currents)});
    if (!sources.empty()) {
        text += "\n\n" + fillIn(sources.size() == 1 ? wording("ChordTutor", "%1 is a current source, so its loop current is "
                                                                           "its own current and known beforehand.")
                                                    : wording("ChordTutor", "%1 are current sources, so their loop currents are "
                                                                           "their own currents and known beforehand."),
                                {spokenList(sources)});
    }
    text += "\n\n" + fillIn(n == 1 ? wording("ChordTutor", "There is %1 loop current, so %1 loop equation is needed, one for each chord.")
                                    : wording("ChordTutor", "There are %1 loop currents, so %1 loop equations are needed, one for each chord."),
                            {std::to_string(n)});
    Highlight highlight;
    for (const auto& element : doc.components) {
        if (isAnalysedBranchKind(element->kindCode) && system.tree.loopOfChord(element->branchIndex) != 0) {
            highlight.paintRed(*element);
        }
    }
    return {2, text, highlight, false};
}

// Step 3: each chord's loop in turn, marked on the drawing.
std::vector<ChordTutorPage> loopPages(const CKirvoltDoc& doc, const LoopSystem& system)
{
    std::vector<ChordTutorPage> pages;
    const std::string count = std::to_string(system.tree.count());
    for (int k = 1; k <= system.tree.count(); ++k) {
        const FundamentalLoop& loop = system.tree.loop(k);
        std::vector<std::string> on;
        for (const LoopStep& step : loop.steps) {
            on.push_back(doc.labels[static_cast<std::size_t>(step.branch)]);
        }
        const std::string& chord = doc.labels[static_cast<std::size_t>(loop.chord)];
        pages.push_back({3,
                         fillIn(wording("ChordTutor", "Loop %1 of %2: %3"), {std::to_string(k), count, loopSubject(doc, system.tree, k)}) +
                             "\n\n" +
                             fillIn(wording("ChordTutor", "%1 closes it with the tree. Going round it in the direction of %2, "
                                                          "it runs through %3."),
                                    {chord, loopCurrentName(chord), spokenList(on)}),
                         loopMarking(doc, loop), false});
    }
    return pages;
}

// Step 4 opens with a worked example.
ChordTutorPage examplePage()
{
    return {4,
            fillIn(wording("ChordTutor",
                           "The following shows how you write your equation:\n\nGoing round a loop in the direction of its current, "
                           "each resistor drops its resistance times the current through it: the loop's own current, with the "
                           "current of every other loop through that resistor added where it runs the same way and taken away where "
                           "it runs against. The EMFs met from %1 to + stand on the right.\n\nFor the loop of R3, "
                           "closed by a tree of E1 and R1, where the loop of R4 also runs through R1 the same way:\n\n"
                           "        R3\xC2\xB7I_R3 + R1\xC2\xB7(I_R3 + I_R4) = E1\n\nThe loop of a current source J1 needs no KVL "
                           "equation: its current is the source's, I_J1 = J1.\n\nLoop equations in your circuit may be prepared in "
                           "a similar fashion."),
                   {MINUS}),
            {},
            false};
}

}  // namespace

void runChordTutor(CKirvoltDoc& doc, ChordTutorWindows& windows, const TreeShown& showTree)
{
    if (!openWithSolution(doc, loopMethod())) {
        return;
    }
    // The student picks the tree from the drawing alone.
    showTree({}, false);
    if (!windows.introduce()) {
        return;
    }
    TreeQuiz quiz(doc);
    if (!windows.pickTree(quiz, [&quiz, &showTree] { showTree(quiz.pickedLabels(), false); })) {
        showTree({}, false);
        return;
    }
    const std::vector<std::string> tree = quiz.pickedLabels();
    auto built = buildLoopSystem(doc, tree);
    if (const auto* why = std::get_if<Explanation>(&built)) {
        doc.port().showMessage(why->message, why->highlight);
        showTree({}, false);
        return;
    }
    const LoopSystem& system = std::get<LoopSystem>(built);
    bool finished = windows.showPage(chordsPage(doc, system, tree));
    for (const ChordTutorPage& page : finished ? loopPages(doc, system) : std::vector<ChordTutorPage>{}) {
        finished = finished && windows.showPage(page);
    }
    finished = finished && windows.showPage(examplePage());
    const std::string count = std::to_string(system.tree.count());
    for (int k = 1; finished && k <= system.tree.count(); ++k) {
        finished = windows.writeEquation({fillIn(wording("ChordTutor", "Loop %1 of %2: %3"),
                                                 {std::to_string(k), count, loopSubject(doc, system.tree, k)}),
                                          loopEquationCheckInstructions(doc, system, k),
                                          [&doc, &system, k](const std::string& text) {
                                              return checkLoopEquation(doc, system, k, text);
                                          },
                                          loopMarking(doc, system.tree.loop(k)), k == system.tree.count()});
    }
    if (!finished) {
        showTree({}, false);
        return;
    }
    const LoopMethod overTree(tree);
    const AnalysisOutcome solved = analyseCircuit(doc, overTree);
    showOutcome(doc, solved);
    showTree(tree, static_cast<bool>(solved));
}

}  // namespace kirvolt
