#include "equations/mesh_equation_check.h"

#include <algorithm>
#include <charconv>

#include "analysis/branch_tables.h"
#include "analysis/mesh_method.h"
#include "equations/element_value_names.h"
#include "equations/equation_check.h"
#include "equations/mesh_equation.h"
#include "equations/mesh_kvl_faults.h"
#include "equations/row_judgement.h"

namespace kirvolt {
namespace {

bool isVoltageLaw(const MeshRow& row)
{
    return row.kind == MeshRowKind::aroundMesh || row.kind == MeshRowKind::aroundSupermesh;
}

// "J1 on the outside of the drawing gives mesh 3 its current." without its full stop.
std::string clause(const std::string& sentence)
{
    return sentence.ends_with('.') ? sentence.substr(0, sentence.size() - 1) : sentence;
}

// Names as the circuit knows them: I and a mesh's number, then the elements' labels.
class MeshNames {
public:
    MeshNames(const CKirvoltDoc& doc, int meshCount) : meshCount(meshCount), elements(doc) {}

    NameResolver resolver(int changedBranch) const
    {
        return [this, changedBranch](std::string_view name) -> std::optional<NameMeaning> {
            if (const std::optional<int> mesh = meshOf(name)) {
                return NameMeaning{*mesh, 0.0};
            }
            return elements.find(name, changedBranch);
        };
    }

private:
    std::optional<int> meshOf(std::string_view name) const
    {
        if (name.size() < 2 || (name.front() != 'I' && name.front() != 'i')) {
            return std::nullopt;
        }
        const std::string_view digits = name.substr(1);
        int mesh = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), mesh);
        if (error != std::errc{} || end != digits.data() + digits.size() || digits.front() == '0' || mesh < 1 ||
            mesh > meshCount) {
            return std::nullopt;
        }
        return mesh;
    }

    int meshCount;
    ElementValueNames elements;
};

class MeshEquationUnderCheck final : public EquationUnderCheck {
public:
    MeshEquationUnderCheck(const CKirvoltDoc& doc, const MeshSystem& system, int mesh)
        : doc(doc),
          system(system),
          mesh(mesh),
          own(system.rows[static_cast<std::size_t>(mesh - 1)]),
          names(doc, system.meshes.count()),
          written(meshEquations(doc, system)[static_cast<std::size_t>(mesh - 1)])
    {
    }

    NameResolver resolver(int changedBranch) const override { return names.resolver(changedBranch); }
    const UnknownWording& wording() const override { return meshCurrentWording(); }
    LinearForm brought(LinearForm typed) const override { return typed; }
    LinearForm row() const override { return meshRowForm(own); }

    std::string rightMessage() const override
    {
        if (isVoltageLaw(own)) {
            return "Right: this is the KVL equation of " + meshSubject(own) + ".";
        }
        return "Right: " + clause(written.words) + ": " + written.names + ".";
    }

    std::string wrongMessage(std::string_view text, const ReadEquation&, const LinearForm& typed) const override
    {
        const TermTrace trace = [this, text, &typed](int branch) -> std::optional<LinearForm> {
            const auto reread = readEquation(text, names.resolver(branch), meshCurrentWording());
            const auto* changed = std::get_if<ReadEquation>(&reread);
            if (changed == nullptr) {
                return std::nullopt;
            }
            return (changed->left - changed->right) - typed;
        };
        if (isVoltageLaw(own)) {
            std::string message = "Not yet: this is not the KVL equation of " + meshSubject(own) + ".";
            for (const std::string& fault : meshVoltageLawFaults(doc, system, own, typed, trace)) {
                message += "\n" + fault;
            }
            return message;
        }
        return "Not yet: this is not the equation of mesh " + std::to_string(mesh) + ".\n" + clause(written.words) +
               ", so " + (own.kind == MeshRowKind::fixedBySource ? "its equation" : "the equation of mesh " + std::to_string(mesh)) +
               " is " + written.names + "." + sourceRowFault(typed, trace);
    }

private:
    // What went wrong with the equation of a mesh a current source decides, where that shows.
    std::string sourceRowFault(const LinearForm& typed, const TermTrace& trace) const
    {
        const std::string& source = doc.labels[static_cast<std::size_t>(own.source)];
        LinearForm turned = meshRowForm(own);
        turned.constant = -turned.constant;
        if (isNonZeroMultipleOf(typed, turned)) {
            const MeshSides& s = system.meshes.sidesOf(own.source);
            if (own.kind == MeshRowKind::fixedBySource) {
                return "\nThe sign of " + source + " is wrong: " + source + " drives its current " +
                       (s.forward == mesh ? "the same way as" : "against") + " the clockwise current of mesh " +
                       std::to_string(mesh) + ".";
            }
            return "\nThe sign of " + source + " is wrong: " + source + " drives its current the way " +
                   meshCurrentName(s.forward) + " runs through it, against " + meshCurrentName(s.backward) + ".";
        }
        for (std::size_t k = 0; k < system.rows.size(); ++k) {
            if (static_cast<int>(k) + 1 != mesh && isNonZeroMultipleOf(typed, meshRowForm(system.rows[k]))) {
                return "\nThis is the equation of mesh " + std::to_string(k + 1) + ".";
            }
        }
        for (int b = 1; b <= numberedBranchCount(doc); ++b) {
            const bool drop = isBranchOfKind(doc, b, KIND_RESISTOR) || isBranchOfKind(doc, b, KIND_VOLTAGE_SOURCE);
            const std::optional<LinearForm> part = drop ? trace(b) : std::nullopt;
            if (part && !(part->isConstant() && part->constant == 0.0)) {
                return "\nNo KVL equation is written for mesh " + std::to_string(mesh) + ": the voltage across " +
                       source + " is not known beforehand, so the equation of " + source + " takes its place.";
            }
        }
        return "";
    }

    const CKirvoltDoc& doc;
    const MeshSystem& system;
    int mesh;
    const MeshRow& own;
    MeshNames names;
    MeshEquation written;
};

}  // namespace

const UnknownWording& meshCurrentWording()
{
    static const UnknownWording wording{'I',
                                        "a mesh current such as I1",
                                        "a mesh current",
                                        "mesh currents",
                                        "KVL",
                                        "the mesh's number",
                                        "mesh current",
                                        "a mesh current is I followed by the mesh's number, such as I1"};
    return wording;
}

std::variant<MeshSystem, Explanation> meshEquationCheckSystem(CKirvoltDoc& doc)
{
    if (auto refusal = equationCheckRefusal(doc)) {
        return std::move(*refusal);
    }
    return buildMeshSystem(doc);
}

std::optional<std::string> meshNumberRefusal(const MeshSystem& system, int mesh)
{
    const int count = system.meshes.count();
    if (mesh >= 1 && mesh <= count) {
        return std::nullopt;
    }
    const std::string has = count == 0 ? "has no meshes" : count == 1 ? "has one mesh" : "has " + std::to_string(count) + " meshes";
    return "There is no mesh " + std::to_string(mesh) + " in this circuit: its drawing " + has + ".";
}

EquationVerdict checkMeshEquation(const CKirvoltDoc& doc, const MeshSystem& system, int mesh, std::string_view text)
{
    if (const auto refusal = meshNumberRefusal(system, mesh)) {
        return {EquationVerdict::Kind::Unreadable, *refusal};
    }
    return judgeEquation(MeshEquationUnderCheck(doc, system, mesh), text);
}

std::string meshEquationCheckInstructions(const CKirvoltDoc& doc, const MeshSystem& system, int mesh)
{
    const MeshRow& row = system.rows[static_cast<std::size_t>(mesh - 1)];
    const MeshEquation written = meshEquations(doc, system)[static_cast<std::size_t>(mesh - 1)];
    const std::string notation =
        " Write mesh currents as I and the mesh's number (" + meshCurrentName(mesh) +
        "), each running clockwise, element names for their values (R1, E1, J1), numbers with or without prefixes "
        "(4.7k, 10m), + - * / and parentheses, and one \xE2\x80\x9C=\xE2\x80\x9D.";
    switch (row.kind) {
    case MeshRowKind::aroundMesh:
        return "Type the KVL equation of mesh " + std::to_string(mesh) + ": the voltage drops clockwise round it add " +
               "up to the EMFs that drive its current." + notation;
    case MeshRowKind::aroundSupermesh:
        return "Mesh " + std::to_string(mesh) + " belongs to " + meshSubject(row) + ", which current sources join. " +
               "Type the KVL equation round the supermesh: " + clause(written.words).replace(0, 1, "t") + "." + notation;
    case MeshRowKind::fixedBySource:
        return written.words + " Type the equation that gives " + meshCurrentName(mesh) + "." + notation;
    case MeshRowKind::sourceBetween:
        return written.words + " Type the equation that says so for mesh " + std::to_string(mesh) + "." + notation;
    }
    return notation;
}

}  // namespace kirvolt
