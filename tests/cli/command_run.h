#pragma once

#include <sstream>

#include "cli/command.h"
#include "cli/stderr_port.h"
#include "tool_run.h"

namespace kirvolt::testing {

// One command run in this process, its messages written to `err` as the tool writes them to
// standard error.
inline ToolRun runInProcess(const cli::Command& command, const cli::Arguments& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    cli::StderrPort port(err);
    const int status = command.run(arguments, out, port);
    return {status, out.str(), err.str()};
}

}  // namespace kirvolt::testing
