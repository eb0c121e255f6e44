#include "analysis/mesh_system.h"

#include <algorithm>
#include <map>
#include <queue>

#include "analysis/branch_tables.h"
#include "analysis/circuit_solvability.h"
#include "analysis/disjoint_sets.h"
#include "analysis/row_solve.h"

namespace kirvolt {
namespace {

std::vector<int> currentSources(const CKirvoltDoc& doc)
{
    std::vector<int> sources;
    for (int b = 1; b <= numberedBranchCount(doc); ++b) {
        if (isBranchOfKind(doc, b, KIND_CURRENT_SOURCE)) {
            sources.push_back(b);
        }
    }
    return sources;
}

// The meshes that current sources join, each group ascending, groups by their first mesh.
std::vector<std::vector<int>> supermeshGroups(const CKirvoltDoc& doc, const PlaneMeshes& meshes)
{
    DisjointSets joined(meshes.count());
    for (int b : currentSources(doc)) {
        const MeshSides& s = meshes.sidesOf(b);
        if (s.forward != 0 && s.backward != 0) {
            joined.join(s.forward, s.backward);
        }
    }
    std::vector<std::vector<int>> groups;
    std::vector<int> groupOfRoot(static_cast<std::size_t>(meshes.count()) + 1, -1);
    for (int k = 1; k <= meshes.count(); ++k) {
        int& group = groupOfRoot[static_cast<std::size_t>(joined.root(k))];
        if (group < 0) {
            group = static_cast<int>(groups.size());
            groups.emplace_back();
        }
        groups[static_cast<std::size_t>(group)].push_back(k);
    }
    return groups;
}

// The voltage law round the meshes: every element on their boundary that does not lie between
// two of them, each written with the current of the mesh it belongs to and of the mesh beyond.
MeshRow voltageLaw(const CKirvoltDoc& doc, const PlaneMeshes& meshes, const std::vector<int>& group)
{
    MeshRow row{group.size() == 1 ? MeshRowKind::aroundMesh : MeshRowKind::aroundSupermesh, group, {}, 0, {}, 0.0};
    std::map<int, double> entries;
    for (int m : group) {
        for (const MeshStep& step : meshes.mesh(m).boundary) {
            const MeshSides& sides = meshes.sidesOf(step.branch);
            const int other = step.sign > 0 ? sides.backward : sides.forward;
            if (std::binary_search(group.begin(), group.end(), other)) {
                continue;
            }
            row.terms.push_back({step.branch, step.sign, m, other});
            const double value = doc.branchValues[static_cast<std::size_t>(step.branch)];
            if (isBranchOfKind(doc, step.branch, KIND_RESISTOR)) {
                entries[m] += value;
                if (other != 0) {
                    entries[other] -= value;
                }
            } else if (isBranchOfKind(doc, step.branch, KIND_VOLTAGE_SOURCE)) {
                // Through a source from + to - the voltage drops; the other way it rises.
                row.rhs -= step.sign * value;
            }
        }
    }
    for (const auto& [mesh, coefficient] : entries) {
        if (coefficient != 0.0) {
            row.entries.emplace_back(mesh, coefficient);
        }
    }
    return row;
}

// I(forward) - I(backward) = J, with a mesh outside the drawing left out; a source with the
// outside on its forward side gives -I(backward) = J, written I(backward) = -J.
MeshRow sourceRow(const CKirvoltDoc& doc, const PlaneMeshes& meshes, int source, int mesh)
{
    const MeshSides& s = meshes.sidesOf(source);
    const double amperes = doc.branchValues[static_cast<std::size_t>(source)];
    if (s.forward == 0 || s.backward == 0) {
        const bool forward = s.forward != 0;
        return {MeshRowKind::fixedBySource, {mesh}, {}, source, {{mesh, 1.0}}, forward ? amperes : -amperes};
    }
    MeshRow row{MeshRowKind::sourceBetween, {mesh}, {}, source, {{s.forward, 1.0}, {s.backward, -1.0}}, amperes};
    std::sort(row.entries.begin(), row.entries.end());
    return row;
}

struct SourceLink {
    int source;
    int mesh;  // the mesh beyond it, 0 for the outside
};

// Places the rows of one group of joined meshes. The mesh a source on the outside fixes, else
// the group's first mesh, is the root; every other mesh takes the source through which a
// breadth-first walk from the root reached it. A second way to a mesh, or to the outside, would
// ask one mesh current to be two things at once.
bool placeGroupRows(const CKirvoltDoc& doc, const PlaneMeshes& meshes, const std::vector<int>& group,
                    const std::vector<std::vector<SourceLink>>& links, std::vector<MeshRow>& rows)
{
    int root = group.front();
    int rootSource = 0;
    for (int m : group) {
        for (const SourceLink& link : links[static_cast<std::size_t>(m)]) {
            if (link.mesh == 0) {
                if (rootSource != 0) {
                    return false;
                }
                root = m;
                rootSource = link.source;
            }
        }
    }
    rows[static_cast<std::size_t>(root - 1)] =
        rootSource != 0 ? sourceRow(doc, meshes, rootSource, root) : voltageLaw(doc, meshes, group);
    std::map<int, bool> reached{{root, true}};
    std::map<int, bool> linkUsed{{rootSource, true}};
    std::queue<int> open;
    open.push(root);
    while (!open.empty()) {
        const int m = open.front();
        open.pop();
        for (const SourceLink& link : links[static_cast<std::size_t>(m)]) {
            if (link.mesh == 0 || linkUsed[link.source]) {
                continue;
            }
            linkUsed[link.source] = true;
            if (reached[link.mesh]) {
                return false;
            }
            reached[link.mesh] = true;
            rows[static_cast<std::size_t>(link.mesh - 1)] = sourceRow(doc, meshes, link.source, link.mesh);
            open.push(link.mesh);
        }
    }
    return true;
}

}  // namespace

std::variant<MeshSystem, Explanation> buildMeshSystem(const CKirvoltDoc& doc)
{
    auto found = findMeshes(doc);
    if (auto* why = std::get_if<Explanation>(&found)) {
        return std::move(*why);
    }
    MeshSystem system{std::move(std::get<PlaneMeshes>(found)), {}};
    const PlaneMeshes& meshes = system.meshes;
    std::vector<std::vector<SourceLink>> links(static_cast<std::size_t>(meshes.count()) + 1);
    for (int b : currentSources(doc)) {
        const MeshSides& s = meshes.sidesOf(b);
        // A source on no loop would have to drive its current through nothing.
        if (s.forward == 0 && s.backward == 0) {
            return Explanation{singularSystemMessage(), {}};
        }
        if (s.forward != 0) {
            links[static_cast<std::size_t>(s.forward)].push_back({b, s.backward});
        }
        if (s.backward != 0) {
            links[static_cast<std::size_t>(s.backward)].push_back({b, s.forward});
        }
    }
    system.rows.resize(static_cast<std::size_t>(meshes.count()), MeshRow{MeshRowKind::aroundMesh, {}, {}, 0, {}, 0.0});
    for (const std::vector<int>& group : supermeshGroups(doc, meshes)) {
        if (!placeGroupRows(doc, meshes, group, links, system.rows)) {
            return Explanation{singularSystemMessage(), {}};
        }
    }
    return system;
}

std::optional<std::vector<double>> solveMeshCurrents(const MeshSystem& system) { return solveRows(system.rows); }

double meshBranchCurrent(const CKirvoltDoc& doc, const PlaneMeshes& meshes, const std::vector<double>& currents, int branch)
{
    if (isBranchOfKind(doc, branch, KIND_CURRENT_SOURCE)) {
        return doc.branchValues[static_cast<std::size_t>(branch)];
    }
    const MeshSides& s = meshes.sidesOf(branch);
    const auto current = [&currents](int k) { return k == 0 ? 0.0L : static_cast<long double>(currents[static_cast<std::size_t>(k - 1)]); };
    return static_cast<double>(current(s.forward) - current(s.backward));
}

}  // namespace kirvolt
