#include "document/process_state.h"

namespace kirvolt {

ProcessState& processState()
{
    static ProcessState state;
    return state;
}

void resetProcessState()
{
    processState() = ProcessState{};
}

}  // namespace kirvolt
