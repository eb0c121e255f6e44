#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "analysis/nodal_solver.h"
#include "analysis/node_extraction.h"
#include "analysis/results_text.h"
#include "analysis/stored_results.h"
#include "document/circuit_file.h"
#include "support/circuit_builder.h"
#include "support/recording_port.h"
#include "support/sample_circuits.h"

namespace kirvolt {
namespace {

using testing::CircuitBuilder;

const std::vector<ResultsLine> TITLE_ONLY{{0, {{"  Analysis Results:", false}}}};

CComponent& firstResistor(CKirvoltDoc& doc)
{
    return **std::find_if(doc.components.begin(), doc.components.end(),
                          [](const auto& c) { return c->kindCode == KIND_RESISTOR; });
}

enum class Shown { Results, StaleResults, TitleOnly };

struct PaneCase {
    const char* after;
    std::function<void(CKirvoltDoc&)> step;
    Shown shown;
};

const std::string NOTICE = "The circuit has changed.";

// The kept lines greyed under the title and the notice.
std::vector<ResultsLine> staleLines(const std::vector<ResultsLine>& analysed)
{
    std::vector<ResultsLine> lines{analysed.front(), {20, {{"  " + NOTICE, false}}}};
    for (std::size_t i = 1; i < analysed.size(); ++i) {
        lines.push_back(analysed[i]);
        lines.back().greyed = true;
    }
    return lines;
}

// The pane shows the lines of one analysis or none: never the voltages of new joints beside
// the currents of an earlier solve.
TEST(ResultsPaneLines, ComeFromOneSuccessfulAnalysisOrNone)
{
    const PaneCase cases[] = {
        {"a successful analysis", [](CKirvoltDoc&) {}, Shown::Results},
        {"a refused analysis",
         [](CKirvoltDoc& doc) {
             CircuitBuilder(doc).resistor(30, 30, ORIENT_EAST, 5);  // dangling
             EXPECT_FALSE(runNodalAnalysis(doc));
         },
         Shown::TitleOnly},
        {"assigning node numbers", [](CKirvoltDoc& doc) { buildNodes(doc); }, Shown::TitleOnly},
        {"an edit of a value",
         [](CKirvoltDoc& doc) {
             firstResistor(doc).setValue(30);
             doc.noteEdit();
         },
         Shown::StaleResults},
        {"an edit taken back",
         [](CKirvoltDoc& doc) {
             const std::uint64_t analysed = doc.revision();
             doc.noteEdit();
             doc.returnToRevision(analysed);
         },
         Shown::Results},
        {"a new element",
         [](CKirvoltDoc& doc) { CircuitBuilder(doc).resistor(300, 300, ORIENT_EAST, 5); },
         Shown::StaleResults},
        {"a refused analysis of an emptied circuit",
         [](CKirvoltDoc& doc) {
             doc.components.clear();
             EXPECT_FALSE(runNodalAnalysis(doc));
         },
         Shown::TitleOnly},
    };
    for (const PaneCase& c : cases) {
        CKirvoltDoc doc;
        testing::RecordingPort port;
        doc.setPort(&port);
        testing::buildVoltageDivider(doc);
        ASSERT_TRUE(runNodalAnalysis(doc));
        const std::vector<ResultsLine> analysed = buildResultsText(doc);
        c.step(doc);
        const std::vector<ResultsLine> expected = c.shown == Shown::Results        ? analysed
                                                  : c.shown == Shown::StaleResults ? staleLines(analysed)
                                                                                   : TITLE_ONLY;
        EXPECT_EQ(resultsPaneLines(doc, NOTICE), expected) << c.after;
    }
}

// Read a line at a time, or only those between two heights, the pane has the same lines in the
// same order as the whole list, in each state and with or without the notice.
TEST(ResultsPaneLines, ReadInPartsTheyAreTheWholeList)
{
    CKirvoltDoc doc;
    testing::RecordingPort port;
    doc.setPort(&port);
    testing::buildVoltageDivider(doc);
    const std::function<void(CKirvoltDoc&)> states[] = {
        [](CKirvoltDoc&) {},
        [](CKirvoltDoc& d) { ASSERT_TRUE(runNodalAnalysis(d)); },
        [](CKirvoltDoc& d) {
            firstResistor(d).setValue(30);
            d.noteEdit();
        },
    };
    const std::pair<int, int> ranges[] = {{-100, 10000}, {0, 0}, {1, 19}, {20, 20}, {21, 80}, {35, 120}, {200, 100}, {5000, 9000}};
    int state = 0;
    for (const auto& step : states) {
        step(doc);
        for (const std::string& notice : {std::string(), NOTICE}) {
            const std::vector<ResultsLine> whole = resultsPaneLines(doc, notice);
            const ResultsPaneLines pane(doc, notice);
            ASSERT_EQ(pane.size(), whole.size()) << state;
            for (std::size_t i = 0; i < whole.size(); ++i) {
                EXPECT_EQ(pane[i], whole[i]) << state << ", line " << i;
            }
            EXPECT_EQ(pane.notice() != nullptr, state == 2 && !notice.empty()) << state;
            for (const auto& [top, bottom] : ranges) {
                std::vector<ResultsLine> expected;
                std::copy_if(whole.begin(), whole.end(), std::back_inserter(expected),
                             [top, bottom](const ResultsLine& line) { return line.y >= top && line.y <= bottom; });
                EXPECT_EQ(pane.between(top, bottom), expected) << state << ": " << top << " to " << bottom;
            }
        }
        ++state;
    }
}

struct StoredCase {
    const char* savedAfter;
    std::function<void(CKirvoltDoc&)> step;
    bool adopted;
};

// What a file holds is shown only when solving it again gives the same numbers.
TEST(ResultsPaneLines, StoredResultsAreShownOnlyWhenTheyAreTheCircuitsOwn)
{
    const StoredCase cases[] = {
        {"an analysis", [](CKirvoltDoc&) {}, true},
        {"a later edit of a value", [](CKirvoltDoc& doc) { firstResistor(doc).setValue(30); }, false},
        {"a later refused analysis",
         [](CKirvoltDoc& doc) {
             firstResistor(doc).setValue(0);  // refused: a resistance must be greater than 0
             EXPECT_FALSE(runNodalAnalysis(doc));
         },
         false},
        {"a later element",
         [](CKirvoltDoc& doc) { CircuitBuilder(doc).resistor(30, 30, ORIENT_EAST, 5); }, false},
    };
    for (const StoredCase& c : cases) {
        CKirvoltDoc doc;
        testing::RecordingPort port;
        doc.setPort(&port);
        testing::buildVoltageDivider(doc);
        ASSERT_TRUE(runNodalAnalysis(doc));
        c.step(doc);
        CKirvoltDoc opened;
        ASSERT_TRUE(readCircuitBytes(circuitBytes(doc), opened).ok);
        EXPECT_EQ(resultsPaneLines(opened), TITLE_ONLY) << c.savedAfter;
        adoptStoredResults(opened);
        EXPECT_EQ(resultsPaneLines(opened), c.adopted ? buildResultsText(opened) : TITLE_ONLY) << c.savedAfter;
        EXPECT_GT(buildResultsText(opened).size(), 1u) << c.savedAfter;
    }
}

}  // namespace
}  // namespace kirvolt
