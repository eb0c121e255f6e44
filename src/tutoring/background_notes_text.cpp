#include "tutoring/background_notes_text.h"

#include "document/wording.h"

namespace kirvolt {

namespace {

// Why the unknowns can be cut down from the branch quantities.
constexpr std::string_view BRANCH_UNKNOWNS =
    WORDING_NOOP("BackgroundNotes", "For a network with  'n'  nodes and  'b'  branches excited by active elements, the unknown "
                                    "quantities of interest are the branch voltages and the branch currents of all its elements, "
                                    "which make up  '2b'  unknowns. For every element the branch voltage and current are tied "
                                    "together by the law of that element, like Ohm's Law, so once one is known the other "
                                    "follows. Hence we need to solve for only 'b'  unknowns, one for each branch, to get the "
                                    "current and voltage information about the circuit.\n");

// Node voltages as the unknowns, and why KCL gives just enough equations.
constexpr std::string_view NODE_VOLTAGES =
    WORDING_NOOP("BackgroundNotes", " These unknowns may either be branch voltage or branch current of the elements. In the "
                                    "Nodal Analysis method we go one step further and use the node voltages as the unknowns. "
                                    "First we select one of the nodes as the common reference node and call it the Datum Node. "
                                    "Its voltage is taken to be zero, and the voltage of every other node is measured with "
                                    "respect to it. The voltage of node 1 is written V1, the voltage of node 2 is written V2, "
                                    "and so on. Each branch of the circuit is connected between two nodes, so the branch voltage "
                                    "of any element is simply the difference of the two node voltages at its ends, e.g. any "
                                    "element connected between node 1 and node 2 has the branch voltage  V1 - V2.  Once the node "
                                    "voltages are known, all the branch voltages follow, and from them all the branch currents "
                                    "by the element laws. In this way the number of unknowns drops from  'b'  to  'n-1', which "
                                    "is usually a far smaller number. Kirchhoff's Voltage Law (KVL) is satisfied automatically "
                                    "by the node voltages, because around any closed loop the differences of node voltages "
                                    "always add up to zero. What is still left to be satisfied is Kirchhoff's Current Law (KCL), "
                                    "which says that the currents leaving a node must add up to the currents entering it. We "
                                    "write one KCL equation for each node except the Datum Node; the equation of the Datum Node "
                                    "is not needed, as it can always be obtained by adding up all of the other equations. This "
                                    "gives exactly  'n-1'  independent equations for the  'n-1' unknown node voltages.");

// Writing and checking the KCL equation of a node.
constexpr std::string_view KCL_EQUATIONS =
    WORDING_NOOP("BackgroundNotes", "  When we write KCL equation for a node, we equate the sum of currents leaving the node via "
                                    "resistors connected to this node to the sum of currents entering the node from Current "
                                    "Sources connected to it. The current leaving node 'a' through a resistor R connected to "
                                    "node 'b' is  (Va-Vb)/R, where Va and Vb are the node voltages at the two ends of the "
                                    "resistor. If the current actually enters the node, the value of  (Va-Vb)/R  simply comes "
                                    "out negative. A resistor connected between node 'a' and the Datum Node carries the current  "
                                    "Va/R  out of node 'a', since the Datum Node is at zero volts. A Current Source pointing "
                                    "into the node is written with a plus sign on the right hand side of the equation, and one "
                                    "pointing away from the node with a minus sign. Ideal Voltage Sources need special care, "
                                    "because the current through them cannot be found from their voltage. Nodes joined together "
                                    "by Voltage Sources are taken as one macro node, and a single KCL equation is written for "
                                    "the whole macro node, while each Voltage Source gives one more equation relating the "
                                    "voltages of the two nodes at its ends. When all  'n-1'  equations are written down, they "
                                    "form a set of simultaneous linear equations in the node voltages, which can be solved by "
                                    "substitution, by elimination, or with the help of matrices and Cramer's Rule. After you "
                                    "have found the node voltages, always check your answer. Put the node voltages into the "
                                    "equation of each node and work out the current leaving the node through every resistor "
                                    "connected to it, then add up all these currents. The resulting value should be equal to the "
                                    "algebraic sum of Current Sources entering the concerned node.");

}  // namespace

const std::array<std::string_view, 3>& backgroundNoteParagraphs()
{
    static constexpr std::array<std::string_view, 3> paragraphs{BRANCH_UNKNOWNS, NODE_VOLTAGES, KCL_EQUATIONS};
    return paragraphs;
}

std::string backgroundNotesText()
{
    std::string text;
    for (std::string_view paragraph : backgroundNoteParagraphs()) {
        text += wording("BackgroundNotes", paragraph.data());
    }
    return text;
}

}  // namespace kirvolt
