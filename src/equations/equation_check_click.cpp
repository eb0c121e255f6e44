#include "equations/equation_check_click.h"

#include <memory>

#include "analysis/known_methods.h"
#include "analysis/loop_method.h"
#include "analysis/macro_node.h"
#include "analysis/node_names.h"
#include "document/hit_test.h"
#include "document/wording.h"
#include "equations/equation_check.h"
#include "equations/loop_equation_check.h"
#include "equations/loop_equation_display.h"
#include "equations/mesh_equation_check.h"
#include "equations/mesh_equation_display.h"

namespace kirvolt {
namespace {

Highlight nodeMarking(const CKirvoltDoc& doc, int node)
{
    Highlight highlight;
    const std::vector<int> members = collectMacroNode(doc, node);
    for (int member : members) {
        colourNodeJoints(doc, member, highlight);
    }
    if (members.size() == 1) {
        colourNodeWires(doc, node, highlight);
    } else {
        colourMacroNode(doc, members, highlight);
        colourMacroNodeWires(doc, members, highlight);
    }
    return highlight;
}

// A click on a chord: the check dialog of its loop's equation, the loop marked.
void presentLoopEquationCheck(CKirvoltDoc& doc, Point point, UserPort& port)
{
    auto built = loopEquationCheckSystem(doc);
    if (const auto* refusal = std::get_if<Explanation>(&built)) {
        port.showMessage(refusal->message, refusal->highlight);
        return;
    }
    auto system = std::make_shared<const LoopSystem>(std::move(std::get<LoopSystem>(built)));
    const CComponent* hit = HitTest(doc, point);
    const int loop = hit && isAnalysedBranchKind(hit->kindCode) ? system->tree.loopOfChord(hit->branchIndex) : 0;
    if (loop == 0) {
        return;
    }
    EquationCheckDialog dialog{fillIn(wording("EquationCheck", "Check My Mesh Equation : Loop of %1"), {hit->label}),
                               loopEquationCheckInstructions(doc, *system, loop),
                               [&doc, system, loop](const std::string& text) {
                                   return checkLoopEquation(doc, *system, loop, text);
                               }};
    port.showEquationCheckDialog(dialog, loopMarking(doc, system->tree.loop(loop)));
}

}  // namespace

void presentEquationCheck(CKirvoltDoc& doc, Point point, UserPort& port)
{
    const CComponent* joint = jointAt(doc, point);
    if (joint == nullptr) {
        return;
    }
    if (const auto refusal = equationCheckRefusal(doc)) {
        port.showMessage(refusal->message, refusal->highlight);
        return;
    }
    // Checking numbered the circuit again; the joint's node is the one it now carries.
    const int node = jointAt(doc, point)->startNode;
    EquationCheckDialog dialog{fillIn(wording("EquationCheck", "Check My Node Equation : Node %1"), {nodeName(doc, node)}),
                               equationCheckInstructions(doc, node),
                               [&doc, node](const std::string& text) { return checkNodeEquation(doc, node, text); }};
    port.showEquationCheckDialog(dialog, nodeMarking(doc, node));
}

void presentMeshEquationCheck(CKirvoltDoc& doc, Point point, UserPort& port)
{
    if (methodOf(doc).name() == loopMethod().name()) {
        presentLoopEquationCheck(doc, point, port);
        return;
    }
    auto built = meshEquationCheckSystem(doc);
    if (const auto* refusal = std::get_if<Explanation>(&built)) {
        port.showMessage(refusal->message, refusal->highlight);
        return;
    }
    auto system = std::make_shared<const MeshSystem>(std::move(std::get<MeshSystem>(built)));
    const int mesh = meshContaining(system->meshes, point, doc.gridSize);
    if (mesh != 0) {
        showMeshEquationCheck(doc, system, mesh, port);
    }
}

void showMeshEquationCheck(CKirvoltDoc& doc, const std::shared_ptr<const MeshSystem>& system, int mesh, UserPort& port)
{
    EquationCheckDialog dialog{fillIn(wording("EquationCheck", "Check My Mesh Equation : Mesh %1"), {std::to_string(mesh)}),
                               meshEquationCheckInstructions(doc, *system, mesh),
                               [&doc, system, mesh](const std::string& text) {
                                   return checkMeshEquation(doc, *system, mesh, text);
                               }};
    port.showEquationCheckDialog(dialog, meshElements(doc, system->meshes.mesh(mesh)));
}

}  // namespace kirvolt
