#include "tutoring/node_count_check.h"

#include <cstdlib>

namespace kirvolt {

namespace {

std::string successMessage(int nodeCount)
{
    return "Terrific! You got it.\n\nThere are a total of  " + std::to_string(nodeCount) +
           " nodes in you circuit.\n\nThat means you have to set up  " + std::to_string(nodeCount - 1) +
           " node voltage equations." + "\n\nGo ahead with your analysis.";
}

// How far off the count is, in words; a count above the real one means the real one is less.
std::string distanceWords(int counted, int nodeCount)
{
    const int distance = std::abs(counted - nodeCount);
    const char* side = counted > nodeCount ? "less than " : "greater than ";
    if (distance == 1) {
        return std::string("just ") + side;
    }
    if (distance <= 3) {
        return std::string("slightly ") + side;
    }
    if (distance <= 9) {
        return side;
    }
    return std::string("much ") + side;
}

}  // namespace

NodeCountVerdict checkNodeCount(int counted, int nodeCount)
{
    if (counted == nodeCount) {
        return {true, successMessage(nodeCount)};
    }
    return {false, "Sorry,\n\nthe number of nodes\n\nin your circuit is " + distanceWords(counted, nodeCount) +
                       std::to_string(counted) + ",\n\nplease check your circuit carefully\n\nand try again."};
}

}  // namespace kirvolt
