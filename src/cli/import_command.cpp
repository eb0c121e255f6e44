#include "cli/read_and_save.h"
#include "spice/netlist_files.h"

namespace kirvolt::cli {
namespace {

int runImport(const Arguments& arguments, std::ostream&, UserPort& port, const MethodList&)
{
    return readAndSave(arguments, port, importNetlist);
}

}  // namespace

const Command importCommand = {
    "import",
    "import IN.cir OUT.kvt",
    "      Reads the SPICE netlist of resistors, voltage sources and current sources in\n"
    "      IN.cir, draws it as a circuit and writes the circuit to OUT.kvt. A line it\n"
    "      cannot read is named on standard error, with exit status 2.\n",
    runImport,
};

}  // namespace kirvolt::cli
