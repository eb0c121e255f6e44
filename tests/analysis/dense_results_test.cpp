#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/nodal_solver.h"
#include "support/node_circuit.h"

namespace kirvolt {
namespace {

using testing::NodeCircuit;

// The results of random circuits of up to about two hundred unknowns, every digit of them,
// compared with results recorded from the dense elimination with its equilibration and its
// step of refinement (which moved the digits that earlier recordings held only to within
// rounding): a circuit of teaching size must keep every digit it has. Set
// KIRVOLT_RECORD_RESULTS to a path to write the results there instead.
class ResultsCircuitGenerator {
public:
    explicit ResultsCircuitGenerator(std::uint32_t seed) : state(seed) {}

    void build(CKirvoltDoc& doc, int fewestNodes, int mostNodes)
    {
        const int nodes = pick(fewestNodes, mostNodes);
        NodeCircuit circuit(doc, nodes);
        std::vector<int> degree(static_cast<std::size_t>(nodes) + 1, 0);
        const auto join = [&](int a, int b) {
            ++degree[static_cast<std::size_t>(a)];
            ++degree[static_cast<std::size_t>(b)];
        };
        // A tree of resistors and sources, so that no source closes a loop.
        for (int k = 2; k <= nodes; ++k) {
            const int other = pick(1, k - 1);
            if (pick(1, 10) <= 2) {
                const bool upward = pick(0, 1) == 1;
                circuit.voltageSource(upward ? k : other, upward ? other : k, emf());
            } else {
                circuit.resistor(k, other, ohms());
            }
            join(k, other);
        }
        for (int extra = pick(0, nodes / 3 + 1); extra > 0; --extra) {
            const int a = pick(1, nodes);
            const int b = a % nodes + 1;
            circuit.currentSource(a, b, emf());
            join(a, b);
        }
        for (int k = 1; k <= nodes; ++k) {
            while (degree[static_cast<std::size_t>(k)] < 3) {
                const int other = (k + pick(0, nodes - 2)) % nodes + 1;
                circuit.resistor(k, other, ohms());
                join(k, other);
            }
        }
        doc.datumNode = pick(1, nodes);
    }

private:
    int pick(int low, int high)
    {
        state = state * 1664525u + 1013904223u;
        return low + static_cast<int>((state >> 8) % static_cast<std::uint32_t>(high - low + 1));
    }
    double emf() { return (pick(-1200, 2400) + 1) / 7.0; }
    double ohms() { return pick(1, 100000) / 13.0; }

    std::uint32_t state;
};

void printResults(std::ostringstream& out, int seed, CKirvoltDoc& doc)
{
    const AnalysisOutcome outcome = runNodalAnalysis(doc);
    out << "circuit " << seed << " unknowns " << outcome.unknownCount.value_or(0) << (outcome ? "" : " refused") << '\n';
    if (!outcome) {
        return;
    }
    char line[160];
    for (const auto& c : doc.components) {
        std::snprintf(line, sizeof line, "%s %a %a %a %a\n", c->label.c_str(), c->startVoltage, c->finishVoltage,
                      c->pd, c->current);
        out << line;
    }
}

std::string solvedResults()
{
    std::ostringstream out;
    for (int seed = 1; seed <= 200; ++seed) {
        CKirvoltDoc doc;
        ResultsCircuitGenerator(static_cast<std::uint32_t>(seed)).build(doc, 2, 14);
        printResults(out, seed, doc);
    }
    // Near the largest system that is still eliminated densely.
    for (int seed = 201; seed <= 204; ++seed) {
        CKirvoltDoc doc;
        ResultsCircuitGenerator(static_cast<std::uint32_t>(seed)).build(doc, 140, 160);
        printResults(out, seed, doc);
        EXPECT_LE(nodalUnknownCount(doc), DENSE_SOLVE_LIMIT);
    }
    return out.str();
}

TEST(DenseResults, AreTheRecordedOnesToTheLastDigit)
{
    const std::string results = solvedResults();
    if (const char* record = std::getenv("KIRVOLT_RECORD_RESULTS")) {
        std::ofstream(record, std::ios::binary) << results;
        GTEST_SKIP() << "recorded to " << record;
    }
    std::ifstream recorded(KIRVOLT_TEST_DATA_DIR "/dense_results.txt", std::ios::binary);
    ASSERT_TRUE(recorded) << "no recorded results";
    std::istringstream got(results);
    std::string gotLine;
    std::string wantLine;
    int lineNumber = 0;
    while (std::getline(recorded, wantLine)) {
        ++lineNumber;
        ASSERT_TRUE(std::getline(got, gotLine)) << "results end early at line " << lineNumber;
        ASSERT_EQ(gotLine, wantLine) << "line " << lineNumber;
    }
    EXPECT_FALSE(std::getline(got, gotLine)) << "more results than recorded";
}

}  // namespace
}  // namespace kirvolt
