#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "document/file_access.h"
#include "document/user_port.h"
#include "equations/method_equations.h"

namespace kirvolt::cli {

using Arguments = std::vector<std::string>;

// Exit status when a file cannot be read or written, and for a wrong command line.
inline constexpr int EXIT_FAILED = 2;
// Returned by a command whose arguments do not fit its usage; the dispatcher prints it.
inline constexpr int BAD_USAGE = -1;

// The exit status of a command that ends with a file read or written: 0, or EXIT_FAILED with
// the file's message on the port.
inline int fileStatus(const FileResult& result, UserPort& port)
{
    if (!result.ok) {
        port.showMessage(result.message);
        return EXIT_FAILED;
    }
    return 0;
}

// One command of kirvolt-cli. `run` gets the arguments after the command name, writes its
// results to `out` and its messages through the port, and returns the exit status; --method
// names one of the methods it is given, the program's own unless others are.
struct Command {
    std::string_view name;
    std::string_view usage;        // arguments as shown in help, e.g. "info FILE [--json]"
    std::string_view description;  // help lines, each indented by six blanks
    int (*runWith)(const Arguments& arguments, std::ostream& out, UserPort& port, const MethodList& methods);

    int run(const Arguments& arguments, std::ostream& out, UserPort& port,
            const MethodList& methods = knownMethodList()) const
    {
        return runWith(arguments, out, port, methods);
    }
};

extern const Command infoCommand;
extern const Command convertCommand;
extern const Command analyseCommand;
extern const Command equationsCommand;
extern const Command netlistCommand;
extern const Command importCommand;
extern const Command exportCommand;
extern const Command reportCommand;
extern const Command checkCommand;
extern const Command ercCommand;
extern const Command matrixCommand;
extern const Command exerciseCommand;
extern const Command worksheetCommand;
extern const Command theveninCommand;
extern const Command superposeCommand;
extern const Command formulasCommand;

// The whole command line: the command its first word names run on the rest, --help, or the
// usage on err for a wrong one. The exit status.
int runCommandLine(const Arguments& arguments, std::ostream& out, std::ostream& err, UserPort& port,
                   const MethodList& methods = knownMethodList());

}  // namespace kirvolt::cli
