#include "equations/mesh_equation.h"

#include "analysis/branch_tables.h"
#include "analysis/mesh_method.h"
#include "document/readable_value.h"
#include "document/text_lists.h"
#include "document/wording.h"
#include "equations/signed_sum.h"

namespace kirvolt {
namespace {

std::string meshList(const std::vector<int>& meshes)
{
    std::vector<std::string> numbers;
    for (int m : meshes) {
        numbers.push_back(std::to_string(m));
    }
    const std::string last = numbers.back();
    numbers.pop_back();
    return joinWith(numbers, ", ") + " and " + last;
}

// The sources between the meshes of a supermesh, which its voltage law leaves out.
std::vector<int> sourcesInside(const CKirvoltDoc& doc, const PlaneMeshes& meshes, const std::vector<int>& group)
{
    std::vector<int> sources;
    const auto inGroup = [&group](int m) { return std::find(group.begin(), group.end(), m) != group.end(); };
    for (int b = 1; b <= numberedBranchCount(doc); ++b) {
        const MeshSides& s = meshes.sidesOf(b);
        if (isBranchOfKind(doc, b, KIND_CURRENT_SOURCE) && inGroup(s.forward) && inGroup(s.backward)) {
            sources.push_back(b);
        }
    }
    return sources;
}

MeshEquation voltageLawEquation(const CKirvoltDoc& doc, const PlaneMeshes& meshes, const MeshRow& row)
{
    SignedSum names;
    SignedSum values;
    SignedSum sourceNames;
    SignedSum sourceValues;
    for (const MeshTerm& term : row.terms) {
        const auto b = static_cast<std::size_t>(term.branch);
        if (isBranchOfKind(doc, term.branch, KIND_RESISTOR)) {
            const std::string current = meshCurrentThrough(term.mesh, term.other);
            names.add(false, doc.labels[b] + TIMES + current);
            values.add(false, bracketedValue(doc.valueTexts[b]) + TIMES + current);
        } else if (isBranchOfKind(doc, term.branch, KIND_VOLTAGE_SOURCE)) {
            // Met from - to + the source raises the voltage, which stands on the right as it is.
            sourceNames.add(term.sign > 0, doc.labels[b]);
            sourceValues.add(term.sign > 0, bracketedValue(doc.valueTexts[b]));
        }
    }
    MeshEquation equation;
    if (row.kind == MeshRowKind::aroundMesh) {
        equation.words = fillIn(wording("MeshEquations", "The voltage drops clockwise round mesh %1 add up to the EMFs that drive its current."),
                                {std::to_string(row.meshes.front())});
    } else {
        std::vector<std::string> labels;
        for (int s : sourcesInside(doc, meshes, row.meshes)) {
            labels.push_back(doc.labels[static_cast<std::size_t>(s)]);
        }
        equation.words = fillIn(wording("MeshEquations", "The voltage drops round the supermesh of meshes %1 add up to its EMFs, leaving out %2."),
                                {meshList(row.meshes), joinWith(labels, ", ")});
    }
    equation.names = names.str() + " = " + sourceNames.str();
    equation.values = values.str() + " = " + sourceValues.str();
    // Without a source the right side is the plain 0 the other lines show.
    equation.numbers = collectedSum(row.entries, meshCurrentName) + " = " + (sourceNames.str() == "0" ? "0" : signedNumber(row.rhs));
    return equation;
}

MeshEquation sourceEquation(const CKirvoltDoc& doc, const PlaneMeshes& meshes, const MeshRow& row)
{
    const auto b = static_cast<std::size_t>(row.source);
    const MeshSides& s = meshes.sidesOf(row.source);
    const std::string& label = doc.labels[b];
    const std::string value = bracketedValue(doc.valueTexts[b]);
    const std::string k = std::to_string(row.meshes.front());
    const double amperes = doc.branchValues[b];
    MeshEquation equation;
    if (row.kind == MeshRowKind::fixedBySource) {
        // The source's current runs against the mesh current when the outside is on its forward side.
        const bool against = s.forward == 0;
        const std::string sign = against ? MINUS : "";
        const std::string current = meshCurrentName(row.meshes.front());
        equation.words = fillIn(wording("MeshEquations", "%1 on the outside of the drawing gives mesh %2 its current."), {label, k});
        equation.names = current + " = " + sign + label;
        equation.values = current + " = " + sign + value;
        equation.numbers = current + " = " + signedNumber(against ? -amperes : amperes);
    } else {
        const std::string difference = meshCurrentName(s.forward) + " " + MINUS + " " + meshCurrentName(s.backward);
        equation.words = fillIn(wording("MeshEquations", "%1 between meshes %2 and %3 carries the difference of their currents."),
                                {label, std::to_string(s.forward), std::to_string(s.backward)});
        equation.names = difference + " = " + label;
        equation.values = difference + " = " + value;
        equation.numbers = difference + " = " + signedNumber(amperes);
    }
    return equation;
}

}  // namespace

std::string meshCurrentThrough(int mesh, int other)
{
    return other == 0 ? meshCurrentName(mesh) : "(" + meshCurrentName(mesh) + " " + MINUS + " " + meshCurrentName(other) + ")";
}

std::vector<MeshEquation> meshEquations(const CKirvoltDoc& doc, const MeshSystem& system)
{
    std::vector<MeshEquation> equations;
    for (const MeshRow& row : system.rows) {
        const bool voltageLaw = row.kind == MeshRowKind::aroundMesh || row.kind == MeshRowKind::aroundSupermesh;
        equations.push_back(voltageLaw ? voltageLawEquation(doc, system.meshes, row) : sourceEquation(doc, system.meshes, row));
    }
    return equations;
}

std::variant<std::vector<MeshEquation>, Explanation> writeMeshEquations(const CKirvoltDoc& doc)
{
    auto built = buildMeshSystem(doc);
    if (auto* why = std::get_if<Explanation>(&built)) {
        return std::move(*why);
    }
    return meshEquations(doc, std::get<MeshSystem>(built));
}

}  // namespace kirvolt
