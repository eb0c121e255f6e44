#include <filesystem>

#include "cli/command.h"
#include "cli/output_check.h"
#include "document/circuit_file.h"
#include "spice/netlist_files.h"

namespace kirvolt::cli {
namespace {

int runNetlist(const Arguments& arguments, std::ostream& out, UserPort& port, const MethodList&)
{
    if (arguments.empty() || arguments.size() > 2) {
        return BAD_USAGE;
    }
    if (arguments.size() == 2) {
        if (const auto refused = outputRefusal(arguments[0], arguments[1], Written::netlist)) {
            return fileStatus(*refused, port);
        }
    }
    CKirvoltDoc doc;
    if (const int status = fileStatus(loadCircuit(arguments[0], doc), port)) {
        return status;
    }
    const std::string title = std::filesystem::path(arguments[0]).filename().string();
    if (arguments.size() == 1) {
        out << exportNetlistText(doc, title);
        return 0;
    }
    return fileStatus(exportNetlist(doc, arguments[1], title), port);
}

}  // namespace

const Command netlistCommand = {
    "netlist",
    "netlist FILE [OUT.cir]",
    "      Writes the circuit in FILE as a SPICE netlist that ngspice runs, to OUT.cir or\n"
    "      to standard output: the datum node is node 0, the other nodes are named after\n"
    "      their joints, every element after its name with the SPICE letter before it.\n",
    runNetlist,
};

}  // namespace kirvolt::cli
