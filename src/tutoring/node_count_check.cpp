#include "tutoring/node_count_check.h"

#include <cstdlib>

#include "document/wording.h"

namespace kirvolt {

namespace {

std::string successMessage(int nodeCount)
{
    return fillIn(wording("NodeCount", "Terrific! You got it.\n\nThere are a total of  %1 nodes in you circuit.\n\n"
                                       "That means you have to set up  %2 node voltage equations.\n\nGo ahead with your analysis."),
                  {std::to_string(nodeCount), std::to_string(nodeCount - 1)});
}

// How far off the count is, as the sentence says it (%1 the count); a count above the real one
// means the real one is less.
const char* distanceSentence(int counted, int nodeCount)
{
    const int distance = std::abs(counted - nodeCount);
    const bool less = counted > nodeCount;
    if (distance == 1) {
        return less ? WORDING_NOOP("NodeCount", "Sorry,\n\nthe number of nodes\n\nin your circuit is just less than %1,\n\n"
                                                "please check your circuit carefully\n\nand try again.")
                    : WORDING_NOOP("NodeCount", "Sorry,\n\nthe number of nodes\n\nin your circuit is just greater than %1,\n\n"
                                                "please check your circuit carefully\n\nand try again.");
    }
    if (distance <= 3) {
        return less ? WORDING_NOOP("NodeCount", "Sorry,\n\nthe number of nodes\n\nin your circuit is slightly less than %1,\n\n"
                                                "please check your circuit carefully\n\nand try again.")
                    : WORDING_NOOP("NodeCount", "Sorry,\n\nthe number of nodes\n\nin your circuit is slightly greater than %1,\n\n"
                                                "please check your circuit carefully\n\nand try again.");
    }
    if (distance <= 9) {
        return less ? WORDING_NOOP("NodeCount", "Sorry,\n\nthe number of nodes\n\nin your circuit is less than %1,\n\n"
                                                "please check your circuit carefully\n\nand try again.")
                    : WORDING_NOOP("NodeCount", "Sorry,\n\nthe number of nodes\n\nin your circuit is greater than %1,\n\n"
                                                "please check your circuit carefully\n\nand try again.");
    }
    return less ? WORDING_NOOP("NodeCount", "Sorry,\n\nthe number of nodes\n\nin your circuit is much less than %1,\n\n"
                                            "please check your circuit carefully\n\nand try again.")
                : WORDING_NOOP("NodeCount", "Sorry,\n\nthe number of nodes\n\nin your circuit is much greater than %1,\n\n"
                                            "please check your circuit carefully\n\nand try again.");
}

}  // namespace

NodeCountVerdict checkNodeCount(int counted, int nodeCount)
{
    if (counted == nodeCount) {
        return {true, successMessage(nodeCount)};
    }
    return {false, fillIn(wording("NodeCount", distanceSentence(counted, nodeCount)), {std::to_string(counted)})};
}

}  // namespace kirvolt
