#include <ostream>

#include "cli/command.h"
#include "kirvolt_version.h"

namespace kirvolt::cli {
namespace {

// Every command of the tool: a new command is one more file and one more line here.
const Command* const commands[] = {
    &infoCommand,
    &convertCommand,
    &analyseCommand,
    &equationsCommand,
    &netlistCommand,
    &importCommand,
    &exportCommand,
    &reportCommand,
    &checkCommand,
    &ercCommand,
    &matrixCommand,
    &exerciseCommand,
    &worksheetCommand,
    &theveninCommand,
    &superposeCommand,
    &formulasCommand,
};

void printHelp(std::ostream& out, const MethodList& methods)
{
    out << "Usage: kirvolt-cli COMMAND ARGUMENTS...\n"
           "Reads and writes Kirvolt circuit files (.kvt) and SPICE netlists.\n\n"
           "Commands:\n";
    for (const Command* command : commands) {
        out << "  " << command->usage << '\n' << command->description;
    }
    out << "\nOptions:\n"
           "  --help\n"
           "      Prints this text.\n"
           "  --version\n"
           "      Prints the program's name and version.\n"
           "  --method M\n"
           "      Given to analyse, equations, matrix, report or check: the method of analysis by\n"
           "      its name (" << methods.names() << "); nodal, the node voltage method, when none is given.\n"
           "      Given to exercise: the method the exercise is made for.\n"
           "  --tree B1,B2,...\n"
           "      Given with --method loop: the branches of the tree by name, resistors and voltage\n"
           "      sources; each branch outside it closes a loop. Without it the tree holds every\n"
           "      voltage source, then the resistors that close no loop, in the order drawn.\n\n"
           "Exit status: 0 on success; 2 when a file cannot be read or written or --datum names\n"
           "no node of the circuit (the message goes to standard error) and 2 for a wrong\n"
           "command line (usage on standard error).\n"
           "analyse, equations, export, report, matrix, thevenin, superpose and formulas exit with 1\n"
           "when the analysis refuses the circuit (its message goes to standard error), thevenin\n"
           "(and report with --thevenin or --thevenin-load) also when a name is no node or\n"
           "resistor of it, formulas when it cannot write them;\n"
           "check exits with 0 when the equation is right, 1 when it is wrong and 2 when it cannot\n"
           "be read or the analysis refuses; erc exits with 0 when the circuit is clean and 1 when\n"
           "it has faults.\n";
}

int badUsage(std::ostream& err, std::string_view usage)
{
    err << "Usage: kirvolt-cli " << usage << "\nTry 'kirvolt-cli --help' for more information.\n";
    return EXIT_FAILED;
}

}  // namespace

int runCommandLine(const Arguments& arguments, std::ostream& out, std::ostream& err, UserPort& port,
                   const MethodList& methods)
{
    if (arguments.empty()) {
        return badUsage(err, "COMMAND ARGUMENTS...");
    }
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        printHelp(out, methods);
        return 0;
    }
    if (arguments[0] == "--version") {
        out << "kirvolt-cli " KIRVOLT_VERSION "\n";
        return 0;
    }
    for (const Command* command : commands) {
        if (arguments[0] == command->name) {
            const int status = command->run(Arguments(arguments.begin() + 1, arguments.end()), out, port, methods);
            return status == BAD_USAGE ? badUsage(err, command->usage) : status;
        }
    }
    err << "kirvolt-cli: unknown command '" << arguments[0] << "'\n";
    return badUsage(err, "COMMAND ARGUMENTS...");
}

}  // namespace kirvolt::cli
