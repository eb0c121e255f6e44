#pragma once

#include <vector>

#include "export/worked_solution.h"

namespace kirvolt {

// What a worked solution shows of a mesh current analysis besides its equations and system:
// each mesh with its current and the elements round it, and the voltage law checked with the
// computed currents round every mesh and supermesh that has one.
struct WorkedMeshes {
    std::vector<MeshEntry> meshes;
    std::vector<VoltageCheck> checks;
};

// The same for the numbered circuit the mesh current method solved; empty when its drawing
// has no meshes to show.
WorkedMeshes workedMeshes(const CKirvoltDoc& doc);

}  // namespace kirvolt
