// Any byte string typed as the KCL equation of every node of a circuit with an ordinary node,
// a macro node away from the datum and a node the sources tie to the datum, and as the
// equation of every mesh of the same drawing (voltage laws, a supermesh and its current
// source). Each check must come back with a verdict and its words; text that cannot be read
// must say where reading stopped. The same holds for the text with every sign and operator repeated into a run far
// longer than an input may be. A failure aborts, so that libFuzzer keeps the input.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "analysis/mesh_method.h"
#include "analysis/nodal_solver.h"
#include "equations/equation_check.h"
#include "equations/mesh_equation_check.h"
#include "spice/circuit_layout.h"
#include "spice/spice_reader.h"

namespace {

using namespace kirvolt;

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

constexpr std::string_view CIRCUIT = "Equation checks\n"
                                     "V1 1 0 9\n"
                                     "R1 1 2 30\n"
                                     "R2 2 0 60\n"
                                     "R3 2 3 20\n"
                                     "R4 3 0 15\n"
                                     "I1 0 3 0.3\n"
                                     "V2 4 3 2\n"
                                     "R5 4 0 10k\n"
                                     "R6 4 2 4.7\n";

void drawCircuit(CKirvoltDoc& doc)
{
    const NetlistReading reading = readSpiceNetlist(CIRCUIT);
    require(reading.netlist.has_value());
    require(!layoutCircuit(*reading.netlist, doc).refusal);
}

const CKirvoltDoc& circuit()
{
    static CKirvoltDoc doc;
    static const bool solved = [] {
        drawCircuit(doc);
        return static_cast<bool>(runNodalAnalysis(doc));
    }();
    require(solved);
    return doc;
}

// The same drawing solved by the mesh current method, with the system its checks judge against.
struct MeshCircuit {
    CKirvoltDoc doc;
    MeshSystem system;
};

const MeshCircuit& meshCircuit()
{
    static MeshCircuit circuit;
    static const bool solved = [] {
        drawCircuit(circuit.doc);
        if (!runMeshAnalysis(circuit.doc)) {
            return false;
        }
        auto built = meshEquationCheckSystem(circuit.doc);
        if (auto* system = std::get_if<MeshSystem>(&built)) {
            circuit.system = std::move(*system);
            return true;
        }
        return false;
    }();
    require(solved);
    return circuit;
}

// Each sign and operator of the text as a run of them, up to a total that keeps every
// execution short.
std::string withLongRuns(std::string_view text)
{
    constexpr std::size_t RUN = 1024;
    constexpr std::size_t MOST = 1 << 14;
    std::string runs;
    for (char c : text) {
        const bool sign = c == '+' || c == '-' || c == '*' || c == '/';
        runs.append(sign && runs.size() + RUN < MOST ? RUN : 1, c);
    }
    return runs;
}

void checkEveryNode(const CKirvoltDoc& doc, std::string_view text)
{
    for (int node = 1; node <= doc.nodeCount; ++node) {
        const EquationVerdict verdict = checkNodeEquation(doc, node, text);
        require(!verdict.message.empty());
        require(verdict.kind != EquationVerdict::Kind::Unreadable ||
                verdict.message.starts_with("Kirvolt could not read the equation"));
    }
}

void checkEveryMesh(const MeshCircuit& circuit, std::string_view text)
{
    for (int mesh = 1; mesh <= circuit.system.meshes.count(); ++mesh) {
        const EquationVerdict verdict = checkMeshEquation(circuit.doc, circuit.system, mesh, text);
        require(!verdict.message.empty());
        require(verdict.kind != EquationVerdict::Kind::Unreadable ||
                verdict.message.starts_with("Kirvolt could not read the equation"));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CKirvoltDoc& doc = circuit();
    checkEveryNode(doc, text);
    checkEveryNode(doc, withLongRuns(text));
    checkEveryMesh(meshCircuit(), text);
    checkEveryMesh(meshCircuit(), withLongRuns(text));
    return 0;
}
