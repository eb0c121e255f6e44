#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "analysis/nodal_solver.h"
#include "support/node_circuit.h"
#include "support/recording_port.h"

namespace kirvolt {
namespace {

using testing::NodeCircuit;
using testing::RecordingPort;

struct Case {
    const char* what;
    int nodes;
    std::function<void(NodeCircuit&)> build;
    bool withChecks;
    std::string message;
};

const std::vector<Case>& cases()
{
    static const std::vector<Case> all{
        {"part with no path to the datum node", 4,
         [](NodeCircuit& c) {
             c.voltageSource(2, 1, 10, "E1");
             c.resistor(2, 1, 5, "R1");
             c.resistor(3, 4, 5, "R2");
             c.resistor(4, 3, 5, "R3");
         },
         true,
         "Nodes 3, 4 have no path through resistors or voltage sources to the datum node 1,\n"
         "so nothing ties their voltages to the datum node and the analysis cannot find them.\n\n"
         "Please connect this part of the circuit to the rest of the circuit through a resistor,\n"
         "a voltage source or a wire, or remove it, then apply the analysis again."},
        {"one node with no path to the datum node", 3,
         [](NodeCircuit& c) {
             c.voltageSource(2, 1, 10, "E1");
             c.resistor(2, 1, 5, "R1");
             c.resistor(3, 3, 5, "R2");
         },
         false,
         "Node 3 has no path through resistors or voltage sources to the datum node 1,\n"
         "so nothing ties its voltage to the datum node and the analysis cannot find it.\n\n"
         "Please connect this part of the circuit to the rest of the circuit through a resistor,\n"
         "a voltage source or a wire, or remove it, then apply the analysis again."},
        {"three voltage sources in a loop", 3,
         [](NodeCircuit& c) {
             c.voltageSource(1, 2, 1, "E1");
             c.resistor(2, 3, 5, "R1");
             c.voltageSource(2, 3, 2, "E2");
             c.voltageSource(3, 1, 3, "E3");
         },
         true,
         "Voltage Sources E1, E2, E3 form a closed loop.\n"
         "Around a closed loop the EMFs must add up to zero, and even when they do,\n"
         "the current that circulates around the loop cannot be found from the node voltages.\n\n"
         "Please remove one of these voltage sources, or put a resistor in series with it,\n"
         "then apply the analysis again."},
        {"voltage source across one node", 2,
         [](NodeCircuit& c) {
             c.resistor(1, 2, 5, "R1");
             c.resistor(2, 1, 5, "R2");
             c.voltageSource(2, 2, 4, "E5");
         },
         true,
         "Voltage Source E5 has both of its terminals on the same node, so it forms a closed loop by itself.\n"
         "Its EMF cannot appear across a single node, and the current through it cannot be found.\n\n"
         "Please remove this voltage source, or connect its terminals to two different nodes,\n"
         "then apply the analysis again."},
        {"part joined only through current sources", 4,
         [](NodeCircuit& c) {
             c.voltageSource(2, 1, 10, "E1");
             c.resistor(2, 1, 5, "R1");
             c.resistor(3, 4, 5, "R2");
             c.resistor(4, 3, 5, "R3");
             c.currentSource(2, 3, 1, "J1");
             c.currentSource(4, 1, 1, "J2");
         },
         true,
         "Nodes 3, 4 are connected to the rest of the circuit only through Current Sources J1, J2.\n"
         "A current source fixes the current in its branch but not the voltage across it,\n"
         "so nothing ties the voltages of these nodes to the datum node 1 and the analysis cannot find them.\n\n"
         "Please add a resistor or a voltage source between this part and the rest of the circuit,\n"
         "then apply the analysis again."},
        {"one node joined only through a current source", 3,
         [](NodeCircuit& c) {
             c.voltageSource(2, 1, 10, "E1");
             c.resistor(2, 1, 5, "R1");
             c.currentSource(2, 3, 1, "J1");
         },
         false,
         "Node 3 is connected to the rest of the circuit only through Current Source J1.\n"
         "A current source fixes the current in its branch but not the voltage across it,\n"
         "so nothing ties the voltage of this node to the datum node 1 and the analysis cannot find it.\n\n"
         "Please add a resistor or a voltage source between this part and the rest of the circuit,\n"
         "then apply the analysis again."},
        {"resistances that cancel", 2,
         [](NodeCircuit& c) {
             c.resistor(2, 1, 2, "R1");
             c.resistor(2, 1, -2, "R2");
             c.currentSource(1, 2, 1, "J1");
         },
         false,
         "The node equations of this circuit have no unique solution,\n"
         "so the analysis cannot find its node voltages.\n\n"
         "Please check the values and the connections of your components,\n"
         "then apply the analysis again."},
    };
    return all;
}

TEST(CircuitSolvability, UnsolvableCircuitsAreExplainedAndLeaveEveryValueAlone)
{
    for (const Case& c : cases()) {
        CKirvoltDoc doc;
        RecordingPort port;
        doc.setPort(&port);
        NodeCircuit circuit(doc, c.nodes);
        c.build(circuit);
        for (const auto& element : doc.components) {
            element->startVoltage = 11;
            element->finishVoltage = 12;
            element->pd = 13;
            element->current = 14;
        }
        const AnalysisOutcome outcome = c.withChecks ? runNodalAnalysis(doc) : solveNodalSystem(doc);
        ASSERT_FALSE(outcome) << c.what;
        EXPECT_EQ(doc.analysisFailed, 1) << c.what;
        EXPECT_EQ(outcome.refusal->message, c.message) << c.what;
        EXPECT_TRUE(port.messages.empty()) << c.what << ": the analysis shows nothing itself";
        for (const auto& element : doc.components) {
            EXPECT_EQ(element->startVoltage, 11) << c.what;
            EXPECT_EQ(element->finishVoltage, 12) << c.what;
            EXPECT_EQ(element->pd, 13) << c.what;
            EXPECT_EQ(element->current, 14) << c.what;
        }
    }
}

TEST(CircuitSolvability, NodeNamesAreTheJointLabels)
{
    CKirvoltDoc doc;
    RecordingPort port;
    doc.setPort(&port);
    NodeCircuit circuit(doc, 4);
    cases()[0].build(circuit);
    doc.components[0]->label = std::string("G");
    doc.components[2]->label = std::string("A");
    const AnalysisOutcome outcome = runNodalAnalysis(doc);
    ASSERT_FALSE(outcome);
    const std::string firstLine = "Nodes A, 4 have no path through resistors or voltage sources to the datum node G,\n";
    EXPECT_EQ(outcome.refusal->message.substr(0, firstLine.size()), firstLine);
}

}  // namespace
}  // namespace kirvolt
