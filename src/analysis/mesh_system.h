#pragma once

#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "analysis/explanation.h"
#include "analysis/plane_meshes.h"
#include "document/circuit_document.h"

namespace kirvolt {

// What the equation of a mesh says.
enum class MeshRowKind {
    aroundMesh,       // the voltage law round the mesh
    aroundSupermesh,  // the voltage law round the meshes that current sources join, without them
    fixedBySource,    // a current source on the outside of the drawing gives the mesh its current
    sourceBetween,    // a current source between two meshes of a supermesh fixes their difference
};

// An element as a voltage-law equation meets it: its branch, +1 where the current of the mesh
// it lies on runs through it from start to finish, that mesh, and the mesh on its far side (0
// outside the drawing).
struct MeshTerm {
    int branch;
    int sign;
    int mesh;
    int other;
};

// One row of R·I = E: what it says, and its entries.
struct MeshRow {
    MeshRowKind kind;
    std::vector<int> meshes;      // the meshes it goes round, ascending; the mesh itself for the others
    std::vector<MeshTerm> terms;  // the elements round them, mesh by mesh clockwise (voltage laws)
    int source = 0;               // the current source's branch (the last two kinds)
    std::vector<std::pair<int, double>> entries;  // (mesh, coefficient), ascending, none zero
    double rhs = 0.0;
};

// The mesh current system of a plane circuit: row k - 1 is the equation written for mesh k.
struct MeshSystem {
    PlaneMeshes meshes;
    std::vector<MeshRow> rows;
};

// The meshes of the numbered circuit and their equations. A current source between two meshes
// joins them into a supermesh, chained through further sources: one mesh of it takes the
// voltage law round them all and each other one the source that joins it, or, when a source on
// the outside fixes one of them, every mesh takes a source. Refuses, with the explanation, a
// drawing without meshes to find and current sources that no mesh current can satisfy.
std::variant<MeshSystem, Explanation> buildMeshSystem(const CKirvoltDoc& doc);

// The mesh currents I1.. ([k - 1] for mesh k), or none when elimination finds no pivot.
std::optional<std::vector<double>> solveMeshCurrents(const MeshSystem& system);

// The current through the branch from its start to its finish terminal: I(forward) - I(backward),
// or a current source's own value.
double meshBranchCurrent(const CKirvoltDoc& doc, const PlaneMeshes& meshes, const std::vector<double>& currents, int branch);

}  // namespace kirvolt
