#include "tutoring/loop_count_check.h"

#include <string>

namespace kirvolt {

NodeCountVerdict checkLoopCount(int counted, int branches, int nodes)
{
    const int loopCount = branches - nodes + 1;
    if (counted == loopCount) {
        return {true, "Terrific! You got it.\n\nThere are a total of  " + std::to_string(loopCount) +
                          " independent loops in your circuit.\n\nThat means you have to trace  " +
                          std::to_string(loopCount) + " loops and find their currents.\n\nGo ahead with your analysis."};
    }
    return {false, "Sorry,\n\nyour circuit does not have " + std::to_string(counted) + " independent loops.\n\nIt has  " +
                       std::to_string(branches) + "  branches and  " + std::to_string(nodes) +
                       "  nodes, and a circuit has\n\n   independent loops  =  branches - nodes + 1,"
                       "\n\nplease check your circuit carefully\n\nand try again."};
}

}  // namespace kirvolt
