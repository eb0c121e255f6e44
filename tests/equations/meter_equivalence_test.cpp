#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "analysis/meter_readings.h"
#include "analysis/nodal_solver.h"
#include "analysis/results_text.h"
#include "document/circuit_file.h"
#include "equations/all_equations.h"
#include "support/example_circuits.h"
#include "support/metered_circuits.h"
#include "support/random_circuits.h"

namespace kirvolt {
namespace {

using testing::addRandomMeters;
using testing::replaceMeters;

struct Analysed {
    std::string refusal;
    std::vector<std::string> lines;
    std::vector<std::array<std::string, CKirvoltDoc::EQUATION_LINES + 1>> equations;
};

Analysed analyse(CKirvoltDoc& doc)
{
    Analysed result;
    if (const AnalysisOutcome outcome = runNodalAnalysis(doc); !outcome) {
        result.refusal = outcome.refusal->message;
        return result;
    }
    writeAllEquations(doc);
    result.equations = doc.equationText;
    for (const ResultsLine& line : resultsPaneLines(doc)) {
        result.lines.push_back(line.plainText());
    }
    return result;
}

// The metered circuit and the one with its ammeters turned into wires and voltmeters taken
// out give the same refusal or the same equations, node voltages and element results, and
// the same results pane with one heading, a rule and a line per meter after it.
void expectMetersChangeNothing(CKirvoltDoc& metered, const std::string& what)
{
    CKirvoltDoc withMeters;
    CKirvoltDoc without;
    ASSERT_TRUE(readCircuitBytes(circuitBytes(metered), withMeters).ok);
    ASSERT_TRUE(readCircuitBytes(circuitBytes(metered), without).ok);
    replaceMeters(without);
    const Analysed a = analyse(withMeters);
    const Analysed b = analyse(without);
    ASSERT_EQ(a.refusal, b.refusal.empty() ? "" : b.refusal + ammeterNote(withMeters)) << what;
    EXPECT_EQ(a.equations, b.equations) << what;
    const std::size_t meters = readMeters(withMeters).size();
    ASSERT_EQ(a.lines.size(), b.lines.size() + (a.refusal.empty() ? meters + 2 : 0)) << what;
    EXPECT_EQ(std::vector<std::string>(a.lines.begin(), a.lines.begin() + static_cast<long>(b.lines.size())), b.lines) << what;
    std::size_t j = 0;
    for (const auto& record : withMeters.components) {
        if (record->kindCode == KIND_VOLTMETER) {
            continue;
        }
        const CComponent& twin = *without.components[j++];
        if (record->kindCode != KIND_AMMETER) {
            EXPECT_EQ(record->startNode, twin.startNode) << what << " " << record->label;
            EXPECT_EQ(record->finishNode, twin.finishNode) << what << " " << record->label;
            EXPECT_EQ(record->startVoltage, twin.startVoltage) << what << " " << record->label;
            EXPECT_EQ(record->current, twin.current) << what << " " << record->label;
        }
    }
}

TEST(MeterEquivalence, MetersChangeNoResultOfAnyExample)
{
    std::mt19937 random(25u);
    for (const testing::ExampleCircuit& example : testing::exampleCircuits()) {
        CKirvoltDoc doc;
        testing::buildExample(example, doc);
        addRandomMeters(doc, random, 2, 2);
        expectMetersChangeNothing(doc, example.fileName);
    }
}

TEST(MeterEquivalence, MetersChangeNoResultOfRandomCircuits)
{
    testing::CircuitGenerator generator(2512u);
    std::mt19937 random(7u);
    for (int c = 0; c < 200; ++c) {
        const testing::RandomCircuit circuit = generator.next();
        testing::DrawnCircuit picture(circuit, generator);
        picture.buildAndChooseDatum();
        addRandomMeters(picture.doc, random, generator.between(1, 3), generator.between(0, 3));
        expectMetersChangeNothing(picture.doc, "circuit " + std::to_string(c));
    }
}

}  // namespace
}  // namespace kirvolt
