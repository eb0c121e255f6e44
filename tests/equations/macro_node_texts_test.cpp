#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "analysis/node_numbering.h"
#include "equations/all_equations.h"
#include "support/node_circuit.h"

namespace kirvolt {
namespace {

using testing::NodeCircuit;

// The equation texts of random circuits rich in voltage sources, loops and parallel pairs
// of sources included, so that every tie between equally short chains of sources is met.
// They are compared with texts recorded once from a known-good build; set
// KIRVOLT_RECORD_TEXTS to a path to write the texts there instead.
class SourceMeshGenerator {
public:
    explicit SourceMeshGenerator(std::uint32_t seed) : state(seed) {}

    void build(CKirvoltDoc& doc)
    {
        const int nodes = pick(2, 12);
        NodeCircuit circuit(doc, nodes);
        for (int k = 2; k <= nodes; ++k) {
            const int other = pick(1, k - 1);
            if (pick(1, 10) <= 7) {
                circuit.voltageSource(pick(0, 1) ? k : other, pick(0, 1) ? other : k, emf());
            } else {
                circuit.resistor(k, other, ohms());
            }
        }
        for (int extra = pick(0, nodes); extra > 0; --extra) {
            const int a = pick(1, nodes);
            const int b = pick(1, nodes);
            switch (pick(0, 3)) {
            case 0:
                circuit.resistor(a, b, ohms());
                break;
            case 1:
                circuit.currentSource(a, b, emf());
                break;
            default:
                circuit.voltageSource(a, b, emf());
                break;
            }
        }
        circuit.number(pick(1, nodes));
    }

private:
    // A generator of our own, so that the circuits do not depend on the library's distributions.
    int pick(int low, int high)
    {
        state = state * 1664525u + 1013904223u;
        return low + static_cast<int>((state >> 8) % static_cast<std::uint32_t>(high - low + 1));
    }
    double emf() { return pick(-12, 24) + 0.5 * pick(0, 1); }
    double ohms() { return pick(1, 470); }

    std::uint32_t state;
};

std::string equationTexts(int circuits)
{
    std::ostringstream out;
    for (int seed = 1; seed <= circuits; ++seed) {
        CKirvoltDoc doc;
        SourceMeshGenerator(static_cast<std::uint32_t>(seed)).build(doc);
        writeAllEquations(doc);
        out << "circuit " << seed << " datum " << doc.datumNode << '\n';
        for (int node = 1; node < static_cast<int>(doc.equationText.size()); ++node) {
            for (int line = 1; line <= 5; ++line) {
                out << node << '.' << line << ' ' << doc.equationText[node][line] << '\n';
            }
        }
    }
    return out.str();
}

TEST(MacroNodeTexts, AreTheRecordedOnes)
{
    const std::string texts = equationTexts(300);
    if (const char* record = std::getenv("KIRVOLT_RECORD_TEXTS")) {
        std::ofstream(record, std::ios::binary) << texts;
        GTEST_SKIP() << "recorded to " << record;
    }
    std::ifstream recorded(KIRVOLT_TEST_DATA_DIR "/macro_node_texts.txt", std::ios::binary);
    ASSERT_TRUE(recorded) << "no recorded texts";
    std::ostringstream expected;
    expected << recorded.rdbuf();
    std::istringstream got(texts);
    std::istringstream want(expected.str());
    std::string gotLine;
    std::string wantLine;
    int lineNumber = 0;
    while (std::getline(want, wantLine)) {
        ++lineNumber;
        ASSERT_TRUE(std::getline(got, gotLine)) << "texts end early at line " << lineNumber;
        ASSERT_EQ(gotLine, wantLine) << "line " << lineNumber;
    }
    EXPECT_FALSE(std::getline(got, gotLine)) << "more texts than recorded";
}

}  // namespace
}  // namespace kirvolt
