#include "equations/mesh_kvl_faults.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "analysis/branch_tables.h"
#include "analysis/mesh_method.h"
#include "document/text_lists.h"
#include "equations/mesh_equation.h"
#include "equations/row_judgement.h"

namespace kirvolt {
namespace {

const std::string MINUS = "\xE2\x88\x92";  // −, as the mesh equations write it
const std::string TIMES = "\xC2\xB7";      // ·
// Choices are tried for at most this many resistors (5 to the power of it).
constexpr std::size_t MAXIMUM_TERM_SEARCH = 7;
// Below this a part of an equation is taken for nothing.
constexpr double TRACE_NOISE = 1e-12;

// How a typed equation may have written a resistor's drop R·(I(mesh) - I(other)): what it
// gives the coefficient of the mesh's own current and of the neighbour's, in units of R.
enum class Drop { right, missing, withoutNeighbour, neighbourWrongSign, turnedRound };

struct DropShape {
    Drop drop;
    int own;
    int neighbour;
};

constexpr DropShape SHAPES[] = {{Drop::right, 1, -1},
                                {Drop::missing, 0, 0},
                                {Drop::withoutNeighbour, 1, 0},
                                {Drop::neighbourWrongSign, 1, 1},
                                {Drop::turnedRound, -1, 1}};

bool isNothing(const LinearForm& form)
{
    return std::abs(form.constant) <= TRACE_NOISE &&
           std::ranges::all_of(form.coefficients, [](const auto& entry) { return std::abs(entry.second) <= TRACE_NOISE; });
}

std::string meshNumbers(const std::vector<int>& meshes)
{
    std::vector<std::string> numbers;
    for (int m : meshes) {
        numbers.push_back(std::to_string(m));
    }
    return spokenList(numbers);
}

class VoltageLawFaults {
public:
    VoltageLawFaults(const CKirvoltDoc& doc, const MeshSystem& system, const MeshRow& row)
        : doc(doc), system(system), row(row), expected(meshRowForm(row))
    {
        for (const MeshTerm& term : row.terms) {
            if (isBranchOfKind(doc, term.branch, KIND_RESISTOR)) {
                resistors.push_back(term);
                ownTotal += value(term.branch);
                if (term.other != 0) {
                    neighbours.insert(term.other);
                }
            } else if (isBranchOfKind(doc, term.branch, KIND_VOLTAGE_SOURCE)) {
                sources.push_back(term);
            }
        }
    }

    std::vector<std::string> faults(LinearForm typed, const TermTrace& trace)
    {
        std::vector<std::string> found;
        for (std::size_t k = 0; k < system.rows.size(); ++k) {
            const MeshRow& other = system.rows[k];
            if (&other != &row && isNonZeroMultipleOf(typed, meshRowForm(other))) {
                found.push_back("This is the equation of mesh " + std::to_string(k + 1) + ", not of " +
                                meshSubject(row) + ".");
                return found;
            }
        }
        takeOutForeignElements(typed, trace, found);
        const std::optional<double> factor = likelyFactor(typed);
        if (!factor) {
            found.push_back("The equation has no term in " + ownCurrents() + " or in the current of a mesh beside " +
                            meshSubject(row) + ", so it cannot be its KVL equation.");
            return found;
        }
        LinearForm normal = typed;
        normal *= 1.0 / *factor;
        checkForeignCurrents(normal, found);
        checkDrops(normal, found);
        checkEmfs(normal, found);
        if (found.empty()) {
            found.push_back("The equation does not add up the voltages round " + meshSubject(row) + ".");
        }
        return found;
    }

private:
    bool inGroup(int mesh) const { return std::ranges::binary_search(row.meshes, mesh); }
    bool onRow(int branch) const
    {
        return std::ranges::any_of(row.terms, [branch](const MeshTerm& term) { return term.branch == branch; });
    }

    // Terms for current sources and for elements off the meshes, named from the element names
    // typed, then taken out so that the rest is judged on its own.
    void takeOutForeignElements(LinearForm& typed, const TermTrace& trace, std::vector<std::string>& found) const
    {
        for (int b = 1; b <= numberedBranchCount(doc); ++b) {
            const bool element = isBranchOfKind(doc, b, KIND_RESISTOR) || isBranchOfKind(doc, b, KIND_VOLTAGE_SOURCE) ||
                                 isBranchOfKind(doc, b, KIND_CURRENT_SOURCE);
            if (!element || onRow(b)) {
                continue;
            }
            const std::optional<LinearForm> part = trace(b);
            if (!part || isNothing(*part)) {
                continue;
            }
            found.push_back(isBranchOfKind(doc, b, KIND_CURRENT_SOURCE) ? currentSourceFault(b) : offTheMeshFault(b));
            LinearForm contribution = *part;
            contribution *= value(b);
            typed -= contribution;
        }
    }

    std::string currentSourceFault(int source) const
    {
        const MeshSides& s = system.meshes.sidesOf(source);
        const std::string& name = label(source);
        if (inGroup(s.forward) && inGroup(s.backward)) {
            return "The equation has a term for " + name + ", which lies inside " + meshSubject(row) +
                   ": a KVL equation adds up voltages, the voltage across a current source is not known "
                   "beforehand, so the supermesh's equation leaves " + name + " out and " + name +
                   " gives an equation of its own, " + meshCurrentName(s.forward) + " " + MINUS + " " +
                   meshCurrentName(s.backward) + " = " + name + ".";
        }
        return "The equation has a term for " + name + ", a current source: a KVL equation adds up voltages, and "
               "the voltage across a current source is not known beforehand, so " + name + " has no place in it.";
    }

    std::string offTheMeshFault(int branch) const
    {
        const MeshSides& s = system.meshes.sidesOf(branch);
        std::vector<int> beside;
        for (int m : {s.forward, s.backward}) {
            if (m != 0) {
                beside.push_back(m);
            }
        }
        std::ranges::sort(beside);
        const std::string& name = label(branch);
        std::string where;
        if (beside.size() == 2 && inGroup(beside[0]) && inGroup(beside[1])) {
            where = name + " lies inside it, between meshes " + meshNumbers(beside) +
                    ", and the supermesh's equation goes round its outside only";
        } else if (beside.size() == 2) {
            where = name + " lies between meshes " + meshNumbers(beside);
        } else if (beside.size() == 1) {
            where = name + " lies on mesh " + std::to_string(beside[0]) + ", at the edge of the drawing";
        } else {
            where = name + " lies on no mesh";
        }
        return "The equation has a term for " + name + ", which is not on " + meshSubject(row) + ": " + where + ".";
    }

    // The factor by which the typed equation most likely multiplies the voltage law: the value
    // most of its parts agree on, a plain sign and a neighbour's coefficient preferred among
    // equal votes, since the own coefficient, which every resistor feeds, is the likeliest wrong.
    std::optional<double> likelyFactor(const LinearForm& typed) const
    {
        std::vector<FactorCandidate> candidates;
        for (const auto& [mesh, coefficient] : expected.coefficients) {
            const double measured = typed.coefficientOf(mesh);
            if (measured != 0.0 && coefficient != 0.0) {
                candidates.push_back({measured / coefficient, inGroup(mesh)});
            }
        }
        if (expected.constant != 0.0 && typed.constant != 0.0) {
            candidates.push_back({typed.constant / expected.constant, false});
        }
        return mostAgreedFactor(candidates);
    }

    void checkForeignCurrents(LinearForm& normal, std::vector<std::string>& found) const
    {
        std::vector<int> meshes;
        for (const auto& [mesh, coefficient] : normal.coefficients) {
            meshes.push_back(mesh);
        }
        for (int mesh : meshes) {
            if (inGroup(mesh) || neighbours.contains(mesh) ||
                agreesWithinRounding(normal.coefficientOf(mesh), 0.0, ownTotal)) {
                continue;
            }
            found.push_back("The equation has a term in " + meshCurrentName(mesh) + ", but mesh " +
                            std::to_string(mesh) + " shares no resistor with " + meshSubject(row) + ".");
            normal.coefficients.erase(mesh);
        }
    }

    // The coefficients of the mesh currents, explained resistor by resistor where one way of
    // writing each drop makes them all right, else coefficient by coefficient.
    void checkDrops(const LinearForm& normal, std::vector<std::string>& found) const
    {
        std::set<int> unknowns(row.meshes.begin(), row.meshes.end());
        unknowns.insert(neighbours.begin(), neighbours.end());
        const bool allAgree = std::ranges::all_of(unknowns, [&](int mesh) {
            return agreesWithinRounding(normal.coefficientOf(mesh), expected.coefficientOf(mesh), ownTotal);
        });
        if (allAgree) {
            return;
        }
        if (const auto drops = dropsExplaining(normal, unknowns)) {
            for (std::size_t i = 0; i < resistors.size(); ++i) {
                if ((*drops)[i] != Drop::right) {
                    found.push_back(dropFault(resistors[i], (*drops)[i]));
                }
            }
            return;
        }
        for (int mesh : unknowns) {
            const double measured = normal.coefficientOf(mesh);
            const double wanted = expected.coefficientOf(mesh);
            if (agreesWithinRounding(measured, wanted, ownTotal)) {
                continue;
            }
            std::vector<std::string> labels;
            for (const MeshTerm& term : resistors) {
                if (inGroup(mesh) ? term.mesh == mesh : term.other == mesh) {
                    labels.push_back(label(term.branch));
                }
            }
            if (inGroup(mesh)) {
                found.push_back("The coefficient of " + meshCurrentName(mesh) + " is wrong: the resistors round mesh " +
                                std::to_string(mesh) + " (" + spokenList(labels) + ") add up to " +
                                faultNumber(wanted) + " ohm, but the equation gives it " + faultNumber(measured) +
                                " ohm.");
            } else {
                found.push_back("The term in " + meshCurrentName(mesh) + " is wrong: " + spokenList(labels) +
                                ", shared with mesh " + std::to_string(mesh) +
                                (labels.size() == 1 ? ", gives " : ", give ") + meshCurrentName(mesh) + " the coefficient " +
                                faultNumber(wanted) + " ohm, but the equation gives it " + faultNumber(measured) +
                                " ohm.");
            }
        }
    }

    // The way of writing each resistor's drop that makes every coefficient right with the
    // fewest drops written wrong; none when no way does or there are too many to try.
    std::optional<std::vector<Drop>> dropsExplaining(const LinearForm& normal, const std::set<int>& unknowns) const
    {
        if (resistors.empty() || resistors.size() > MAXIMUM_TERM_SEARCH) {
            return std::nullopt;
        }
        std::optional<std::vector<Drop>> best;
        int bestChanges = 0;
        std::vector<Drop> drops(resistors.size(), Drop::right);
        std::size_t combinations = 1;
        for (std::size_t i = 0; i < resistors.size(); ++i) {
            combinations *= std::size(SHAPES);
        }
        for (std::size_t code = 0; code < combinations; ++code) {
            std::size_t rest = code;
            std::map<int, double> sums;
            int changes = 0;
            bool possible = true;
            for (std::size_t i = 0; i < resistors.size() && possible; ++i) {
                const DropShape& shape = SHAPES[rest % std::size(SHAPES)];
                rest /= std::size(SHAPES);
                const MeshTerm& term = resistors[i];
                // Beside the outside there is no neighbour's current to leave out or turn.
                possible = term.other != 0 || shape.drop == Drop::right || shape.drop == Drop::missing ||
                           shape.drop == Drop::turnedRound;
                drops[i] = shape.drop;
                changes += shape.drop == Drop::right ? 0 : 1;
                sums[term.mesh] += shape.own * value(term.branch);
                if (term.other != 0) {
                    sums[term.other] += shape.neighbour * value(term.branch);
                }
            }
            if (!possible || changes == 0 || (best && changes >= bestChanges)) {
                continue;
            }
            const bool explains = std::ranges::all_of(unknowns, [&](int mesh) {
                return agreesWithinRounding(sums[mesh], normal.coefficientOf(mesh), ownTotal);
            });
            if (explains) {
                best = drops;
                bestChanges = changes;
            }
        }
        return best;
    }

    std::string dropFault(const MeshTerm& term, Drop drop) const
    {
        const std::string& name = label(term.branch);
        const std::string own = meshCurrentName(term.mesh);
        const std::string neighbour = meshCurrentName(term.other);
        const std::string rightDrop = name + TIMES + meshCurrentThrough(term.mesh, term.other);
        const std::string round = "going clockwise round mesh " + std::to_string(term.mesh);
        switch (drop) {
        case Drop::missing:
            return "The term for " + name + " is missing: " + round + ", the current passes through " + name +
                   ", a voltage drop of " + rightDrop + ".";
        case Drop::withoutNeighbour:
            return "The term for " + name + " leaves out " + neighbour + ": " + name + " is shared with mesh " +
                   std::to_string(term.other) + ", so the current through it is " + own + " " + MINUS + " " +
                   neighbour + " and its drop is " + rightDrop + ".";
        case Drop::neighbourWrongSign:
            return "The term for " + name + " takes " + neighbour + " the wrong way round: " + round + ", mesh " +
                   std::to_string(term.other) + "'s current runs through " + name + " against " + own +
                   ", so the drop is " + rightDrop + ", not " + name + TIMES + "(" + own + " + " + neighbour + ").";
        case Drop::turnedRound:
            if (term.other == 0) {
                return "The term for " + name + " has the wrong sign: " + round + ", the current " + own +
                       " makes a drop of " + rightDrop + " across " + name + ", not " + MINUS + rightDrop + ".";
            }
            return "The term for " + name + " is turned round: " + round + ", the drop across " + name + " is " +
                   rightDrop + ", not " + name + TIMES + "(" + neighbour + " " + MINUS + " " + own + ").";
        case Drop::right:
            break;
        }
        return "";
    }

    void checkEmfs(const LinearForm& normal, std::vector<std::string>& found) const
    {
        // Σ EMF as the right side holds it: a source met from - to + counts its EMF.
        const double measured = -normal.constant;
        double scale = 0.0;
        std::vector<double> emfs;
        for (const MeshTerm& term : sources) {
            emfs.push_back(-term.sign * value(term.branch));
            scale += std::abs(value(term.branch));
        }
        if (agreesWithinRounding(measured, row.rhs, scale)) {
            return;
        }
        if (const auto signs = signsExplaining(emfs, measured, scale)) {
            for (std::size_t i = 0; i < sources.size(); ++i) {
                if ((*signs)[i] == 0) {
                    found.push_back("The EMF of " + label(sources[i].branch) + " is missing: " +
                                    passage(sources[i]) + ".");
                } else if ((*signs)[i] < 0) {
                    found.push_back(label(sources[i].branch) + " has the wrong sign: " + passage(sources[i]) +
                                    ", so " + signedName(sources[i], true) + " stands on the side of the EMFs and " +
                                    signedName(sources[i], false) + " beside the voltage drops.");
                }
            }
            return;
        }
        if (sources.empty()) {
            found.push_back("The equation has a constant term, but no voltage source lies round " + meshSubject(row) +
                            ", so its voltage drops add up to 0.");
            return;
        }
        found.push_back("The EMFs are wrong: round " + meshSubject(row) + " they come to " + faultNumber(row.rhs) +
                        " V, but the equation gives " + faultNumber(measured) + " V.");
    }

    // "going clockwise round mesh 1, the current passes through E1 from - to +, a rise of 12 V"
    std::string passage(const MeshTerm& source) const
    {
        const bool rise = source.sign < 0;
        return "going clockwise round mesh " + std::to_string(source.mesh) + ", the current passes through " +
               label(source.branch) + (rise ? " from " + MINUS + " to +, a rise of " : " from + to " + MINUS + ", a drop of ") +
               faultNumber(value(source.branch)) + " V";
    }

    // The source with the sign it has on the side of the EMFs, or beside the drops.
    std::string signedName(const MeshTerm& source, bool emfSide) const
    {
        const bool rise = source.sign < 0;
        return (rise == emfSide ? "+" : MINUS) + label(source.branch);
    }

    std::string ownCurrents() const
    {
        std::vector<std::string> names;
        for (int m : row.meshes) {
            names.push_back(meshCurrentName(m));
        }
        return spokenList(names);
    }

    const std::string& label(int branch) const { return doc.labels[static_cast<std::size_t>(branch)]; }
    double value(int branch) const { return doc.branchValues[static_cast<std::size_t>(branch)]; }

    const CKirvoltDoc& doc;
    const MeshSystem& system;
    const MeshRow& row;
    LinearForm expected;
    std::vector<MeshTerm> resistors;
    std::vector<MeshTerm> sources;
    std::set<int> neighbours;
    double ownTotal = 0.0;
};

}  // namespace

LinearForm meshRowForm(const MeshRow& row)
{
    LinearForm form;
    for (const auto& [mesh, coefficient] : row.entries) {
        form.coefficients[mesh] = coefficient;
    }
    form.constant = -row.rhs;
    return form;
}

std::string meshSubject(const MeshRow& row)
{
    if (row.meshes.size() == 1) {
        return "mesh " + std::to_string(row.meshes.front());
    }
    return "the supermesh of meshes " + meshNumbers(row.meshes);
}

std::vector<std::string> meshVoltageLawFaults(const CKirvoltDoc& doc, const MeshSystem& system, const MeshRow& row,
                                              const LinearForm& typed, const TermTrace& trace)
{
    return VoltageLawFaults(doc, system, row).faults(typed, trace);
}

}  // namespace kirvolt
