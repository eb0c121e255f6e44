#pragma once

#include <random>
#include <string>
#include <vector>

#include "spice/netlist.h"
#include "support/random_circuits.h"

namespace kirvolt::testing {

// A random circuit written as a SPICE netlist in the many ways SPICE allows: names in any case,
// scale factors and units, the DC keyword or none, comments, continuation lines.
struct RandomNetlist {
    std::string text;
    std::vector<std::string> nodeNames;  // by hub, as first written; "0" for the datum
    std::vector<std::string> partNames;  // by part
};

RandomNetlist writeRandomNetlist(const RandomCircuit& circuit, std::mt19937& random);

// Elements of every kind between random nodes, with no thought for whether they solve: loops on
// one node, elements side by side, groups of nodes apart from the rest, sometimes no ground.
Netlist randomLayoutNetlist(std::mt19937& random, int maxElements);

}  // namespace kirvolt::testing
