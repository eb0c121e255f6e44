#include "tutoring/current_source_quiz.h"

#include <algorithm>
#include <utility>

#include "analysis/branch_tables.h"
#include "document/text_lists.h"
#include "document/wording.h"
#include "equations/mesh_equation_display.h"

namespace kirvolt {

namespace {

std::string meshPair(int first, int second) { return spokenList({std::to_string(first), std::to_string(second)}); }

bool goesRound(const MeshRow& row, int mesh) { return std::ranges::find(row.meshes, mesh) != row.meshes.end(); }

}  // namespace

CurrentSourceQuiz::CurrentSourceQuiz(const CKirvoltDoc& doc, const MeshSystem& system,
                                     const std::vector<MeshEquation>& equations)
    : doc(doc), system(system), equations(equations)
{
    const int branches = std::min(numberedBranchCount(doc), static_cast<int>(system.meshes.sides.size()) - 1);
    for (int b = 1; b <= branches; ++b) {
        if (!isBranchOfKind(doc, b, KIND_CURRENT_SOURCE)) {
            continue;
        }
        const MeshSides& s = system.meshes.sidesOf(b);
        if ((s.forward == 0) != (s.backward == 0)) {
            const int mesh = std::max(s.forward, s.backward);
            const auto same = std::ranges::find(known, mesh, &KnownMesh::mesh);
            if (same == known.end()) {
                known.push_back({mesh, {b}});
            } else {
                same->sources.push_back(b);
            }
        } else if (s.forward != s.backward) {
            const int first = std::min(s.forward, s.backward);
            const int second = std::max(s.forward, s.backward);
            const auto same = std::ranges::find_if(
                pairs, [first, second](const JoinedPair& p) { return p.first == first && p.second == second; });
            if (same == pairs.end()) {
                pairs.push_back({first, second, {b}});
            } else {
                same->sources.push_back(b);
            }
        }
    }
}

bool CurrentSourceQuiz::done() const
{
    return std::ranges::all_of(known, &KnownMesh::found) && std::ranges::all_of(pairs, &JoinedPair::found);
}

std::string CurrentSourceQuiz::progress() const
{
    const auto knownFound = std::ranges::count_if(known, &KnownMesh::found);
    const auto pairsFound = std::ranges::count_if(pairs, &JoinedPair::found);
    return fillIn(wording("CurrentSourceQuiz", "Found:  %1 of %2  meshes whose current a source fixes,  %3 of %4  pairs of "
                                               "meshes joined by a current source."),
                  {std::to_string(knownFound), std::to_string(known.size()), std::to_string(pairsFound),
                   std::to_string(pairs.size())});
}

MeshClickReply CurrentSourceQuiz::click(Point logical, MeshClaim claim)
{
    MeshClickReply reply = judge(logical, claim);
    if (reply.found && done()) {
        reply.text += "\n\n" + wording("CurrentSourceQuiz", "You have found what every current source does to the meshes.\n\n"
                                                          "Go ahead with your analysis.");
    }
    return reply;
}

MeshClickReply CurrentSourceQuiz::judge(Point logical, MeshClaim claim)
{
    const int mesh = meshContaining(system.meshes, logical, doc.gridSize);
    if (mesh == 0) {
        return {false, wording("CurrentSourceQuiz", "That point is inside no mesh.\n\nClick inside one of the meshes of your circuit."), {}};
    }
    if (claim == MeshClaim::knownCurrent) {
        chosen = 0;
        return claimKnown(mesh);
    }
    if (chosen == 0) {
        chosen = mesh;
        return {false, fillIn(wording("CurrentSourceQuiz", "Mesh %1 chosen.\n\nNow click the other mesh of the pair."), {std::to_string(mesh)}),
                meshMarks(mesh)};
    }
    if (chosen == mesh) {
        return {false,
                fillIn(wording("CurrentSourceQuiz", "Mesh %1 is chosen already.\n\nClick the mesh on the other side of the current source."),
                       {std::to_string(mesh)}),
                meshMarks(mesh)};
    }
    const int first = std::exchange(chosen, 0);
    return claimPair(std::min(first, mesh), std::max(first, mesh));
}

MeshClickReply CurrentSourceQuiz::claimKnown(int mesh)
{
    const std::string k = std::to_string(mesh);
    const auto fixed = std::ranges::find(known, mesh, &KnownMesh::mesh);
    if (fixed != known.end()) {
        if (fixed->found) {
            return {false, fillIn(wording("CurrentSourceQuiz", "You have found mesh %1 already."), {k}), sourceMarks(fixed->sources)};
        }
        fixed->found = true;
        const MeshEquation& e = equations[static_cast<std::size_t>(mesh - 1)];
        return {true, fillIn(wording("CurrentSourceQuiz", "Terrific! You got it.\n\n%1\n\n        %2\n\n"
                                                          "The current of mesh %3 is known, so mesh %3 needs no KVL equation."),
                             {e.words, e.names, k}),
                sourceMarks(fixed->sources)};
    }
    const auto beside = std::ranges::find_if(pairs, [mesh](const JoinedPair& p) { return p.first == mesh || p.second == mesh; });
    if (beside != pairs.end()) {
        return {false,
                fillIn(wording("CurrentSourceQuiz", "Sorry,\n\n%1 on mesh %2 fixes no mesh current on its own: it lies between "
                                                    "meshes %3 and carries the difference of their currents.\n\nLook for a "
                                                    "current source on the outside of the drawing, or click the two meshes it "
                                                    "joins as a pair."),
                       {sourceNames(beside->sources), k, meshPair(beside->first, beside->second)}),
                sourceMarks(beside->sources)};
    }
    return {false,
            fillIn(wording("CurrentSourceQuiz", "Sorry,\n\nno current source lies on mesh %1, so its current is unknown and "
                                                "mesh %1 gets a KVL equation,\n\nplease check your circuit carefully\n\nand try again."),
                   {k}),
            meshMarks(mesh)};
}

MeshClickReply CurrentSourceQuiz::claimPair(int first, int second)
{
    const std::string both = meshPair(first, second);
    const auto joined = std::ranges::find_if(
        pairs, [first, second](const JoinedPair& p) { return p.first == first && p.second == second; });
    if (joined != pairs.end()) {
        if (joined->found) {
            return {false, fillIn(wording("CurrentSourceQuiz", "You have found meshes %1 already."), {both}), sourceMarks(joined->sources)};
        }
        joined->found = true;
        return {true, fillIn(wording("CurrentSourceQuiz", "Terrific! You got it.\n\n%1"), {meaningOf(*joined)}), sourceMarks(joined->sources)};
    }
    // The elements the two meshes share, which the student took for a current source.
    std::vector<std::string> shared;
    Highlight sharedMarks;
    for (std::size_t b = 1; b < system.meshes.sides.size(); ++b) {
        const MeshSides& s = system.meshes.sides[b];
        if (std::min(s.forward, s.backward) != first || std::max(s.forward, s.backward) != second) {
            continue;
        }
        shared.push_back(doc.labels[b]);
        for (const auto& c : doc.components) {
            if (c->branchIndex == static_cast<int>(b) && isAnalysedBranchKind(c->kindCode)) {
                sharedMarks.paintRed(*c);
            }
        }
    }
    if (shared.empty()) {
        return {false,
                fillIn(wording("CurrentSourceQuiz", "Sorry,\n\nmeshes %1 do not touch, so no current source joins them,\n\n"
                                                    "please check your circuit carefully\n\nand try again."),
                       {both}),
                {}};
    }
    return {false,
            fillIn(wording("CurrentSourceQuiz", "Sorry,\n\nmeshes %1 share only %2, and no current source, so they are not "
                                                "joined into a supermesh,\n\nplease check your circuit carefully\n\nand try again."),
                   {both, spokenList(shared)}),
            sharedMarks};
}

std::string CurrentSourceQuiz::sourceNames(const std::vector<int>& sources) const
{
    std::vector<std::string> names;
    for (const int b : sources) {
        names.push_back(doc.labels[static_cast<std::size_t>(b)]);
    }
    return spokenList(names);
}

// What the source between the pair does: it joins them into a supermesh, or, where another
// source fixes one of them, it gives the other its current.
std::string CurrentSourceQuiz::meaningOf(const JoinedPair& pair) const
{
    std::string equation;
    for (std::size_t r = 0; r < system.rows.size(); ++r) {
        const MeshRow& row = system.rows[r];
        if (row.kind == MeshRowKind::sourceBetween && std::ranges::find(pair.sources, row.source) != pair.sources.end()) {
            equation = equations[r].words + "\n\n        " + equations[r].names + "\n\n";
            break;
        }
    }
    for (const MeshRow& row : system.rows) {
        if (row.kind == MeshRowKind::aroundSupermesh && goesRound(row, pair.first) && goesRound(row, pair.second)) {
            std::vector<std::string> meshes;
            for (const int m : row.meshes) {
                meshes.push_back(std::to_string(m));
            }
            return equation + fillIn(wording("CurrentSourceQuiz", "Meshes %1 form a supermesh: one KVL equation goes round the "
                                                                  "whole supermesh, leaving out %2 and any other current source inside it."),
                                     {spokenList(meshes), sourceNames(pair.sources)});
        }
    }
    return equation + wording("CurrentSourceQuiz", "Another current source fixes the current of one of these meshes, so "
                                                   "this equation gives the other its current and no KVL equation is needed.");
}

Highlight CurrentSourceQuiz::sourceMarks(const std::vector<int>& sources) const
{
    Highlight marks;
    for (const auto& c : doc.components) {
        if (std::ranges::find(sources, c->branchIndex) != sources.end() && c->kindCode == KIND_CURRENT_SOURCE) {
            marks.paintRed(*c);
        }
    }
    return marks;
}

Highlight CurrentSourceQuiz::meshMarks(int mesh) const { return meshElements(doc, system.meshes.mesh(mesh)); }

}  // namespace kirvolt
