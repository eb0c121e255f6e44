#include "tutoring/mesh_tutor_run.h"

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/branch_tables.h"
#include "analysis/mesh_method.h"
#include "equations/mesh_equation.h"

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

std::string meshWords(const std::vector<int>& meshes)
{
    std::string words;
    for (std::size_t i = 0; i < meshes.size(); ++i) {
        words += (i == 0 ? "" : i + 1 == meshes.size() ? " and " : ", ") + std::to_string(meshes[i]);
    }
    return words;
}

// The supermesh whose voltage law goes round both meshes, or none.
const MeshRow* supermeshOf(const MeshSystem& system, int a, int b)
{
    for (const MeshRow& row : system.rows) {
        const auto has = [&row](int m) { return std::find(row.meshes.begin(), row.meshes.end(), m) != row.meshes.end(); };
        if (row.kind == MeshRowKind::aroundSupermesh && has(a) && has(b)) {
            return &row;
        }
    }
    return nullptr;
}

std::string sourceConsequence(const CKirvoltDoc& doc, const MeshSystem& system, const MeshRow& row)
{
    const int k = row.meshes.front();
    if (row.kind == MeshRowKind::fixedBySource) {
        return "The current of mesh " + std::to_string(k) + " is known, so mesh " + std::to_string(k) +
               " needs no KVL equation.";
    }
    const MeshSides& s = system.meshes.sidesOf(row.source);
    if (const MeshRow* super = supermeshOf(system, s.forward, s.backward)) {
        return "Meshes " + meshWords(super->meshes) +
               " form a supermesh: one KVL equation goes round the whole supermesh, leaving out " +
               doc.labels[static_cast<std::size_t>(row.source)] + " and any other current source inside it.";
    }
    return "Another current source fixes the current of one of these meshes, so this equation gives the other "
           "its current and no KVL equation is needed.";
}

// Step 3: one window for each current source, saying what it does to the meshes beside it.
std::vector<MeshTutorPage> sourcePages(const CKirvoltDoc& doc, const MeshSystem& system,
                                       const std::vector<MeshEquation>& equations)
{
    std::vector<MeshTutorPage> pages;
    for (std::size_t r = 0; r < system.rows.size(); ++r) {
        const MeshRow& row = system.rows[r];
        if (row.kind != MeshRowKind::fixedBySource && row.kind != MeshRowKind::sourceBetween) {
            continue;
        }
        MeshTutorPage page;
        page.text = equations[r].words + "\n\n        " + equations[r].names + "\n\n" + sourceConsequence(doc, system, row);
        paintBranch(doc, row.source, page.highlight);
        pages.push_back(std::move(page));
    }
    if (pages.empty()) {
        pages.push_back({3, "There are no current sources in your circuit.\n\nEvery mesh current is unknown, and every "
                            "mesh gets its own KVL equation.", {}, false});
    }
    return pages;
}

// Step 4: the equation of each mesh in turn, its elements marked.
std::vector<MeshTutorPage> equationPages(const CKirvoltDoc& doc, const MeshSystem& system,
                                         const std::vector<MeshEquation>& equations)
{
    std::vector<MeshTutorPage> pages;
    const std::string of = " of " + std::to_string(system.rows.size());
    for (std::size_t r = 0; r < system.rows.size(); ++r) {
        const MeshRow& row = system.rows[r];
        const MeshEquation& e = equations[r];
        MeshTutorPage page{4, "Mesh " + std::to_string(r + 1) + of + ":\n\n" + e.words + "\n\n        " + e.names +
                                  "\n=>    " + e.values + "\n=>    " + e.numbers, {}, r + 1 == system.rows.size()};
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

}  // namespace

void runMeshTutor(CKirvoltDoc& doc, MeshTutorWindows& windows, const MeshCurrentsShown& showMeshCurrents)
{
    doc.analysisFailed = 0;
    const AnalysisOutcome outcome = runMeshAnalysis(doc);
    showOutcome(doc, outcome);
    if (!outcome) {
        doc.port().showMessage(outcome.refusal->message, outcome.refusal->highlight);
        return;
    }
    const auto built = buildMeshSystem(doc);
    const MeshSystem& system = std::get<MeshSystem>(built);
    const std::vector<MeshEquation> equations = meshEquations(doc, system);
    // The student counts and labels from the drawing alone.
    showMeshCurrents(false);
    if (!windows.introduce() || !windows.countMeshes(meshBranchCount(doc), doc.nodeCount)) {
        return;
    }
    if (!windows.labelMeshes([&showMeshCurrents] { showMeshCurrents(true); }) ||
        !showPages(windows, sourcePages(doc, system, equations)) || !showPages(windows, equationPages(doc, system, equations))) {
        showMeshCurrents(false);
    }
}

}  // namespace kirvolt
