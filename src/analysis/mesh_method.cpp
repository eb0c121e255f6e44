#include "analysis/mesh_method.h"

#include "analysis/branch_current_solution.h"
#include "analysis/branch_tables.h"
#include "analysis/circuit_solvability.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

class MeshMethod final : public AnalysisMethod {
public:
    std::string name() const override { return "mesh"; }

    int unknownCount(const CKirvoltDoc& doc) const override
    {
        const auto found = findMeshes(doc);
        const auto* meshes = std::get_if<PlaneMeshes>(&found);
        return meshes ? meshes->count() : 0;
    }

    std::variant<MethodSolution, Explanation> solve(const CKirvoltDoc& doc) const override
    {
        auto built = buildMeshSystem(doc);
        if (auto* why = std::get_if<Explanation>(&built)) {
            return std::move(*why);
        }
        const MeshSystem& system = std::get<MeshSystem>(built);
        const auto currents = solveMeshCurrents(system);
        if (!currents) {
            return Explanation{singularSystemMessage(), {}};
        }
        std::vector<double> branchCurrents(static_cast<std::size_t>(numberedBranchCount(doc)) + 1, 0.0);
        for (int b = 1; b < static_cast<int>(branchCurrents.size()); ++b) {
            branchCurrents[static_cast<std::size_t>(b)] = meshBranchCurrent(doc, system.meshes, *currents, b);
        }
        return solutionFromBranchCurrents(doc, branchCurrents);
    }

    NamedSystem namedSystem(CKirvoltDoc& doc) const override
    {
        NamedSystem named{wording("NamedSystem", "The mesh current system"),
                          wording("NamedSystem", "each mesh current runs clockwise round its mesh"),
                          wording("NamedSystem", "the circuit has no mesh."), {}, {}, {}, {}, "R", "I", "E"};
        auto built = buildMeshSystem(doc);
        const auto* system = std::get_if<MeshSystem>(&built);
        if (!system) {
            return named;
        }
        const std::size_t n = system->rows.size();
        named.g.assign(n, std::vector<double>(n, 0.0));
        for (std::size_t r = 0; r < n; ++r) {
            named.unknowns.push_back(meshCurrentUnknown(static_cast<int>(r) + 1));
            for (const auto& [mesh, coefficient] : system->rows[r].entries) {
                named.g[r][static_cast<std::size_t>(mesh - 1)] = coefficient;
            }
            named.b.push_back(system->rows[r].rhs);
        }
        named.x = solveMeshCurrents(*system).value_or(std::vector<double>(n, 0.0));
        return named;
    }
};

}  // namespace

const AnalysisMethod& meshMethod()
{
    static const MeshMethod method;
    return method;
}

AnalysisOutcome runMeshAnalysis(CKirvoltDoc& doc) { return analyseCircuit(doc, meshMethod()); }

std::string meshCurrentName(int mesh) { return "I" + std::to_string(mesh); }

Unknown meshCurrentUnknown(int mesh)
{
    const std::string k = std::to_string(mesh);
    return {"I", k, meshCurrentName(mesh), "A", fillIn(wording("NamedSystem", "the clockwise current of mesh %1"), {k})};
}

}  // namespace kirvolt
