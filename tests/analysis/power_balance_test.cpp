#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/element_power.h"
#include "analysis/nodal_solver.h"
#include "support/example_circuits.h"
#include "support/ngspice.h"
#include "support/random_circuits.h"

namespace kirvolt {
namespace {

using testing::CircuitGenerator;
using testing::DrawnCircuit;

// Circuits analysed by Kirvolt, written into one netlist in which they share only the ground,
// each device asking ngspice for the power it absorbs.
class PowerNetlist {
public:
    void add(const CKirvoltDoc& doc, const std::string& what)
    {
        cards.precision(17);
        const std::string prefix = "c" + std::to_string(circuits++) + "_";
        const auto node = [&](int k) { return k == doc.datumNode ? std::string("0") : prefix + "n" + std::to_string(k); };
        for (const auto& c : doc.components) {
            if (!isAnalysedBranchKind(c->kindCode)) {
                continue;
            }
            const char letter = c->kindCode == KIND_RESISTOR ? 'r' : c->kindCode == KIND_VOLTAGE_SOURCE ? 'v' : 'i';
            const std::string name = letter + prefix + std::to_string(devices.size());
            cards << name << ' ' << node(c->startNode) << ' ' << node(c->finishNode)
                  << (c->kindCode == KIND_RESISTOR ? " " : " DC ") << c->value << '\n';
            devices.push_back({"@" + name + "[p]", absorbedPower(*c), what + " " + c->label, &doc});
        }
    }

    std::string text() const
    {
        std::ostringstream out;
        out << "kirvolt power\n" << cards.str() << ".control\nset numdgt=15\nop\n";
        for (const Device& d : devices) {
            out << "print " << d.vector << '\n';
        }
        out << ".endc\n.end\n";
        return out.str();
    }

    struct Device {
        std::string vector;
        double power;
        std::string what;
        const CKirvoltDoc* doc;
    };
    std::vector<Device> devices;

private:
    std::ostringstream cards;
    int circuits = 0;
};

// What the elements deliver is what they absorb, to a billionth of it. Whether any power flows.
bool expectBalanced(const CKirvoltDoc& doc, const std::string& what)
{
    const PowerBalance balance = powerBalance(doc);
    EXPECT_NEAR(balance.delivered, balance.absorbed, 1e-9 * std::max(balance.absorbed, balance.delivered)) << what;
    return balance.absorbed > 0;
}

void expectAgreement(const PowerNetlist& netlist)
{
    const std::map<std::string, double> spice = testing::runNgspice(netlist.text());
    ASSERT_FALSE(spice.empty()) << "ngspice could not be run";
    std::map<const CKirvoltDoc*, double> scale;
    for (const auto& d : netlist.devices) {
        scale[d.doc] = std::max(scale[d.doc], std::abs(d.power));
    }
    for (const auto& d : netlist.devices) {
        const auto printed = spice.find(d.vector);
        ASSERT_NE(printed, spice.end()) << d.what;
        EXPECT_NEAR(d.power, printed->second, testing::agreementTolerance(d.power, printed->second, scale[d.doc]))
            << d.what;
    }
}

TEST(PowerBalance, EverySolvableExampleBalancesAndAgreesWithNgspice)
{
    std::vector<std::unique_ptr<CKirvoltDoc>> solved;
    PowerNetlist netlist;
    for (const testing::ExampleCircuit& example : testing::exampleCircuits()) {
        auto doc = std::make_unique<CKirvoltDoc>();
        testing::buildExample(example, *doc);
        if (runNodalAnalysis(*doc)) {
            EXPECT_TRUE(expectBalanced(*doc, example.fileName)) << example.fileName;
            netlist.add(*doc, example.fileName);
            solved.push_back(std::move(doc));
        }
    }
    EXPECT_GT(solved.size(), 5u);
    expectAgreement(netlist);
}

TEST(PowerBalance, RandomCircuitsBalanceAndAgreeWithNgspice)
{
    CircuitGenerator generator(20261209u);
    std::vector<std::unique_ptr<DrawnCircuit>> solved;
    std::vector<testing::RandomCircuit> circuits;
    PowerNetlist netlist;
    int powered = 0;
    while (solved.size() < 200) {
        circuits.push_back(generator.next());
        auto picture = std::make_unique<DrawnCircuit>(circuits.back(), generator);
        picture->buildAndChooseDatum();
        if (runNodalAnalysis(picture->doc)) {
            const std::string what = "circuit " + std::to_string(solved.size());
            powered += expectBalanced(picture->doc, what) ? 1 : 0;
            netlist.add(picture->doc, what);
            solved.push_back(std::move(picture));
        }
    }
    EXPECT_GT(powered, 150);
    expectAgreement(netlist);
}

// The sign convention on the smallest circuit: the source delivers what the resistor takes.
TEST(PowerBalance, TheSourceDeliversWhatTheResistorAbsorbs)
{
    CKirvoltDoc doc;
    testing::buildExample(testing::exampleCircuits().front(), doc);
    ASSERT_TRUE(runNodalAnalysis(doc));
    for (const auto& c : doc.components) {
        if (c->kindCode == KIND_RESISTOR) {
            EXPECT_GE(absorbedPower(*c), 0.0) << c->label;
            EXPECT_DOUBLE_EQ(absorbedPower(*c), c->pd * c->pd / c->value) << c->label;
        }
        if (isMeterKind(c->kindCode) || isWireKind(c->kindCode)) {
            EXPECT_EQ(absorbedPower(*c), 0.0) << c->label;
        }
    }
}

}  // namespace
}  // namespace kirvolt
