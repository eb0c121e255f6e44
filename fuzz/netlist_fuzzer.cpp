// Any byte string read as a SPICE netlist. A refusal names its line (or says the netlist has
// nothing to draw); what is read is drawn by every rule of the automatic layout, with exactly
// the netlist's nodes, solved, exported, and the export read and drawn again with the same
// elements. A failure aborts, so that libFuzzer keeps the input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "analysis/nodal_solver.h"
#include "document/circuit_file.h"
#include "spice/circuit_layout.h"
#include "spice/netlist_files.h"
#include "spice/spice_reader.h"
#include "support/layout_check.h"

namespace {

using namespace kirvolt;

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

bool namesWhatIsWrong(const std::string& message)
{
    return message.starts_with("Line ") || message == "The netlist is empty." ||
           message == "The netlist has no resistors, voltage sources or current sources.";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const NetlistReading reading = readSpiceNetlist(text);
    if (!reading.netlist) {
        require(namesWhatIsWrong(reading.message));
        return 0;
    }
    const Netlist& netlist = *reading.netlist;
    CKirvoltDoc doc;
    const CircuitLayout layout = layoutCircuit(netlist, doc);
    if (layout.refusal) {
        require(doc.components.empty());
        return 0;
    }
    const std::vector<std::string> faults = kirvolt::testing::drawingFaults(doc, netlist, layout);
    for (const std::string& fault : faults) {
        std::fprintf(stderr, "drawing fault: %s\n", fault.c_str());
    }
    require(faults.empty());
    runNodalAnalysis(doc);

    const std::string exported = exportNetlistText(doc, netlist.title);
    const NetlistReading again = readSpiceNetlist(exported);
    require(again.netlist && again.netlist->elements.size() == netlist.elements.size());
    CKirvoltDoc redrawn;
    require(importNetlistText(exported, redrawn).ok);
    CKirvoltDoc reread;
    require(readCircuitBytes(circuitBytes(doc), reread).ok && circuitBytes(reread) == circuitBytes(doc));
    return 0;
}
