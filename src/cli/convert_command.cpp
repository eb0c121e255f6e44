#include "cli/read_and_save.h"
#include "document/circuit_file.h"

namespace kirvolt::cli {
namespace {

int runConvert(const Arguments& arguments, std::ostream&, UserPort& port, const MethodList&)
{
    return readAndSave(arguments, port, loadCircuit);
}

}  // namespace

const Command convertCommand = {
    "convert",
    "convert IN OUT",
    "      Reads the circuit in IN and writes it to OUT as the program saves it.\n",
    runConvert,
};

}  // namespace kirvolt::cli
