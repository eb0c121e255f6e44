#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>

#include "analysis/named_system.h"
#include "analysis/nodal_solver.h"
#include "document/circuit_file.h"
#include "formulas/node_formulas.h"
#include "support/generated_circuits.h"
#include "support/random_circuits.h"
#include "../theorems/spice_batch.h"

namespace kirvolt {
namespace {

std::string toolOutput(const std::string& arguments)
{
    const std::string command = std::string(KIRVOLT_CLI_PATH) + " formulas " + KIRVOLT_EXAMPLES_DIR + "/" + arguments + " 2>&1";
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[256];
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    if (pipe != nullptr) {
        ::pclose(pipe);
    }
    return output;
}

#ifdef KIRVOLT_WITH_GINAC

// Every formula with the elements' values put in is the voltage the numbers gave.
TEST(NodeFormulas, TakeTheValuesTheNodalAnalysisGivesOnEveryExampleAndRandomCircuits)
{
    std::vector<std::pair<std::string, std::unique_ptr<CKirvoltDoc>>> circuits;
    for (const std::string& file : testing::solvableExamples()) {
        circuits.emplace_back(file, std::make_unique<CKirvoltDoc>());
        loadCircuit(file, *circuits.back().second);
    }
    testing::CircuitGenerator generator(4242);
    for (int n = 0; n < 60; ++n) {
        const testing::RandomCircuit circuit = generator.next(5);
        testing::DrawnCircuit drawn(circuit, generator);
        drawn.buildAndChooseDatum();
        circuits.emplace_back("random circuit " + std::to_string(n), std::make_unique<CKirvoltDoc>());
        readCircuitBytes(circuitBytes(drawn.doc), *circuits.back().second);
    }
    int compared = 0;
    for (auto& [what, doc] : circuits) {
        ASSERT_TRUE(runNodalAnalysis(*doc)) << what;
        if (nodalUnknownCount(*doc) > MOST_FORMULA_UNKNOWNS) {
            continue;
        }
        ++compared;
        const auto formulas = nodeFormulas(*doc);
        ASSERT_EQ(formulas.index(), 0u) << what << ": " << std::get<std::string>(formulas);
        ASSERT_EQ(std::get<0>(formulas).size(), static_cast<std::size_t>(doc->nodeCount)) << what;
        for (const NodeFormula& f : std::get<0>(formulas)) {
            const double numeric = solvedNodeVoltage(*doc, f.node);
            EXPECT_NEAR(f.value, numeric, 1e-9 * std::max(1.0, std::abs(numeric))) << what << " V" << f.name << " = " << f.text;
        }
    }
    EXPECT_GE(compared, 40);
}

TEST(NodeFormulas, TheToolWritesThemAsTextAndLatex)
{
    EXPECT_EQ(toolOutput("voltage_divider.kvt"), "V1 = E1\nV2 = 0\nV3 = E1*R2/(R1+R2)\n");
    EXPECT_EQ(toolOutput("voltage_divider.kvt --latex"), "V_{1} = E_{1}\nV_{2} = 0\nV_{3} = \\frac{E_{1} R_{2}}{R_{1}+R_{2}}\n");
    // The same formula in another process, whose symbols hash differently, reads the same.
    CKirvoltDoc doc;
    loadCircuit(std::string(KIRVOLT_EXAMPLES_DIR) + "/two_sources.kvt", doc);
    ASSERT_TRUE(runNodalAnalysis(doc));
    const auto formulas = nodeFormulas(doc);
    ASSERT_EQ(formulas.index(), 0u);
    EXPECT_EQ(std::get<0>(formulas)[1].text, "(E1*R2*R3+E2*R1*R2)/(R1*R2+R1*R3+R2*R3)");
    EXPECT_EQ(toolOutput("two_sources.kvt"), "V1 = E1\nV2 = (E1*R2*R3+E2*R1*R2)/(R1*R2+R1*R3+R2*R3)\nV3 = 0\nV4 = E2\n");
}

// A ladder of 7 nodes and its source has 7 unknowns, one more than are worked out.
TEST(NodeFormulas, ACircuitBeyondTheLimitIsRefusedInWords)
{
    CKirvoltDoc doc;
    testing::drawLadder(doc, MOST_FORMULA_UNKNOWNS + 1);
    ASSERT_TRUE(runNodalAnalysis(doc));
    ASSERT_EQ(nodalUnknownCount(doc), 7);
    const auto formulas = nodeFormulas(doc);
    ASSERT_EQ(formulas.index(), 1u);
    EXPECT_EQ(std::get<std::string>(formulas), "Formulas are worked out for circuits of at most 6 unknowns; this one has 7.");
}

#else

TEST(NodeFormulas, ABuildWithoutGinacSaysPlainlyThatFormulasNeedIt)
{
    EXPECT_EQ(toolOutput("voltage_divider.kvt"),
              "Formulas need GiNaC, the library for symbolic algebra (Debian's libginac-dev), and this Kirvolt was built without it.\n");
}

#endif

}  // namespace
}  // namespace kirvolt
