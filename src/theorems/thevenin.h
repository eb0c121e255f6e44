#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "document/circuit_document.h"
#include "spice/netlist.h"
#include "theorems/netlist_solve.h"

namespace kirvolt {

// What the student asks: the equivalent between two nodes, by name, or as seen by a load
// resistor taken out of the circuit (its start terminal then A unless nodes are named).
struct TheveninQuestion {
    std::optional<std::string> a;
    std::optional<std::string> b;
    std::optional<std::string> load;
};

// The equivalents between terminals A and B, with the voltage of A with respect to B, and
// the circuits solved on the way. An equivalent that does not exist has no numbers; the
// sources that keep it from existing are named instead.
struct TheveninStudy {
    std::string a;
    std::string b;
    std::optional<std::string> load;
    Netlist circuit;  // with the load taken out
    int terminalA = 0;  // netlist nodes
    int terminalB = 0;
    int nodeA = 0;  // the circuit's node numbers
    int nodeB = 0;

    std::optional<double> vth;
    std::optional<double> rth;
    std::optional<double> in;
    // Voltage sources from A to B in a chain: the resistance is zero, there is no Norton equivalent.
    std::vector<std::string> tyingSources;
    // With the sources set to zero nothing joins A to B but these current sources (none when
    // nothing at all does): the resistance has no bound, there is no Thévenin equivalent.
    std::vector<std::string> cutSources;

    // The circuit without the load, solved for the open-circuit voltage when there is a
    // Thévenin equivalent; its nodes are the circuit's.
    std::unique_ptr<CKirvoltDoc> open;
    SolvedNetlist zeroed;   // the sources set to zero and a test current into A, when there is a resistance to find
    SolvedNetlist shorted;  // A and B joined by a wire, when there is a Norton equivalent
};

// The test current driven into A and out of B in the circuit whose sources are set to zero.
inline constexpr double TEST_CURRENT = 1.0;

// Works the equivalents out, or says why the question cannot be answered: a name that is
// no node or no resistor of the circuit, one node given twice, a circuit the analysis refuses.
std::variant<TheveninStudy, std::string> studyThevenin(CKirvoltDoc& doc, const TheveninQuestion& question);

// The equivalent circuits, for drawing: Vth in series with Rth, and In beside Rth; none
// where the equivalent does not exist.
std::optional<Netlist> theveninCircuit(const TheveninStudy& study);
std::optional<Netlist> nortonCircuit(const TheveninStudy& study);

// The circuit's independent sources set to zero: a voltage source becomes 0 V (a short), a
// current source is taken out (a gap).
Netlist sourcesSetToZero(const Netlist& netlist);

}  // namespace kirvolt
