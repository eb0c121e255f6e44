#include <gtest/gtest.h>

#include <memory>

#include "analysis/named_system.h"
#include "analysis/nodal_solver.h"
#include "document/circuit_file.h"
#include "spice_batch.h"
#include "support/ngspice.h"
#include "support/random_circuits.h"
#include "theorems/superposition.h"

namespace kirvolt {
namespace {

using testing::SpiceBatch;

std::vector<std::pair<std::string, std::unique_ptr<CKirvoltDoc>>> analysedCircuits()
{
    std::vector<std::pair<std::string, std::unique_ptr<CKirvoltDoc>>> circuits;
    for (const std::string& file : testing::solvableExamples()) {
        auto doc = std::make_unique<CKirvoltDoc>();
        loadCircuit(file, *doc);
        runNodalAnalysis(*doc);
        circuits.emplace_back(file, std::move(doc));
    }
    testing::CircuitGenerator generator(91202);
    for (int n = 0; n < 200; ++n) {
        const testing::RandomCircuit circuit = generator.next();
        testing::DrawnCircuit drawn(circuit, generator);
        drawn.buildAndChooseDatum();
        auto doc = std::make_unique<CKirvoltDoc>();
        readCircuitBytes(circuitBytes(drawn.doc), *doc);
        runNodalAnalysis(*doc);
        circuits.emplace_back("random circuit " + std::to_string(n), std::move(doc));
    }
    return circuits;
}

// The parts add up to the full solution, and each part is what ngspice makes of its netlist.
TEST(Superposition, PartsSumToTheFullSolutionAndEachAgreesWithNgspice)
{
    auto circuits = analysedCircuits();
    SpiceBatch spice;
    std::vector<std::vector<SuperpositionPart>> allParts;
    std::vector<std::vector<int>> runs;
    for (auto& [what, doc] : circuits) {
        auto parts = superpose(*doc);
        ASSERT_TRUE(parts.index() == 0) << what << ": " << std::get<std::string>(parts);
        auto& kept = allParts.emplace_back(std::move(std::get<0>(parts)));
        auto& partRuns = runs.emplace_back();
        for (const SuperpositionPart& part : kept) {
            partRuns.push_back(spice.add(testing::analysedCircuit(*part.doc)));
        }

        const CircuitValues sum = sumOfParts(kept, *doc);
        const CircuitValues full = circuitValues(*doc, *doc);
        double scale = 0;
        for (double v : full.nodeVoltages) {
            scale = std::max(scale, std::abs(v));
        }
        for (std::size_t k = 0; k < full.nodeVoltages.size(); ++k) {
            EXPECT_NEAR(sum.nodeVoltages[k], full.nodeVoltages[k], 1e-9 * std::max(1.0, scale)) << what << " node " << k;
        }
        for (std::size_t c = 0; c < full.pds.size(); ++c) {
            EXPECT_NEAR(sum.pds[c], full.pds[c], 1e-9 * std::max(1.0, scale)) << what << " p.d. of " << doc->components[c]->label;
            EXPECT_NEAR(sum.currents[c], full.currents[c], 1e-9 * std::max(1.0, std::abs(full.currents[c])))
                << what << " current of " << doc->components[c]->label;
        }
    }
    spice.run();
    const double scale = spice.scale();
    for (std::size_t n = 0; n < circuits.size(); ++n) {
        for (std::size_t p = 0; p < allParts[n].size(); ++p) {
            const CKirvoltDoc& part = *allParts[n][p].doc;
            const std::string what = circuits[n].first + ", " + allParts[n][p].source->label + " alone";
            for (int k = 1; k <= part.nodeCount; ++k) {
                const double mine = solvedNodeVoltage(part, k);
                const double theirs = spice.voltage(runs[n][p], k == part.datumNode ? 0 : k);
                EXPECT_NEAR(mine, theirs, testing::agreementTolerance(mine, theirs, scale)) << what << " node " << k;
            }
            int element = 0;
            for (const auto& c : part.components) {
                if (!isAnalysedBranchKind(c->kindCode)) {
                    continue;
                }
                if (c->kindCode == KIND_VOLTAGE_SOURCE) {
                    const double theirs = spice.sourceCurrent(runs[n][p], element);
                    EXPECT_NEAR(c->current, theirs, testing::agreementTolerance(c->current, theirs, scale)) << what << " " << c->label;
                }
                ++element;
            }
        }
    }
}

}  // namespace
}  // namespace kirvolt
