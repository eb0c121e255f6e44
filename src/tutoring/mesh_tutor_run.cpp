#include "tutoring/mesh_tutor_run.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "analysis/branch_tables.h"
#include "analysis/mesh_method.h"
#include "document/wording.h"
#include "equations/equation_check_click.h"
#include "equations/mesh_equation.h"
#include "tutoring/tutor_opening.h"

namespace kirvolt {

namespace {

// The elements are painted, not the wires and joints that share their branch numbers.
void paintBranch(const CKirvoltDoc& doc, int branch, Highlight& highlight)
{
    for (const auto& c : doc.components) {
        if (c->branchIndex == branch && c->kindCode != KIND_JOINT && !isWireKind(c->kindCode)) {
            highlight.paintRed(*c);
        }
    }
}

// Branches that meshes have, leaving out the meters, which stand beside the circuit or act as wires.
int meshBranchCount(const CKirvoltDoc& doc)
{
    int count = 0;
    for (int b = 1; b <= numberedBranchCount(doc); ++b) {
        count += isBranchOfKind(doc, b, KIND_RESISTOR) || isBranchOfKind(doc, b, KIND_VOLTAGE_SOURCE) ||
                 isBranchOfKind(doc, b, KIND_CURRENT_SOURCE);
    }
    return count;
}

// Step 3 when there is nothing to click: the tutor says so and goes on.
MeshTutorPage noSourcesPage()
{
    return {3, wording("MeshTutor", "There are no current sources in your circuit.\n\nEvery mesh current is unknown, "
                                    "and every mesh gets its own KVL equation."), {}};
}

// Step 4: the equation of each mesh in turn, its elements marked.
std::vector<MeshTutorPage> equationPages(const CKirvoltDoc& doc, const MeshSystem& system,
                                         const std::vector<MeshEquation>& equations)
{
    std::vector<MeshTutorPage> pages;
    const std::string count = std::to_string(system.rows.size());
    for (std::size_t r = 0; r < system.rows.size(); ++r) {
        const MeshRow& row = system.rows[r];
        const MeshEquation& e = equations[r];
        MeshTutorPage page{4, fillIn(wording("MeshTutor", "Mesh %1 of %2:"), {std::to_string(r + 1), count}) + "\n\n" + e.words + "\n\n        " + e.names +
                                  "\n=>    " + e.values + "\n=>    " + e.numbers, {}};
        if (r + 1 == system.rows.size()) {
            page.text += "\n\n" + wording("MeshTutor", "Now write the equation of each mesh yourself: Check My Mesh Equation "
                                                     "tells you whether it is right.");
        }
        for (const MeshTerm& term : row.terms) {
            paintBranch(doc, term.branch, page.highlight);
        }
        if (row.source != 0) {
            paintBranch(doc, row.source, page.highlight);
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

bool showPages(MeshTutorWindows& windows, const std::vector<MeshTutorPage>& pages)
{
    return std::all_of(pages.begin(), pages.end(), [&windows](const MeshTutorPage& page) { return windows.showPage(page); });
}

// The student writes each mesh's equation in Check My Mesh Equation's own window, one mesh
// after the other, with the mesh currents named but not valued.
void checkEachMesh(CKirvoltDoc& doc, const std::shared_ptr<const MeshSystem>& system)
{
    for (int mesh = 1; mesh <= static_cast<int>(system->rows.size()); ++mesh) {
        showMeshEquationCheck(doc, system, mesh, doc.port());
    }
}

}  // namespace

void runMeshTutor(CKirvoltDoc& doc, MeshTutorWindows& windows, const MeshCurrentsShown& showMeshCurrents)
{
    if (!openWithSolution(doc, meshMethod())) {
        return;
    }
    const auto system = std::make_shared<const MeshSystem>(std::get<MeshSystem>(buildMeshSystem(doc)));
    const std::vector<MeshEquation> equations = meshEquations(doc, *system);
    // The student counts and labels from the drawing alone.
    showMeshCurrents(MeshCurrentsDrawn::hidden);
    if (!windows.introduce() || !windows.countMeshes(meshBranchCount(doc), doc.nodeCount)) {
        return;
    }
    CurrentSourceQuiz quiz(doc, *system, equations);
    const bool finished =
        windows.labelMeshes([&showMeshCurrents] { showMeshCurrents(MeshCurrentsDrawn::named); }) &&
        (quiz.empty() ? windows.showPage(noSourcesPage()) : windows.dealWithSources(quiz)) &&
        showPages(windows, equationPages(doc, *system, equations));
    if (finished) {
        checkEachMesh(doc, system);
    }
    showMeshCurrents(finished ? MeshCurrentsDrawn::valued : MeshCurrentsDrawn::hidden);
}

}  // namespace kirvolt
