#include "equations/mesh_equation_display.h"

#include <algorithm>

#include "analysis/mesh_system.h"
#include "equations/mesh_equation.h"

namespace kirvolt {

Highlight meshElements(const CKirvoltDoc& doc, const Mesh& mesh)
{
    Highlight highlight;
    for (const auto& element : doc.components) {
        const auto onBoundary = [&element](const MeshStep& step) { return step.branch == element->branchIndex; };
        if (isAnalysedBranchKind(element->kindCode) && std::ranges::any_of(mesh.boundary, onBoundary)) {
            highlight.paintRed(*element);
        }
    }
    return highlight;
}

std::vector<NodeEquationStep> showMeshEquation(CKirvoltDoc& doc, Point point)
{
    auto built = buildMeshSystem(doc);
    if (auto* why = std::get_if<Explanation>(&built)) {
        return {{NodeEquationStep::Kind::Message, std::move(why->message), {}, std::move(why->highlight)}};
    }
    const MeshSystem& system = std::get<MeshSystem>(built);
    const int k = meshContaining(system.meshes, point, doc.gridSize);
    if (k == 0) {
        return {};
    }
    const MeshEquation e = meshEquations(doc, system)[static_cast<std::size_t>(k - 1)];
    NodeEquationTexts texts{NodeEquationTexts::Of::mesh, std::to_string(k), "", {e.words, e.names, e.values, e.numbers, ""}};
    return {{NodeEquationStep::Kind::Dialog, "", std::move(texts), meshElements(doc, system.meshes.mesh(k))}};
}

}  // namespace kirvolt
