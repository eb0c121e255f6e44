#include <iostream>

#include "cli/command.h"
#include "cli/stderr_port.h"

int main(int argc, char* argv[])
{
    kirvolt::cli::StderrPort port;
    return kirvolt::cli::runCommandLine(kirvolt::cli::Arguments(argv + 1, argv + argc), std::cout, std::cerr, port);
}
