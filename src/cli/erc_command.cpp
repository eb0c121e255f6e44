#include "analysis/electrical_rule_check.h"
#include "cli/command.h"
#include "document/circuit_file.h"

namespace kirvolt::cli {
namespace {

constexpr int EXIT_CLEAN = 0;
constexpr int EXIT_FAULTS = 1;

int runErc(const Arguments& arguments, std::ostream& out, UserPort& port, const MethodList&)
{
    if (arguments.size() != 1) {
        return BAD_USAGE;
    }
    CKirvoltDoc doc;
    if (const int status = fileStatus(loadCircuit(arguments[0], doc), port); status != 0) {
        return status;
    }
    const std::vector<Explanation> faults = electricalRuleCheck(doc);
    if (faults.empty()) {
        out << CLEAN_CIRCUIT_TEXT << '\n';
        return EXIT_CLEAN;
    }
    for (std::size_t i = 0; i < faults.size(); ++i) {
        out << (i == 0 ? "" : "\n") << faults[i].message << '\n';
    }
    return EXIT_FAULTS;
}

}  // namespace

const Command ercCommand = {
    "erc",
    "erc FILE",
    "      Runs every rule check and the solvability check of the analysis on the circuit in\n"
    "      FILE without solving it and prints every fault found, one a paragraph, in the\n"
    "      analysis' words. Exits with 0 when the circuit is clean, 1 when it has faults and 2\n"
    "      when the file cannot be read.\n",
    runErc,
};

}  // namespace kirvolt::cli
