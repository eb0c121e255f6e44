#include "cli/read_and_save.h"

#include "cli/output_check.h"
#include "document/circuit_file.h"

namespace kirvolt::cli {

int readAndSave(const Arguments& arguments, UserPort& port, FileResult (*read)(const std::string& path, CKirvoltDoc& doc))
{
    if (arguments.size() != 2) {
        return BAD_USAGE;
    }
    if (const auto refused = outputRefusal(arguments[0], arguments[1], Written::circuit)) {
        return fileStatus(*refused, port);
    }
    CKirvoltDoc doc;
    const FileResult loaded = read(arguments[0], doc);
    return fileStatus(loaded.ok ? saveCircuit(doc, arguments[1]) : loaded, port);
}

}  // namespace kirvolt::cli
