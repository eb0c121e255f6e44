#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <regex>

#include "analysis/macro_node.h"
#include "analysis/nodal_solver.h"
#include "equations/all_equations.h"
#include "support/node_circuit.h"
#include "support/scripted_port.h"

namespace kirvolt {
namespace {

using testing::NodeCircuit;

// Random circuits that the analysis accepts: a spanning tree of resistors and voltage sources
// (so no loop of sources and every node reaches the datum), extra resistors between any two
// nodes (parallel ones, ones inside macro nodes, now and then one with both ends on a node),
// and a few current sources.
class RandomCircuit {
public:
    explicit RandomCircuit(std::mt19937& random) : random(random) {}

    void build(CKirvoltDoc& doc)
    {
        const int nodes = pick(3, 9);
        const int datum = pick(1, nodes);
        NodeCircuit circuit(doc, nodes);
        std::vector<int> degree(static_cast<std::size_t>(nodes) + 1, 0);
        const auto connect = [&](int a, int b) {
            ++degree[static_cast<std::size_t>(a)];
            ++degree[static_cast<std::size_t>(b)];
        };
        for (int k = 2; k <= nodes; ++k) {
            const int other = pick(1, k - 1);
            if (pick(1, 10) <= 3) {
                circuit.voltageSource(k, other, emf());
            } else {
                circuit.resistor(k, other, ohms());
            }
            connect(k, other);
        }
        for (int extra = pick(0, nodes); extra > 0; --extra) {
            const int a = pick(1, nodes);
            const int b = pick(1, 12) == 1 ? a : pick(1, nodes);
            // The solver cannot yet take a resistor with both ends on the datum node.
            if (a == b && a == datum) {
                continue;
            }
            circuit.resistor(a, b, ohms());
            connect(a, b);
        }
        for (int sources = pick(0, 3); sources > 0; --sources) {
            const int a = pick(1, nodes);
            const int b = pick(1, 10) == 1 ? a : pick(1, nodes);
            circuit.currentSource(a, b, amperes());
            connect(a, b);
        }
        for (int k = 1; k <= nodes; ++k) {
            if (degree[static_cast<std::size_t>(k)] < 2) {
                circuit.resistor(k, k == 1 ? 2 : 1, ohms());
            }
        }
        doc.datumNode = datum;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    double choose(const std::vector<double>& values)
    {
        return values[static_cast<std::size_t>(pick(0, static_cast<int>(values.size()) - 1))];
    }
    double ohms() { return choose({0.1, 0.47, 1, 2, 2.2, 3.3, 4.7, 10, 15, 47, 100, 330, 1000}); }
    double emf() { return choose({1.5, 5, 9, 12, 24, -3, -6.5}); }
    double amperes() { return choose({0.01, 0.25, 1, 2, 3.5, -0.5, -2}); }

    std::mt19937& random;
};

double voltageOf(const CKirvoltDoc& doc, const std::string& name)
{
    const int node = std::stoi(name);
    for (const auto& record : doc.components) {
        if (record->kindCode == KIND_JOINT && record->startNode == node) {
            return record->startVoltage;
        }
    }
    throw std::logic_error("no joint for V" + name);
}

// Line 5 of a KCL equation, "( 0.7500 ) * V1 - (0.5000 ) * V2   =  3.00", with the node
// voltages put in: the difference of the two sides, and how far the printed rounding of the
// coefficients and the right side can move it.
struct Balance {
    double difference = 0.0;
    double tolerance = 0.0;
};

Balance balanceOfKcl(const CKirvoltDoc& doc, const std::string& line)
{
    const std::size_t equals = line.find("  =  ");
    const std::string left = line.substr(0, equals);
    const double right = std::stod(line.substr(equals + 5));
    static const std::regex term(R"(\(\s*([0-9.]+) \) \* V(\w+))");
    Balance balance{-right, 0.005 + 1e-9 * std::fabs(right)};
    std::size_t previousEnd = 0;
    for (auto it = std::sregex_iterator(left.begin(), left.end(), term); it != std::sregex_iterator(); ++it) {
        const std::string coefficient = (*it)[1];
        const std::string between = left.substr(previousEnd, static_cast<std::size_t>(it->position()) - previousEnd);
        const double sign = between.find('-') != std::string::npos ? -1.0 : 1.0;
        const double volts = voltageOf(doc, (*it)[2]);
        const int decimals = static_cast<int>(coefficient.size() - coefficient.find('.') - 1);
        balance.difference += sign * std::stod(coefficient) * volts;
        balance.tolerance += std::fabs(volts) * (0.5 * std::pow(10.0, -decimals) + 1e-9);
        previousEnd = static_cast<std::size_t>(it->position() + it->length());
    }
    return balance;
}

// Line 5 of a relation: «V3  =  17.00V» from the datum, «V4  =  -3.50  +  V2» from the first
// macro node.
Balance balanceOfRelation(const CKirvoltDoc& doc, int node, const std::string& line)
{
    const std::string right = line.substr(line.find("  =  ") + 5);
    double expected = std::stod(right);
    const std::size_t first = right.find("  +  V");
    if (first != std::string::npos) {
        expected += voltageOf(doc, right.substr(first + 6));
    }
    return {voltageOf(doc, std::to_string(node)) - expected, 0.005 + 1e-9 * std::fabs(expected)};
}

bool hasResistorInside(const CKirvoltDoc& doc, const std::vector<int>& members)
{
    const auto inside = [&](int node) { return std::find(members.begin(), members.end(), node) != members.end(); };
    for (int b = 1; b <= doc.branchCount; ++b) {
        if (doc.branchKinds[b] == KIND_RESISTOR && doc.branchStartNodes[b] != doc.branchFinishNodes[b] &&
            inside(doc.branchStartNodes[b]) && inside(doc.branchFinishNodes[b])) {
            return true;
        }
    }
    return false;
}

TEST(EquationsAgreeWithSolution, LineFiveHoldsForTheComputedVoltages)
{
    std::mt19937 random(20240611);
    int solved = 0;
    int ordinary = 0;
    int macroEquations = 0;
    int macroWithResistorInside = 0;
    int datumRelations = 0;
    int memberRelations = 0;
    for (int attempt = 0; attempt < 400; ++attempt) {
        CKirvoltDoc doc;
        testing::ScriptedPort port;
        doc.setPort(&port);
        RandomCircuit(random).build(doc);
        if (!runNodalAnalysis(doc)) {
            continue;
        }
        ++solved;
        writeAllEquations(doc);
        ASSERT_TRUE(port.messages().empty()) << port.messages().front();
        for (int node = 1; node <= doc.nodeCount; ++node) {
            if (node == doc.datumNode) {
                continue;
            }
            const std::string line = doc.equationText[node][5];
            const std::vector<int> members = collectMacroNode(doc, node);
            const bool holdsDatum = std::find(members.begin(), members.end(), doc.datumNode) != members.end();
            Balance balance;
            if (members.size() == 1) {
                balance = balanceOfKcl(doc, line);
                ++ordinary;
            } else if (!holdsDatum && node == firstMacroNode(members)) {
                balance = balanceOfKcl(doc, line);
                ++macroEquations;
                macroWithResistorInside += hasResistorInside(doc, members) ? 1 : 0;
            } else {
                balance = balanceOfRelation(doc, node, line);
                ++(holdsDatum ? datumRelations : memberRelations);
            }
            ASSERT_LE(std::fabs(balance.difference), balance.tolerance)
                << "attempt " << attempt << ", node " << node << ": " << line;
        }
    }
    EXPECT_GE(solved, 350);
    EXPECT_GE(ordinary, 800);
    EXPECT_GE(macroEquations, 150);
    EXPECT_GE(macroWithResistorInside, 30);
    EXPECT_GE(datumRelations, 150);
    EXPECT_GE(memberRelations, 150);
}

}  // namespace
}  // namespace kirvolt
