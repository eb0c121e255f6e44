#include "cli/read_and_save.h"

#include "document/circuit_file.h"

namespace kirvolt::cli {

int readAndSave(const Arguments& arguments, UserPort& port, FileResult (*read)(const std::string& path, CKirvoltDoc& doc))
{
    if (arguments.size() != 2) {
        return BAD_USAGE;
    }
    CKirvoltDoc doc;
    FileResult result = read(arguments[0], doc);
    if (result.ok) {
        result = saveCircuit(doc, arguments[1]);
    }
    if (!result.ok) {
        port.showMessage(result.message);
        return EXIT_FAILED;
    }
    return 0;
}

}  // namespace kirvolt::cli
