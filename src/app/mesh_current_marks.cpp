#include "app/mesh_current_marks.h"

#include "analysis/mesh_system.h"

namespace kirvolt {

std::vector<MeshCurrentMark> meshCurrentMarks(const CKirvoltDoc& doc)
{
    const auto built = buildMeshSystem(doc);
    const auto* system = std::get_if<MeshSystem>(&built);
    const auto currents = system ? solveMeshCurrents(*system) : std::nullopt;
    std::vector<MeshCurrentMark> marks;
    for (int k = 1; currents && k <= system->meshes.count(); ++k) {
        marks.push_back({k, system->meshes.mesh(k).corner, (*currents)[static_cast<std::size_t>(k - 1)]});
    }
    return marks;
}

}  // namespace kirvolt
