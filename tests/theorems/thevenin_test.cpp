#include <gtest/gtest.h>

#include <memory>

#include "analysis/nodal_solver.h"
#include "analysis/node_names.h"
#include "document/circuit_file.h"
#include "spice_batch.h"
#include "support/ngspice.h"
#include "support/random_circuits.h"
#include "theorems/thevenin.h"
#include "theorems/thevenin_text.h"

namespace kirvolt {
namespace {

using testing::SpiceBatch;

struct Question {
    std::string what;
    std::shared_ptr<CKirvoltDoc> doc;
    TheveninQuestion question;
};

// Every pair of nodes and every resistor as the load.
void askEverything(const std::string& what, const std::shared_ptr<CKirvoltDoc>& doc, std::vector<Question>& questions)
{
    for (int a = 1; a <= doc->nodeCount; ++a) {
        for (int b = a + 1; b <= doc->nodeCount; ++b) {
            questions.push_back({what + " between " + std::to_string(a) + " " + std::to_string(b), doc,
                                 {nodeName(*doc, a), nodeName(*doc, b), {}}});
        }
    }
    for (const auto& c : doc->components) {
        if (c->kindCode == KIND_RESISTOR) {
            questions.push_back({what + " seen by " + c->label, doc, {{}, {}, c->label}});
        }
    }
}

std::vector<Question> examplesAndRandomCircuits()
{
    std::vector<Question> questions;
    for (const std::string& file : testing::solvableExamples()) {
        auto doc = std::make_shared<CKirvoltDoc>();
        loadCircuit(file, *doc);
        runNodalAnalysis(*doc);
        askEverything(file, doc, questions);
    }
    testing::CircuitGenerator generator(20261209);
    for (int n = 0; n < 200; ++n) {
        const testing::RandomCircuit circuit = generator.next();
        testing::DrawnCircuit drawn(circuit, generator);
        drawn.buildAndChooseDatum();
        auto doc = std::make_shared<CKirvoltDoc>();
        readCircuitBytes(circuitBytes(drawn.doc), *doc);
        runNodalAnalysis(*doc);
        std::vector<Question> all;
        askEverything("random circuit " + std::to_string(n), doc, all);
        questions.push_back(all[static_cast<std::size_t>(generator.between(0, static_cast<int>(all.size()) - 1))]);
    }
    return questions;
}

// The open circuit, the short-circuit current through a 0 V source from A to B, and the
// voltage a test current of 1 A makes with every source at zero, each solved by ngspice.
TEST(Thevenin, AgreesWithNgspiceOnEveryExampleAndRandomCircuits)
{
    const std::vector<Question> questions = examplesAndRandomCircuits();
    std::vector<TheveninStudy> studies;
    SpiceBatch spice;
    struct Runs {
        int open = -1;
        int zeroed = -1;
        int shorted = -1;
    };
    std::vector<Runs> runs;
    int tied = 0;
    int apart = 0;
    for (const Question& q : questions) {
        auto answer = studyThevenin(*q.doc, q.question);
        ASSERT_TRUE(std::holds_alternative<TheveninStudy>(answer)) << q.what << ": " << std::get<std::string>(answer);
        TheveninStudy& study = studies.emplace_back(std::move(std::get<TheveninStudy>(answer)));
        const int a = study.terminalA;
        const int b = study.terminalB;
        Runs& run = runs.emplace_back();
        if (study.vth) {
            run.open = spice.add(study.circuit);
            Netlist zeroed = study.circuit;
            for (NetlistElement& element : zeroed.elements) {
                element.value = element.kind == KIND_RESISTOR ? element.value : 0.0;
            }
            zeroed.elements.push_back({KIND_CURRENT_SOURCE, "test", b, a, 1.0});
            run.zeroed = spice.add(zeroed);
        } else {
            ++apart;
            EXPECT_FALSE(study.rth) << q.what;
        }
        if (study.in) {
            Netlist shorted = study.circuit;
            shorted.elements.push_back({KIND_VOLTAGE_SOURCE, "short", a, b, 0.0});
            run.shorted = spice.add(shorted);
        } else {
            ++tied;
            EXPECT_EQ(study.rth, 0.0) << q.what;
        }
    }
    spice.run();
    const double scale = spice.scale();
    for (std::size_t k = 0; k < studies.size(); ++k) {
        const TheveninStudy& s = studies[k];
        const std::string& what = questions[k].what;
        if (runs[k].open >= 0) {
            const double vth = spice.voltage(runs[k].open, s.terminalA) - spice.voltage(runs[k].open, s.terminalB);
            EXPECT_NEAR(*s.vth, vth, testing::agreementTolerance(*s.vth, vth, scale)) << what << " Vth";
            const double rth = spice.voltage(runs[k].zeroed, s.terminalA) - spice.voltage(runs[k].zeroed, s.terminalB);
            EXPECT_NEAR(*s.rth, rth, testing::agreementTolerance(*s.rth, rth, scale)) << what << " Rth";
        }
        if (runs[k].shorted >= 0) {
            const double in = spice.sourceCurrent(runs[k].shorted, static_cast<int>(s.circuit.elements.size()));
            EXPECT_NEAR(*s.in, in, testing::agreementTolerance(*s.in, in, scale)) << what << " In";
        }
    }
    EXPECT_GT(tied, 0);
    EXPECT_GT(apart, 0);
}

}  // namespace
}  // namespace kirvolt

namespace kirvolt {
namespace {

// The bridge seen by R5: In is 62.5 mA, which a value label would write "0.063 A"; the drawn
// equivalents label every value as the worked sequence writes it.
TEST(Thevenin, TheDrawnEquivalentsLabelTheirValuesAsTheWorkedTextDoes)
{
    CKirvoltDoc doc;
    ASSERT_TRUE(loadCircuit(std::string(KIRVOLT_EXAMPLES_DIR) + "/wheatstone_unbalanced.kvt", doc).ok);
    ASSERT_TRUE(runNodalAnalysis(doc));
    auto answer = studyThevenin(doc, {{}, {}, "R5"});
    ASSERT_TRUE(std::holds_alternative<TheveninStudy>(answer));
    TheveninStudy& study = std::get<TheveninStudy>(answer);
    ASSERT_NEAR(*study.in, 0.0625, 1e-12);
    const std::vector<std::string> steps = theveninSteps(study);
    ASSERT_EQ(steps.back(), "Norton equivalent: In = 62.5 mA into 3, in parallel with Rth = 15.24 \xCE\xA9.");
    const struct {
        std::optional<Netlist> circuit;
        std::map<std::string, std::string> labels;  // by element name
    } rows[] = {
        {theveninCircuit(study), {{"Vth", "0.95 V"}, {"Rth", "15.24 \xCE\xA9"}}},
        {nortonCircuit(study), {{"In", "62.5 mA"}, {"Rth", "15.24 \xCE\xA9"}}},
    };
    for (const auto& row : rows) {
        const EquivalentDrawing drawing = drawEquivalent(row.circuit);
        ASSERT_TRUE(drawing.doc);
        std::map<std::string, std::string> labels;
        for (const auto& element : drawing.doc->components) {
            if (const auto label = drawing.valueLabels.find(element->recordId); label != drawing.valueLabels.end()) {
                labels[element->label] = label->second;
            }
        }
        EXPECT_EQ(labels, row.labels);
    }
    EXPECT_FALSE(drawEquivalent(std::nullopt).doc);
}

}  // namespace
}  // namespace kirvolt
