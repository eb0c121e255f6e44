#include "tutoring/loop_count_check.h"

#include <string>

#include "document/wording.h"

namespace kirvolt {

NodeCountVerdict checkLoopCount(int counted, int branches, int nodes)
{
    const int loopCount = branches - nodes + 1;
    if (counted == loopCount) {
        return {true, fillIn(wording("LoopCount", "Terrific! You got it.\n\nThere are a total of  %1 independent loops in your circuit.\n\n"
                                                  "That means you have to trace  %1 loops and find their currents.\n\nGo ahead with your analysis."),
                             {std::to_string(loopCount)})};
    }
    return {false, fillIn(wording("LoopCount", "Sorry,\n\nyour circuit does not have %1 independent loops.\n\nIt has  %2  branches and  %3  "
                                               "nodes, and a circuit has\n\n   independent loops  =  branches - nodes + 1,"
                                               "\n\nplease check your circuit carefully\n\nand try again."),
                          {std::to_string(counted), std::to_string(branches), std::to_string(nodes)})};
}

}  // namespace kirvolt
