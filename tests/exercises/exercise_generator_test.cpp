#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "analysis/nodal_solver.h"
#include "document/circuit_file.h"
#include "exercises/exercise_generator.h"
#include "spice/circuit_layout.h"
#include "spice/ngspice_agreement.h"
#include "support/layout_check.h"
#include "support/ngspice.h"

namespace kirvolt {
namespace {

constexpr int SEEDS = 200;

struct Setting {
    const char* name;
    ExerciseCounts counts;
};

const Setting SETTINGS[] = {
    {"OneNodeAVoltageSource", {1, 1, 0}},
    {"OneNodeACurrentSource", {1, 0, 1}},
    {"TheDefault", {}},
    {"FiveNodesTwoSourcesOfEach", {5, 2, 2}},
    {"EightNodesOnlyCurrentSources", {8, 0, 3}},
};

void PrintTo(const Setting& setting, std::ostream* out) { *out << setting.name; }

std::string ngspiceName(int circuit, const std::string& name) { return "c" + std::to_string(circuit) + "_" + name; }

std::string ngspiceNode(int circuit, const Netlist& netlist, int node)
{
    return node == 0 ? "0" : ngspiceName(circuit, netlist.nodes[static_cast<std::size_t>(node)]);
}

// Every exercise of a setting in one netlist, each circuit's names prefixed with its number,
// so that one run of ngspice solves them all: they meet only at ground, each at its datum.
std::string combinedNetlist(const std::vector<Netlist>& netlists)
{
    std::string text = "exercises\n";
    for (std::size_t c = 0; c < netlists.size(); ++c) {
        const int circuit = static_cast<int>(c);
        for (const NetlistElement& e : netlists[c].elements) {
            const char card = e.kind == KIND_RESISTOR ? 'r' : e.kind == KIND_VOLTAGE_SOURCE ? 'v' : 'i';
            text += card + ngspiceName(circuit, e.name) + " " + ngspiceNode(circuit, netlists[c], e.start) + " " +
                    ngspiceNode(circuit, netlists[c], e.finish) + " " + std::to_string(e.value) + "\n";
        }
    }
    return text + ".end\n";
}

// Textbook values: E12 resistances of tens of ohms, whole volts, one or two amperes.
void expectTextbookValues(const Netlist& netlist, const ExerciseCounts& counts, const std::string& what)
{
    const std::set<double> e12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
    int voltageSources = 0, currentSources = 0;
    for (const NetlistElement& e : netlist.elements) {
        if (e.kind == KIND_RESISTOR) {
            EXPECT_TRUE(e12.count(e.value)) << what << " " << e.name << " " << e.value;
        } else if (e.kind == KIND_VOLTAGE_SOURCE) {
            ++voltageSources;
            EXPECT_TRUE(e.value == std::round(e.value) && e.value >= 1 && e.value <= 24) << what << " " << e.name;
        } else {
            ++currentSources;
            EXPECT_TRUE(e.value == 1 || e.value == 2) << what << " " << e.name;
        }
    }
    EXPECT_EQ(voltageSources, counts.voltageSources) << what;
    EXPECT_EQ(currentSources, counts.currentSources) << what;
    EXPECT_EQ(netlist.nodes.size(), static_cast<std::size_t>(counts.nodes) + 1) << what;
}

class ExerciseSetting : public ::testing::TestWithParam<Setting> {};

TEST_P(ExerciseSetting, EverySeedPassesTheChecksDrawsCleanlyAndSolvesAsNgspiceSolvesIt)
{
    const ExerciseCounts counts = GetParam().counts;
    std::vector<Netlist> netlists;
    std::vector<std::unique_ptr<CKirvoltDoc>> docs;
    std::vector<CircuitLayout> layouts;
    for (int seed = 0; seed < SEEDS; ++seed) {
        const std::string what = "seed " + std::to_string(seed);
        const std::optional<Netlist> netlist = exerciseNetlist(static_cast<std::uint64_t>(seed), counts);
        ASSERT_TRUE(netlist) << what;
        expectTextbookValues(*netlist, counts, what);
        auto& doc = *docs.emplace_back(std::make_unique<CKirvoltDoc>());
        const CircuitLayout& layout = layouts.emplace_back(layoutCircuit(*netlist, doc));
        ASSERT_FALSE(layout.refusal) << what;
        const std::vector<std::string> faults = testing::drawingFaults(doc, *netlist, layout);
        EXPECT_TRUE(faults.empty()) << what << ": " << (faults.empty() ? "" : faults.front());
        EXPECT_EQ(doc.nodeCount, counts.nodes + 1) << what;
        const AnalysisOutcome outcome = runNodalAnalysis(doc);
        ASSERT_TRUE(outcome) << what << ": " << outcome.refusal->message;
        netlists.push_back(*netlist);
    }

    const std::map<std::string, double> printed = testing::runNgspiceOperatingPoint(combinedNetlist(netlists));
    ASSERT_FALSE(printed.empty()) << "ngspice could not be run";
    for (std::size_t c = 0; c < netlists.size(); ++c) {
        const int circuit = static_cast<int>(c);
        const std::string what = "seed " + std::to_string(c);
        std::vector<double> voltages;
        for (std::size_t node = 1; node < netlists[c].nodes.size(); ++node) {
            const std::optional<double> spice = testing::ngspiceVoltage(printed, ngspiceNode(circuit, netlists[c], static_cast<int>(node)));
            ASSERT_TRUE(spice) << what << " node " << netlists[c].nodes[node];
            voltages.push_back(std::abs(*spice));
        }
        const double scale = *std::max_element(voltages.begin(), voltages.end());
        for (std::size_t node = 1; node < netlists[c].nodes.size(); ++node) {
            const double spice = *testing::ngspiceVoltage(printed, ngspiceNode(circuit, netlists[c], static_cast<int>(node)));
            testing::expectClose(testing::nodeVoltage(*docs[c], layouts[c].nodeNumbers[node]), spice, scale,
                                 what + " node " + netlists[c].nodes[node]);
        }
        for (std::size_t k = 0; k < netlists[c].elements.size(); ++k) {
            const NetlistElement& e = netlists[c].elements[k];
            if (e.kind == KIND_VOLTAGE_SOURCE) {
                const std::string key = "v" + ngspiceName(circuit, e.name) + "#branch";
                std::string lowered = key;
                std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](unsigned char ch) { return std::tolower(ch); });
                ASSERT_TRUE(printed.count(lowered)) << what << " " << lowered;
                // The elements come first in the component list, in netlist order.
                testing::expectClose(docs[c]->components[k]->current, printed.at(lowered), scale, what + " " + e.name);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ExerciseSetting, ::testing::ValuesIn(SETTINGS),
                         [](const ::testing::TestParamInfo<Setting>& info) { return std::string(info.param.name); });

std::vector<std::uint8_t> exerciseBytes(std::uint64_t seed, const ExerciseCounts& counts)
{
    CKirvoltDoc doc;
    EXPECT_FALSE(drawExercise(seed, counts, doc));
    return circuitBytes(doc);
}

TEST(Exercise, TheSameSeedGivesTheSameFileAndNeighbouringSeedsOthers)
{
    const std::uint64_t seeds[] = {0, 1, 2, 12345, 18446744073709551615u};
    std::set<std::vector<std::uint8_t>> files;
    for (const std::uint64_t seed : seeds) {
        for (const Setting& setting : SETTINGS) {
            const std::vector<std::uint8_t> bytes = exerciseBytes(seed, setting.counts);
            EXPECT_EQ(bytes, exerciseBytes(seed, setting.counts)) << seed << " " << setting.name;
            files.insert(bytes);
        }
    }
    EXPECT_EQ(files.size(), std::size(seeds) * std::size(SETTINGS));
}

// The exercise of one seed as it must come out on every machine: a change here changes
// every exercise a teacher has handed out.
TEST(Exercise, SeedTwentyTwentyFourGivesItsOwnCircuit)
{
    const std::optional<Netlist> netlist = exerciseNetlist(2024, ExerciseCounts{});
    ASSERT_TRUE(netlist);
    std::string cards;
    for (const NetlistElement& e : netlist->elements) {
        cards += e.name + " " + netlist->nodes[static_cast<std::size_t>(e.start)] + " " +
                 netlist->nodes[static_cast<std::size_t>(e.finish)] + " " + std::to_string(static_cast<int>(e.value)) + "\n";
    }
    EXPECT_EQ(cards,
              "E1 B 0 3\n"
              "R1 0 A 39\n"
              "R2 0 C 82\n"
              "R3 A C 12\n"
              "R4 B C 82\n"
              "J1 B A 2\n");
}

TEST(Exercise, CountsThatCannotBeMetAreRefusedWithTheirReason)
{
    struct Case {
        ExerciseCounts counts;
        const char* message;
    };
    const Case cases[] = {
        {{0, 1, 1}, "An exercise has from 1 to 8 nodes besides the datum."},
        {{9, 1, 1}, "An exercise has from 1 to 8 nodes besides the datum."},
        {{3, -1, 1}, "An exercise cannot have a negative number of sources."},
        {{3, 1, -1}, "An exercise cannot have a negative number of sources."},
        {{3, 0, 0}, "An exercise needs at least one voltage source or current source:\nwithout one every voltage is 0 V."},
        {{1, 2, 0}, "An exercise with 1 node besides the datum can have at most 1 voltage source:\n"
                    "one more would close a loop of voltage sources."},
        {{3, 4, 0}, "An exercise with 3 nodes besides the datum can have at most 3 voltage sources:\n"
                    "one more would close a loop of voltage sources."},
        {{2, 1, 4}, "An exercise with 2 nodes besides the datum can have at most 3 current sources:\n"
                    "more would crowd the drawing."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(exerciseCountsRefusal(c.counts).value_or(""), c.message);
        EXPECT_FALSE(exerciseNetlist(7, c.counts));
        CKirvoltDoc doc;
        EXPECT_EQ(drawExercise(7, c.counts, doc).value_or(""), c.message);
        EXPECT_TRUE(doc.components.empty());
    }
    EXPECT_EQ(exerciseCountsText({1, 0, 2}), "1 node besides the datum, 0 voltage sources, 2 current sources");
}

}  // namespace
}  // namespace kirvolt
