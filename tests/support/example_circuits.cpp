#include "support/example_circuits.h"

#include <stdexcept>

#include "analysis/node_extraction.h"
#include "support/circuit_builder.h"

namespace kirvolt::testing {
namespace {

// The datum node stands where a textbook puts it: on the bottom rail, at the point given.
constexpr Point DATUM_POINT{4, 16};
constexpr int TOP = 4;
constexpr int BOTTOM = 16;

// Draws on the grid with joints at every node point, so that the student sees where the
// wires meet.
class Sketch {
public:
    explicit Sketch(CKirvoltDoc& doc) : build(doc) {}

    Sketch& part(int kind, Point a, Point b, double value)
    {
        build.between(kind, a, b, value);
        return *this;
    }
    // A part from the top rail down to the bottom rail at column x; a source's start (its
    // positive terminal, or where its current leaves the node) is at the top when up is set.
    Sketch& upright(int kind, int x, double value, bool up = true)
    {
        return up ? part(kind, {x, TOP}, {x, BOTTOM}, value) : part(kind, {x, BOTTOM}, {x, TOP}, value);
    }
    Sketch& wire(Point a, Point b)
    {
        build.wire(a, b);
        return *this;
    }
    // The bottom rail from column to column, with a joint at each.
    Sketch& rail(int y, std::initializer_list<int> columns)
    {
        const int* previous = nullptr;
        for (const int& x : columns) {
            if (previous != nullptr) {
                build.wire({*previous, y}, {x, y});
            }
            previous = &x;
        }
        return joints(y, columns);
    }
    Sketch& joints(int y, std::initializer_list<int> columns)
    {
        for (const int x : columns) {
            build.joint(x, y);
        }
        return *this;
    }

private:
    CircuitBuilder build;
};

constexpr int R = KIND_RESISTOR;
constexpr int V = KIND_VOLTAGE_SOURCE;
constexpr int J = KIND_CURRENT_SOURCE;

void divider(CKirvoltDoc& doc)
{
    Sketch(doc).upright(V, 4, 12).part(R, {4, TOP}, {16, TOP}, 40).upright(R, 16, 20).rail(BOTTOM, {4, 16}).joints(TOP, {4, 16});
}

void currentDivider(CKirvoltDoc& doc)
{
    Sketch(doc)
        .upright(J, 4, 1, false)
        .upright(R, 14, 10)
        .upright(R, 24, 40)
        .rail(TOP, {4, 14, 24})
        .rail(BOTTOM, {4, 14, 24});
}

void wheatstone(CKirvoltDoc& doc, double lowerRight)
{
    constexpr int middle = 10;
    Sketch(doc)
        .upright(V, 4, 10)
        .part(R, {12, TOP}, {12, middle}, 10)
        .part(R, {12, middle}, {12, BOTTOM}, 20)
        .part(R, {24, TOP}, {24, middle}, 15)
        .part(R, {24, middle}, {24, BOTTOM}, lowerRight)
        .part(R, {12, middle}, {24, middle}, 5)
        .joints(middle, {12, 24})
        .rail(TOP, {4, 12, 24})
        .rail(BOTTOM, {4, 12, 24});
}

void ladder(CKirvoltDoc& doc)
{
    Sketch(doc)
        .upright(V, 4, 16)
        .part(R, {4, TOP}, {12, TOP}, 10)
        .part(R, {12, TOP}, {20, TOP}, 10)
        .part(R, {20, TOP}, {28, TOP}, 10)
        .upright(R, 12, 20)
        .upright(R, 20, 20)
        .upright(R, 28, 10)
        .joints(TOP, {4, 12, 20, 28})
        .rail(BOTTOM, {4, 12, 20, 28});
}

// Two sources feeding a middle node; either may be replaced by a wire to show superposition.
void twoSources(CKirvoltDoc& doc, bool left, bool right)
{
    Sketch sketch(doc);
    sketch.part(R, {4, TOP}, {16, TOP}, 20).upright(R, 16, 40).part(R, {16, TOP}, {28, TOP}, 10);
    left ? sketch.upright(V, 4, 10) : sketch.wire({4, TOP}, {4, BOTTOM});
    right ? sketch.upright(V, 28, 5) : sketch.wire({28, TOP}, {28, BOTTOM});
    sketch.joints(TOP, {4, 16, 28}).rail(BOTTOM, {4, 16, 28});
}

void currentIntoNode(CKirvoltDoc& doc)
{
    Sketch(doc)
        .upright(V, 4, 12)
        .part(R, {4, TOP}, {16, TOP}, 10)
        .upright(R, 16, 20)
        .upright(J, 26, 0.5, false)
        .joints(TOP, {4})
        .rail(TOP, {16, 26})
        .rail(BOTTOM, {4, 16, 26});
}

// A voltage source between two nodes, neither of them the datum.
void macroNodeWithoutDatum(CKirvoltDoc& doc)
{
    Sketch(doc)
        .upright(V, 4, 10)
        .part(R, {4, TOP}, {14, TOP}, 10)
        .upright(R, 14, 20)
        .part(V, {26, TOP}, {14, TOP}, 4)
        .upright(R, 26, 30)
        .joints(TOP, {4, 14, 26})
        .rail(BOTTOM, {4, 14, 26});
}

// A voltage source from a node to the datum: the datum lies inside the macro node.
void macroNodeWithDatum(CKirvoltDoc& doc)
{
    Sketch(doc)
        .upright(J, 4, 0.2, false)
        .part(R, {4, TOP}, {16, TOP}, 20)
        .upright(V, 16, 6)
        .part(R, {16, TOP}, {28, TOP}, 30)
        .upright(R, 28, 10)
        .joints(TOP, {4, 16, 28})
        .rail(BOTTOM, {4, 16, 28});
}

void chainOfSources(CKirvoltDoc& doc)
{
    Sketch(doc)
        .upright(V, 4, 5)
        .part(V, {16, TOP}, {4, TOP}, 3)
        .upright(R, 16, 10)
        .part(V, {28, TOP}, {16, TOP}, 2)
        .upright(R, 28, 20)
        .joints(TOP, {4, 16, 28})
        .rail(BOTTOM, {4, 16, 28});
}

void mixedSources(CKirvoltDoc& doc)
{
    Sketch(doc)
        .upright(V, 4, 9)
        .part(R, {4, TOP}, {16, TOP}, 30)
        .upright(R, 16, 60)
        .part(R, {16, TOP}, {28, TOP}, 20)
        .upright(J, 28, 0.3, false)
        .upright(R, 38, 15)
        .joints(TOP, {4, 16})
        .rail(TOP, {28, 38})
        .rail(BOTTOM, {4, 16, 28, 38});
}

// A loop that touches the rest only through one wire, and a second loop with no datum at all.
void floatingCircuit(CKirvoltDoc& doc)
{
    Sketch(doc)
        .upright(V, 4, 10)
        .upright(R, 14, 10)
        .rail(TOP, {4, 14})
        .rail(BOTTOM, {4, 14})
        .upright(R, 26, 20)
        .upright(R, 36, 30)
        .rail(TOP, {26, 36})
        .rail(BOTTOM, {26, 36});
}

// One resistor has a terminal that nothing is connected to.
void danglingCircuit(CKirvoltDoc& doc)
{
    Sketch(doc)
        .upright(V, 4, 10)
        .upright(R, 14, 10)
        .part(R, {14, TOP}, {24, TOP}, 20)
        .rail(TOP, {4, 14})
        .rail(BOTTOM, {4, 14});
}

void parallelVoltageSources(CKirvoltDoc& doc, double second)
{
    Sketch(doc)
        .upright(V, 4, 10)
        .upright(V, 14, second)
        .upright(R, 24, 10)
        .rail(TOP, {4, 14, 24})
        .rail(BOTTOM, {4, 14, 24});
}

void seriesCurrentSources(CKirvoltDoc& doc)
{
    Sketch(doc)
        .upright(J, 4, 2, false)
        .part(J, {4, TOP}, {16, TOP}, 3)
        .upright(R, 16, 10)
        .joints(TOP, {4, 16})
        .rail(BOTTOM, {4, 16});
}

// For the tutor: nodes drawn with several joints and turning wires, so that counting them
// is the lesson.
void tutorCountNodes(CKirvoltDoc& doc)
{
    Sketch(doc)
        .upright(V, 4, 6)
        .part(R, {4, TOP}, {16, TOP}, 10)
        .upright(R, 16, 20)
        .wire({16, TOP}, {22, TOP})
        .upright(R, 28, 30)
        .wire({22, TOP}, {28, TOP})
        .joints(TOP, {4, 16, 22, 28})
        .rail(BOTTOM, {4, 16, 28});
}

void tutorLabelNodes(CKirvoltDoc& doc)
{
    Sketch(doc)
        .upright(V, 4, 12)
        .part(R, {4, TOP}, {16, TOP}, 30)
        .upright(R, 16, 60)
        .part(R, {16, TOP}, {28, TOP}, 20)
        .upright(R, 28, 40)
        .joints(TOP, {4, 16, 28})
        .rail(BOTTOM, {4, 16, 28});
}

void tutorChooseDatum(CKirvoltDoc& doc)
{
    Sketch(doc)
        .upright(J, 4, 0.5, false)
        .upright(R, 14, 10)
        .part(R, {14, TOP}, {26, TOP}, 5)
        .upright(R, 26, 20)
        .joints(TOP, {26})
        .rail(TOP, {4, 14})
        .rail(BOTTOM, {4, 14, 26});
}

void tutorKcl(CKirvoltDoc& doc)
{
    Sketch(doc)
        .upright(V, 4, 20)
        .part(R, {4, TOP}, {16, TOP}, 5)
        .upright(R, 16, 10)
        .upright(J, 26, 1, false)
        .joints(TOP, {4})
        .rail(TOP, {16, 26})
        .rail(BOTTOM, {4, 16, 26});
}

int nodeAt(const CKirvoltDoc& doc, Point grid)
{
    for (const auto& c : doc.components) {
        if (c->kindCode == KIND_JOINT && c->gridPosition == grid) {
            return c->startNode;
        }
    }
    throw std::logic_error("an example without a joint at its datum point");
}

}  // namespace

const std::vector<ExampleCircuit>& exampleCircuits()
{
    static const std::vector<ExampleCircuit> examples = {
        {"voltage_divider.kvt", "Voltage divider",
         "12 V across 40 Ω and 20 Ω in series: the middle node is at 12 × 20/(40 + 20) = 4 V.", divider},
        {"current_divider.kvt", "Current divider",
         "1 A shared by 10 Ω and 40 Ω in parallel: the smaller resistor takes 0.8 A.", currentDivider},
        {"wheatstone_balanced.kvt", "Wheatstone bridge, balanced",
         "10 : 20 Ω on the left, 15 : 30 Ω on the right: the middle nodes are equal and no current crosses.",
         [](CKirvoltDoc& doc) { wheatstone(doc, 30); }},
        {"wheatstone_unbalanced.kvt", "Wheatstone bridge, unbalanced",
         "The lower right arm is 20 Ω instead of 30 Ω: a current crosses the 5 Ω bridge resistor.",
         [](CKirvoltDoc& doc) { wheatstone(doc, 20); }},
        {"ladder.kvt", "Resistor ladder", "A 16 V source feeding three rungs of a resistor ladder.", ladder},
        {"two_sources.kvt", "Two voltage sources",
         "10 V and 5 V feed one middle node through 20 Ω and 10 Ω; compare with the two superposition examples.",
         [](CKirvoltDoc& doc) { twoSources(doc, true, true); }},
        {"superposition_left.kvt", "Superposition: left source alone",
         "The 5 V source replaced by a wire: add this middle-node voltage to the other one.",
         [](CKirvoltDoc& doc) { twoSources(doc, true, false); }},
        {"superposition_right.kvt", "Superposition: right source alone",
         "The 10 V source replaced by a wire: the two partial answers add up to the two-source answer.",
         [](CKirvoltDoc& doc) { twoSources(doc, false, true); }},
        {"current_into_node.kvt", "Current source into a node",
         "A 0.5 A source drives current into the node that a 12 V source feeds through 10 Ω.", currentIntoNode},
        {"macro_node_without_datum.kvt", "Macro node without the datum",
         "A 4 V source joins two nodes above the rail: they form one macro node for the current law.",
         macroNodeWithoutDatum},
        {"macro_node_with_datum.kvt", "Macro node with the datum inside",
         "A 6 V source stands on the datum: its top node's voltage is known at once.", macroNodeWithDatum},
        {"chain_of_sources.kvt", "A chain of voltage sources",
         "5 V, 3 V and 2 V in a chain from the datum: every node voltage follows from the sources alone.",
         chainOfSources},
        {"mixed_sources.kvt", "Voltage and current sources",
         "A 9 V source and a 0.3 A source together; solve it, then check each node's current law.", mixedSources},
        {"floating_circuit.kvt", "Refused: a floating circuit",
         "The right-hand loop is connected to nothing: press F5 to read why it cannot be analysed.",
         floatingCircuit},
        {"dangling_resistor.kvt", "Refused: a dangling resistor",
         "One end of R2 is connected to nothing: press F5 to read what the rule check says.", danglingCircuit},
        {"parallel_sources_equal.kvt", "Refused: equal voltage sources in parallel",
         "Two 10 V sources side by side are one source: press F5 to read the advice.",
         [](CKirvoltDoc& doc) { parallelVoltageSources(doc, 10); }},
        {"parallel_sources_different.kvt", "Refused: different voltage sources in parallel",
         "10 V beside 6 V breaks the rule that two nodes have one p.d.: press F5 to read why.",
         [](CKirvoltDoc& doc) { parallelVoltageSources(doc, 6); }},
        {"series_current_sources.kvt", "Refused: current sources in series",
         "2 A and 3 A in one branch cannot both flow: press F5 to read why.", seriesCurrentSources},
        {"tutor_count_nodes.kvt", "Tutor step: counting nodes",
         "Several joints and a turning wire belong to one node: run the tutor and count the nodes.",
         tutorCountNodes},
        {"tutor_label_nodes.kvt", "Tutor step: labelling nodes",
         "Three nodes to label in the tutor, a source on the left and two loads.", tutorLabelNodes},
        {"tutor_choose_datum.kvt", "Tutor step: choosing the datum",
         "Which node makes the best datum? Run the tutor and choose the one most branches meet at.",
         tutorChooseDatum},
        {"tutor_kcl.kvt", "Tutor step: writing the current law",
         "A 20 V source and a 1 A source meet at one node: write its current law in the tutor.", tutorKcl},
    };
    return examples;
}

void buildExample(const ExampleCircuit& example, CKirvoltDoc& doc)
{
    example.draw(doc);
    buildNodes(doc);
    doc.datumNode = nodeAt(doc, DATUM_POINT);
}

}  // namespace kirvolt::testing
