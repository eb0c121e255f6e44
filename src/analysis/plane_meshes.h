#pragma once

#include <variant>
#include <vector>

#include "analysis/explanation.h"
#include "document/circuit_document.h"

namespace kirvolt {

// One element on a mesh's boundary: its branch, and +1 where the mesh current runs through it
// from its start terminal to its finish terminal, -1 where it runs the other way.
struct MeshStep {
    int branch;
    int sign;
};

struct Mesh {
    Point corner;                    // its top-left grid point, where its walk starts
    std::vector<MeshStep> boundary;  // clockwise from the corner
    std::vector<Point> outline;      // the grid points of its walk, from the corner
};

// The two meshes beside a branch: the one whose clockwise current runs through it from start to
// finish and the one whose current runs back; 0 for the outside of the drawing.
struct MeshSides {
    int forward = 0;
    int backward = 0;
};

// The meshes of a plane drawing, numbered from 1 in reading order.
struct PlaneMeshes {
    std::vector<Mesh> meshes;       // [k - 1] is mesh k
    std::vector<MeshSides> sides;  // [branch], from 1

    int count() const { return static_cast<int>(meshes.size()); }
    const Mesh& mesh(int k) const { return meshes[static_cast<std::size_t>(k - 1)]; }
    const MeshSides& sidesOf(int branch) const { return sides[static_cast<std::size_t>(branch)]; }
};

// The mesh whose inside holds the logical point, the innermost where meshes of separate
// drawings lie one inside another; 0 when it lies inside none.
int meshContaining(const PlaneMeshes& meshes, Point logical, int gridSize);

// The meshes of the numbered circuit, each a bounded face of the drawing. The faces are walked
// over the grid points where parts end, each part leaving a point in the order of its angle,
// so that the walk takes time in proportion to the drawing. A drawing in which two parts cross
// or touch other than at their ends, or whose wires close a loop of their own, has no meshes
// the elements decide; the explanation says so and marks the parts. Voltmeters stand beside
// the circuit and are left out; ammeters join their terminals as wires do.
std::variant<PlaneMeshes, Explanation> findMeshes(const CKirvoltDoc& doc);

}  // namespace kirvolt
