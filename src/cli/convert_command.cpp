#include "cli/command.h"
#include "document/circuit_file.h"

namespace kirvolt::cli {
namespace {

int runConvert(const Arguments& arguments, std::ostream&, UserPort& port)
{
    if (arguments.size() != 2) {
        return BAD_USAGE;
    }
    CKirvoltDoc doc;
    FileResult result = loadCircuit(arguments[0], doc);
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

const Command convertCommand = {
    "convert",
    "convert IN OUT",
    "      Reads the circuit in IN and writes it to OUT as the program saves it.\n",
    runConvert,
};

}  // namespace kirvolt::cli
