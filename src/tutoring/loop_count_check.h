#pragma once

#include "tutoring/node_count_check.h"

namespace kirvolt {

// What the tutor tells a student who has counted the independent loops of a circuit, which has
// branches - nodes + 1 of them: praise for the right count, otherwise how the count follows
// from the branches and nodes, so the student can work it out again.
NodeCountVerdict checkLoopCount(int counted, int branches, int nodes);

}  // namespace kirvolt
