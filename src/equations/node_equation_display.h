#pragma once

#include <string>
#include <vector>

#include "document/circuit_document.h"
#include "document/geometry.h"
#include "document/highlight.h"
#include "document/user_port.h"

namespace kirvolt {

// One thing a click in node-equation mode shows, in order: a message or the node-equation
// dialog, each with the parts of the drawing marked red and the assumed current arrows that
// stand while it is up.
struct NodeEquationStep {
    enum class Kind { Message, Dialog };
    Kind kind = Kind::Message;
    std::string message;
    NodeEquationTexts dialog;
    Highlight highlight;
};

// What a click at the point in node-equation mode shows: when it hits a joint, the parts its
// node's equation is about with the assumed current directions, the explanation of a macro
// node, and the node-equation dialog. Writes the equation text of every node first.
std::vector<NodeEquationStep> showNodeEquations(CKirvoltDoc& doc, Point point);

// Shows the steps through the port, each with its highlight.
void presentNodeEquations(UserPort& port, const std::vector<NodeEquationStep>& steps);

// The long explanation shown before the combined equation of a macro node.
extern const char* const macroNodeExplanation;

}  // namespace kirvolt
