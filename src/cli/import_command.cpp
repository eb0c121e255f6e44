#include "cli/command.h"
#include "document/circuit_file.h"
#include "spice/netlist_files.h"

namespace kirvolt::cli {
namespace {

int runImport(const Arguments& arguments, std::ostream&, UserPort& port)
{
    if (arguments.size() != 2) {
        return BAD_USAGE;
    }
    CKirvoltDoc doc;
    FileResult result = importNetlist(arguments[0], doc);
    if (result.ok) {
        result = saveCircuit(doc, arguments[1]);
    }
    if (!result.ok) {
        port.showMessage(result.message);
        return EXIT_FAILED;
    }
    return 0;
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
