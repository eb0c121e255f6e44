#include "export/worked_meshes.h"

#include "analysis/mesh_method.h"
#include "analysis/mesh_system.h"
#include "document/text_lists.h"
#include "document/wording.h"
#include "equations/system_numbers.h"

namespace kirvolt {
namespace {

const std::string MINUS = "\xE2\x88\x92";  // −, as the mesh equations write it
const std::string TIMES = "\xC2\xB7";      // ·

std::string pointText(Point p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

MeshEntry meshEntry(const CKirvoltDoc& doc, const PlaneMeshes& meshes, int k, double amperes)
{
    const Unknown unknown = meshCurrentUnknown(k);
    MeshEntry entry{k, unknown.symbol + " = " + solutionText(amperes, unknown), pointText(meshes.mesh(k).corner), {}};
    for (const MeshStep& step : meshes.mesh(k).boundary) {
        entry.elements.push_back(doc.labels[static_cast<std::size_t>(step.branch)]);
    }
    return entry;
}

std::string checkHeading(const MeshRow& row)
{
    if (row.kind == MeshRowKind::aroundMesh) {
        return fillIn(wording("Report", "Mesh %1:"), {std::to_string(row.meshes.front())});
    }
    std::vector<std::string> numbers;
    for (int m : row.meshes) {
        numbers.push_back(std::to_string(m));
    }
    return fillIn(wording("Report", "Supermesh of meshes %1:"), {spokenList(numbers)});
}

double currentOf(const std::vector<double>& currents, int mesh)
{
    return mesh == 0 ? 0.0 : currents[static_cast<std::size_t>(mesh - 1)];
}

// Each element's drop in the direction of its mesh's current: a resistor's from the two mesh
// currents beside it, a voltage source's from its EMF, positive where the current meets it
// from + to -.
VoltageCheck voltageCheck(const CKirvoltDoc& doc, const MeshRow& row, const std::vector<double>& currents)
{
    VoltageCheck check{checkHeading(row), {}, 0.0};
    for (const MeshTerm& term : row.terms) {
        const auto b = static_cast<std::size_t>(term.branch);
        const std::string& label = doc.labels[b];
        if (doc.branchKinds[b] == KIND_RESISTOR) {
            const std::string current = term.other == 0 ? meshCurrentName(term.mesh)
                                                        : "(" + meshCurrentName(term.mesh) + " " + MINUS + " " +
                                                              meshCurrentName(term.other) + ")";
            const double volts = doc.branchValues[b] * (currentOf(currents, term.mesh) - currentOf(currents, term.other));
            check.drops.push_back({label + TIMES + current, volts});
        } else if (doc.branchKinds[b] == KIND_VOLTAGE_SOURCE) {
            check.drops.push_back({label, term.sign * doc.branchValues[b]});
        }
    }
    for (const VoltageDrop& drop : check.drops) {
        check.sum += drop.volts;
    }
    return check;
}

}  // namespace

WorkedMeshes workedMeshes(const CKirvoltDoc& doc)
{
    const auto built = buildMeshSystem(doc);
    const auto* system = std::get_if<MeshSystem>(&built);
    if (!system) {
        return {};
    }
    const std::vector<double> currents = solveMeshCurrents(*system).value_or(std::vector<double>(system->rows.size(), 0.0));
    WorkedMeshes worked;
    for (int k = 1; k <= system->meshes.count(); ++k) {
        worked.meshes.push_back(meshEntry(doc, system->meshes, k, currents[static_cast<std::size_t>(k - 1)]));
    }
    for (const MeshRow& row : system->rows) {
        if (row.kind == MeshRowKind::aroundMesh || row.kind == MeshRowKind::aroundSupermesh) {
            worked.checks.push_back(voltageCheck(doc, row, currents));
        }
    }
    return worked;
}

}  // namespace kirvolt
