#include "equations/equation_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "analysis/branch_tables.h"
#include "analysis/circuit_solvability.h"
#include "analysis/macro_node.h"
#include "analysis/nodal_solver.h"
#include "analysis/node_names.h"
#include "analysis/rule_checks.h"
#include "document/text_lists.h"
#include "equations/equation_reader.h"
#include "equations/name_table.h"
#include "equations/node_equation.h"
#include "equations/term_texts.h"

namespace kirvolt {
namespace {

// Students round conductances to three figures or so; a wrong term is off by far more.
constexpr double ROUNDING_ALLOWANCE = 5e-3;
// Beside the equation's own sizes, what counts as nothing at all.
constexpr double NOTHING = 1e-9;
// Sign choices are tried for groups of at most this many branches (3 to the power of it).
constexpr std::size_t MAXIMUM_SIGN_SEARCH = 7;

bool agrees(double a, double b, double scale)
{
    const double difference = std::abs(a - b);
    return difference <= ROUNDING_ALLOWANCE * std::max(std::abs(a), std::abs(b)) || difference <= NOTHING * scale;
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", value == 0.0 ? 0.0 : value);
    return text;
}

// A resistor through which current leaves the node (or macro node): from its member to the
// node outside.
struct ResistorTerm {
    int branch = 0;
    int member = 0;
    int other = 0;
    double conductance = 0.0;
};

// A current source at a member: its current as a current leaving the member.
struct SourceTerm {
    int branch = 0;
    int member = 0;
    double leaving = 0.0;
};

// The node's KCL equation as the sum of the currents leaving it: with the voltages of the
// other members of its macro node written through the reference, V(m) = V(reference) + offset.
struct NodeKcl {
    int node = 0;
    std::vector<int> members;
    int reference = 0;
    bool holdsDatum = false;
    std::map<int, double> offsets;
    std::map<int, std::vector<ResistorTerm>> groups;  // [node outside]
    std::vector<SourceTerm> sources;

    double totalConductance() const
    {
        double total = 0.0;
        for (const auto& [other, group] : groups) {
            for (const ResistorTerm& term : group) {
                total += term.conductance;
            }
        }
        return total;
    }
};

double offsetAlongSources(const CKirvoltDoc& doc, const std::vector<int>& members, int from, int to)
{
    if (from == to) {
        return 0.0;
    }
    const SourcePath path = findSourcePath(doc, members, from, to);
    double offset = 0.0;
    for (int k = 2; k <= path.length; ++k) {
        offset += path.emfs[static_cast<std::size_t>(k)];
    }
    return offset;
}

NodeKcl nodeKcl(const CKirvoltDoc& doc, int node)
{
    NodeKcl kcl;
    kcl.node = node;
    kcl.members = collectMacroNode(doc, node);
    kcl.holdsDatum = std::ranges::find(kcl.members, doc.datumNode) != kcl.members.end();
    kcl.reference = macroNodeReference(doc, kcl.members);
    const std::unordered_set<int> inside(kcl.members.begin(), kcl.members.end());
    for (int member : kcl.members) {
        kcl.offsets[member] = offsetAlongSources(doc, kcl.members, member, kcl.reference);
        // Branches inside the macro node carry nothing out of it.
        for (const KclBranch& term : kclBranchesAt(doc, member)) {
            if (inside.contains(term.other)) {
                continue;
            }
            if (term.kind == KIND_RESISTOR) {
                kcl.groups[term.other].push_back({term.branch, member, term.other, conductanceOf(doc, term.branch)});
            } else {
                kcl.sources.push_back({term.branch, member, term.value});
            }
        }
    }
    return kcl;
}

// The typed equation brought to one side with the macro node's other members written through
// its reference and the datum at 0 V. Where the voltage sources tie the node to the datum every
// voltage but the node's own is known.
LinearForm reduced(const NodeKcl& kcl, int datum, LinearForm form)
{
    for (int member : kcl.members) {
        if (kcl.holdsDatum) {
            if (member != kcl.node) {
                form = substituted(std::move(form), member, 0, kcl.offsets.at(member));
            }
        } else if (member != kcl.reference) {
            form = substituted(std::move(form), member, kcl.reference, kcl.offsets.at(member));
        }
    }
    if (datum != kcl.node) {
        form = substituted(std::move(form), datum, 0, 0.0);
    }
    return form;
}

LinearForm expectedForm(const NodeKcl& kcl, int datum)
{
    LinearForm form;
    if (kcl.holdsDatum) {
        form.coefficients[kcl.node] = 1.0;
        form.constant = -kcl.offsets.at(kcl.node);
        return form;
    }
    form.coefficients[kcl.reference] = kcl.totalConductance();
    for (const auto& [other, group] : kcl.groups) {
        for (const ResistorTerm& term : group) {
            if (other != datum) {
                form.coefficients[other] -= term.conductance;
            }
            form.constant += term.conductance * kcl.offsets.at(term.member);
        }
    }
    for (const SourceTerm& source : kcl.sources) {
        form.constant += source.leaving;
    }
    return form;
}

// The node's equation as the nodal system holds it: the rows of the members of its macro node
// summed (the currents of the voltage sources between them cancel), over node voltages, and
// reduced as the typed equation is. Where the sources tie the node to the datum no KCL row
// decides its voltage; the sources' own equations do.
LinearForm systemForm(const CKirvoltDoc& doc, const NodeKcl& kcl)
{
    if (kcl.holdsDatum) {
        return expectedForm(kcl, doc.datumNode);
    }
    std::vector<int> nodeOfColumn(doc.nodeMap.size(), 0);
    const auto nodes = std::min(doc.nodeMap.size(), static_cast<std::size_t>(numberedNodeCount(doc)) + 1);
    for (std::size_t node = 1; node < nodes; ++node) {
        const auto column = static_cast<std::size_t>(doc.nodeMap[node]);
        if (column < nodeOfColumn.size()) {
            nodeOfColumn[column] = static_cast<int>(node);
        }
    }
    LinearForm form;
    for (int member : kcl.members) {
        const NodalRow row = nodalRow(doc, member);
        for (const auto& [column, value] : row.columns) {
            form.coefficients[nodeOfColumn[static_cast<std::size_t>(column)]] += value;
        }
        form.constant -= row.rhs;
    }
    return reduced(kcl, doc.datumNode, std::move(form));
}

double largestCoefficient(const LinearForm& form)
{
    double largest = 0.0;
    for (const auto& [node, coefficient] : form.coefficients) {
        largest = std::max(largest, std::abs(coefficient));
    }
    return largest;
}

// Whether typed = factor · expected for one factor other than zero.
bool isMultipleOf(const LinearForm& typed, const LinearForm& expected)
{
    int pivot = 0;
    for (const auto& [node, coefficient] : expected.coefficients) {
        if (pivot == 0 || std::abs(coefficient) > std::abs(expected.coefficientOf(pivot))) {
            pivot = node;
        }
    }
    if (pivot == 0 || expected.coefficientOf(pivot) == 0.0) {
        return false;
    }
    const double factor = typed.coefficientOf(pivot) / expected.coefficientOf(pivot);
    if (factor == 0.0 || !std::isfinite(factor)) {
        return false;
    }
    LinearForm scaledExpected = expected;
    scaledExpected *= factor;
    const double scale = largestCoefficient(scaledExpected);
    std::unordered_set<int> nodes;
    for (const auto& [node, coefficient] : typed.coefficients) {
        nodes.insert(node);
    }
    for (const auto& [node, coefficient] : expected.coefficients) {
        nodes.insert(node);
    }
    const bool coefficientsAgree = std::ranges::all_of(
        nodes, [&](int node) { return agrees(typed.coefficientOf(node), scaledExpected.coefficientOf(node), scale); });
    double constantScale = std::abs(scaledExpected.constant);
    for (const auto& [node, coefficient] : scaledExpected.coefficients) {
        constantScale = std::max(constantScale, std::abs(coefficient));
    }
    return coefficientsAgree && agrees(typed.constant, scaledExpected.constant, constantScale);
}

// "node 2", or "the macro node of nodes 2 and 3".
std::string subjectOf(const NodeKcl& kcl, const NodeNames& names)
{
    if (kcl.members.size() == 1) {
        return "node " + names(kcl.node);
    }
    std::vector<int> ascending = kcl.members;
    std::ranges::sort(ascending);
    std::vector<std::string> list;
    for (const int member : ascending) {
        list.push_back(names(member));
    }
    return "the macro node of nodes " + spokenList(list);
}

// Which side of "=" something stands on.
enum class Side { Left, Right, Both, Unknown };

class FaultFinder {
public:
    FaultFinder(const CKirvoltDoc& doc, const NodeKcl& kcl, const NodeNames& names)
        : doc(doc), kcl(kcl), names(names)
    {
    }

    // The faults of a typed equation that is not a multiple of the node's KCL equation.
    std::vector<std::string> faults(const LinearForm& typed, const std::function<Side(int)>& sourceSide,
                                    Side voltageSide)
    {
        std::vector<std::string> found;
        const std::optional<double> factor = likelyFactor(typed);
        if (!factor) {
            found.push_back(typed.isConstant() && kcl.members.size() > 1
                                ? "This relates the voltages of the macro node's own nodes, as its voltage sources do. "
                                  "The KCL equation of the macro node balances the currents leaving it through its "
                                  "resistors against the currents of its current sources."
                                : "The equation has no term in " + voltage(kcl.reference) +
                                      " or in the voltage of a node joined to " + subject() +
                                      ", so it cannot be the KCL equation of " + subject() + ".");
            return found;
        }
        LinearForm normal = typed;
        normal *= 1.0 / *factor;
        checkForeignTerms(normal, found);
        const bool termsRight = checkResistorTerms(normal, found);
        if (termsRight || kcl.offsets.size() == 1 || emfConstant() == 0.0) {
            checkConstant(normal, sourceSide, voltageSide, found);
        }
        if (found.empty()) {
            found.push_back("The equation does not balance the currents at " + subject() + ".");
        }
        return found;
    }

private:
    // The factor by which the typed equation most likely multiplies the sum of currents
    // leaving: the value that the most of its parts agree on. Among equal votes people rarely
    // scale an equation by more than a sign, and the node's own coefficient, which every
    // branch feeds, is the part most likely to be wrong.
    std::optional<double> likelyFactor(const LinearForm& typed) const
    {
        struct Candidate {
            double factor;
            bool own;
        };
        std::vector<Candidate> candidates;
        for (const auto& [other, group] : kcl.groups) {
            const double expected = -groupConductance(group);
            const double coefficient = typed.coefficientOf(other);
            if (other != doc.datumNode && coefficient != 0.0 && expected != 0.0) {
                candidates.push_back({coefficient / expected, false});
            }
        }
        const LinearForm expected = expectedForm(kcl, doc.datumNode);
        if (expected.constant != 0.0 && typed.constant != 0.0) {
            candidates.push_back({typed.constant / expected.constant, false});
        }
        const double total = kcl.totalConductance();
        const double self = typed.coefficientOf(kcl.reference);
        if (self != 0.0 && total != 0.0) {
            candidates.push_back({self / total, true});
        }
        std::optional<double> best;
        long bestScore = 0;
        for (const Candidate& candidate : candidates) {
            if (!std::isfinite(candidate.factor)) {
                continue;
            }
            const long votes = std::ranges::count_if(
                candidates, [&](const Candidate& other) { return agrees(candidate.factor, other.factor, 0.0); });
            const long score = 8 * votes + (agrees(std::abs(candidate.factor), 1.0, 0.0) ? 4 : 0) +
                               (candidate.factor > 0.0 ? 2 : 0) + (candidate.own ? 0 : 1);
            if (score > bestScore) {
                best = candidate.factor;
                bestScore = score;
            }
        }
        return best;
    }

    bool checkResistorTerms(const LinearForm& normal, std::vector<std::string>& found) const
    {
        const double scale = kcl.totalConductance();
        std::vector<std::string> wholeTerms;
        std::vector<std::string> voltageParts;
        double measuredNeighbours = 0.0;
        double expectedNeighbours = 0.0;
        for (const auto& [other, group] : kcl.groups) {
            if (other == doc.datumNode) {
                continue;
            }
            const double measured = -normal.coefficientOf(other);
            const double expected = groupConductance(group);
            measuredNeighbours += measured;
            expectedNeighbours += expected;
            if (agrees(measured, expected, scale)) {
                continue;
            }
            explainGroup(group, measured, wholeTerms);
            voltageParts.push_back("The term in " + voltage(other) + " is wrong: the current through " +
                                   joinedLabels(group) + " gives " + voltage(other) + " the coefficient " +
                                   number(-expected) + " S, but the equation gives it " + number(-measured) + " S.");
        }
        const auto datumGroup = kcl.groups.find(doc.datumNode);
        const double expectedToDatum = datumGroup == kcl.groups.end() ? 0.0 : groupConductance(datumGroup->second);
        const double self = normal.coefficientOf(kcl.reference);
        const double toDatumWhole = self - measuredNeighbours;
        const double toDatumSelfRight = self - expectedNeighbours;
        if (wholeTerms.empty()) {
            explainSelf(toDatumWhole, expectedToDatum, scale, found);
        } else if (agrees(toDatumWhole, expectedToDatum, scale)) {
            found.insert(found.end(), wholeTerms.begin(), wholeTerms.end());
        } else if (agrees(toDatumSelfRight, expectedToDatum, scale)) {
            found.insert(found.end(), voltageParts.begin(), voltageParts.end());
        } else {
            found.insert(found.end(), wholeTerms.begin(), wholeTerms.end());
            explainSelf(toDatumWhole, expectedToDatum, scale, found);
        }
        return found.empty();
    }

    // The part of the node's own coefficient that the terms to other nodes leave: the
    // resistors to the datum node.
    void explainSelf(double measured, double expected, double scale, std::vector<std::string>& found) const
    {
        if (agrees(measured, expected, scale)) {
            return;
        }
        const auto datumGroup = kcl.groups.find(doc.datumNode);
        if (datumGroup != kcl.groups.end()) {
            explainGroup(datumGroup->second, measured, found);
            return;
        }
        found.push_back("The coefficient of " + voltage(kcl.reference) + " is wrong: the resistors at " + subject() +
                        " give it " + number(kcl.totalConductance()) + " S, but the equation gives it " +
                        number(measured + kcl.totalConductance() - expected) + " S.");
    }

    void explainGroup(const std::vector<ResistorTerm>& group, double measured, std::vector<std::string>& found) const
    {
        const std::vector<double> conductances = conductancesOf(group);
        if (const auto signs = signsExplaining(conductances, measured, kcl.totalConductance())) {
            for (std::size_t i = 0; i < group.size(); ++i) {
                if ((*signs)[i] == 0) {
                    found.push_back("The term for " + label(group[i].branch) + " is missing: current leaves " +
                                    subject() + " through " + label(group[i].branch) + ", " + termText(group[i]) +
                                    ".");
                } else if ((*signs)[i] < 0) {
                    found.push_back("The term for " + label(group[i].branch) +
                                    " has the wrong sign: the current leaving " + subject() + " through " +
                                    label(group[i].branch) + " is " + termText(group[i]) + ", not " +
                                    reversedTermText(group[i]) + ".");
                }
            }
            return;
        }
        if (group.size() == 1) {
            found.push_back("The term for " + label(group[0].branch) + " has the wrong conductance: the current " +
                            "through " + label(group[0].branch) + " is " + termText(group[0]) + ", with 1/" +
                            label(group[0].branch) + " = " + number(group[0].conductance) +
                            " S, but the equation has " + number(measured) + " S.");
            return;
        }
        found.push_back("The terms for " + joinedLabels(group) + " have the wrong conductance: together they are " +
                        reciprocalSum("", labelsOfGroup(group)) + "= " + number(groupConductance(group)) +
                        " S, but the equation has " + number(measured) + " S.");
    }

    // Terms in the voltages of nodes that no resistor joins to the node. A whole term for a
    // resistor elsewhere is taken out again, so that its other end is not blamed as well.
    void checkForeignTerms(LinearForm& normal, std::vector<std::string>& found) const
    {
        const double scale = kcl.totalConductance();
        std::vector<int> nodes;
        for (const auto& [node, coefficient] : normal.coefficients) {
            nodes.push_back(node);
        }
        for (int node : nodes) {
            const double coefficient = normal.coefficientOf(node);
            if (node == kcl.reference || kcl.groups.contains(node) || agrees(coefficient, 0.0, scale)) {
                continue;
            }
            const std::optional<int> branch = resistorAt(node, std::abs(coefficient));
            if (branch) {
                const BranchEnds ends = nodesTouched(doc, *branch);
                found.push_back("The equation has a term for " + label(*branch) + ", which does not touch " +
                                subject() + ": " + label(*branch) + " lies between node " + names(ends[0]) +
                                " and node " + names(ends[ends.size() - 1]) + ".");
                takeOutTerm(normal, node, ends[0] == node ? ends[ends.size() - 1] : ends[0]);
            } else {
                found.push_back("The equation has a term in " + voltage(node) + ", but no resistor joins node " +
                                names(node) + " to " + subject() + ".");
            }
        }
    }

    // Removes c·(V(node) - V(farEnd)), where c is the coefficient that V(node) has.
    void takeOutTerm(LinearForm& normal, int node, int farEnd) const
    {
        const double coefficient = normal.coefficientOf(node);
        normal.coefficients.erase(node);
        if (farEnd == doc.datumNode) {
            return;
        }
        if (const auto member = kcl.offsets.find(farEnd); member != kcl.offsets.end()) {
            normal.coefficients[kcl.reference] += coefficient;
            normal.constant += coefficient * member->second;
            return;
        }
        normal.coefficients[farEnd] += coefficient;
    }

    void checkConstant(const LinearForm& normal, const std::function<Side(int)>& sourceSide, Side voltageSide,
                       std::vector<std::string>& found) const
    {
        const double emf = emfConstant();
        const double expected = expectedForm(kcl, doc.datumNode).constant;
        double scale = std::abs(emf);
        std::vector<double> currents;
        for (const SourceTerm& source : kcl.sources) {
            currents.push_back(source.leaving);
            scale += std::abs(source.leaving);
        }
        if (agrees(normal.constant, expected, scale)) {
            return;
        }
        if (const auto signs = signsExplaining(currents, normal.constant - emf, scale)) {
            for (std::size_t i = 0; i < currents.size(); ++i) {
                const SourceTerm& source = kcl.sources[i];
                if ((*signs)[i] == 0) {
                    found.push_back("The current of " + label(source.branch) + " is missing: " + sourceFlow(source) +
                                    ".");
                } else if ((*signs)[i] < 0) {
                    const Side side = sourceSide(source.branch);
                    const bool acrossTheEquals = (side == Side::Left && voltageSide == Side::Right) ||
                                                 (side == Side::Right && voltageSide == Side::Left);
                    found.push_back(acrossTheEquals
                                        ? label(source.branch) + " stands on the other side of \xE2\x80\x9C=\xE2\x80\x9D "
                                              "with the sign it would have beside the resistor currents: moving a "
                                              "term across \xE2\x80\x9C=\xE2\x80\x9D changes its sign. " +
                                              sourceFlow(source) + "."
                                        : label(source.branch) + " is turned round: " + sourceFlow(source) + ".");
                }
            }
            return;
        }
        if (kcl.sources.empty() && emf == 0.0) {
            found.push_back("The equation has a constant term, but no current source is connected to " + subject() +
                            ", so with the node voltages alone the currents add up to 0.");
            return;
        }
        found.push_back("The constant terms are wrong: brought beside the currents leaving " + subject() +
                        ", they should come to " + number(expected) + " A, but the equation gives " +
                        number(normal.constant) + " A." + sourceRelations());
    }

    // The signs (+1 as it should be, 0 left out, -1 turned round) that make the values add up to
    // the measured sum, with the fewest changes; none when no choice does.
    static std::optional<std::vector<int>> signsExplaining(const std::vector<double>& values, double measured,
                                                           double scale)
    {
        if (values.empty() || values.size() > MAXIMUM_SIGN_SEARCH) {
            return std::nullopt;
        }
        std::optional<std::vector<int>> best;
        int bestChanges = 0;
        std::vector<int> signs(values.size(), 1);
        std::size_t combinations = 1;
        for (std::size_t i = 0; i < values.size(); ++i) {
            combinations *= 3;
        }
        for (std::size_t code = 0; code < combinations; ++code) {
            std::size_t rest = code;
            double sum = 0.0;
            int changes = 0;
            for (std::size_t i = 0; i < values.size(); ++i) {
                signs[i] = 1 - static_cast<int>(rest % 3);  // 1, 0, -1
                rest /= 3;
                sum += signs[i] * values[i];
                changes += signs[i] == 1 ? 0 : 1;
            }
            if (changes > 0 && agrees(sum, measured, scale) && (!best || changes < bestChanges)) {
                best = signs;
                bestChanges = changes;
            }
        }
        return best;
    }

    // " Through the voltage sources, V4 = V3 + 4 V." for a macro node; empty for a node alone.
    std::string sourceRelations() const
    {
        std::string relations;
        for (const auto& [member, offset] : kcl.offsets) {
            if (member != kcl.reference) {
                relations += std::string(relations.empty() ? "" : ", ") + voltage(member) + " = " +
                             voltage(kcl.reference) + (offset < 0.0 ? " - " : " + ") + number(std::abs(offset)) + " V";
            }
        }
        return relations.empty() ? "" : " Through the voltage sources, " + relations + ".";
    }

    double emfConstant() const
    {
        double constant = 0.0;
        for (const auto& [other, group] : kcl.groups) {
            for (const ResistorTerm& term : group) {
                constant += term.conductance * kcl.offsets.at(term.member);
            }
        }
        return constant;
    }

    std::optional<int> resistorAt(int node, double conductance) const
    {
        for (int b : branchesAt(doc, node)) {
            if (isBranchOfKind(doc, b, KIND_RESISTOR) && agrees(conductanceOf(doc, b), conductance, 0.0)) {
                return b;
            }
        }
        return std::nullopt;
    }

    std::string sourceFlow(const SourceTerm& source) const
    {
        const double amperes = std::abs(source.leaving);
        const bool out = source.leaving > 0.0;
        return label(source.branch) + " drives " + number(amperes) + " A " + (out ? "out of" : "into") + " node " +
               names(source.member);
    }

    std::string subject() const { return subjectOf(kcl, names); }

    std::string termText(const ResistorTerm& term) const
    {
        if (term.other == doc.datumNode) {
            return voltage(term.member) + "/" + label(term.branch);
        }
        return "(" + voltage(term.member) + " - " + voltage(term.other) + ")/" + label(term.branch);
    }

    std::string reversedTermText(const ResistorTerm& term) const
    {
        if (term.other == doc.datumNode) {
            return "-" + voltage(term.member) + "/" + label(term.branch);
        }
        return "(" + voltage(term.other) + " - " + voltage(term.member) + ")/" + label(term.branch);
    }

    std::string voltage(int node) const { return voltageName(names, node); }
    std::string label(int branch) const { return doc.labels[static_cast<std::size_t>(branch)]; }

    static double groupConductance(const std::vector<ResistorTerm>& group)
    {
        double total = 0.0;
        for (const ResistorTerm& term : group) {
            total += term.conductance;
        }
        return total;
    }

    static std::vector<double> conductancesOf(const std::vector<ResistorTerm>& group)
    {
        std::vector<double> conductances;
        for (const ResistorTerm& term : group) {
            conductances.push_back(term.conductance);
        }
        return conductances;
    }

    std::vector<std::string> labelsOfGroup(const std::vector<ResistorTerm>& group) const
    {
        std::vector<std::string> labels;
        for (const ResistorTerm& term : group) {
            labels.push_back(label(term.branch));
        }
        return labels;
    }

    std::string joinedLabels(const std::vector<ResistorTerm>& group) const
    {
        return spokenList(labelsOfGroup(group));
    }

    const CKirvoltDoc& doc;
    const NodeKcl& kcl;
    const NodeNames& names;
};

// Names as the circuit knows them: "V" and a node's name, then the resistors' and sources'
// labels, each found in any case unless another differs from it only in case; one value may
// be changed to see where it enters the equation.
class CircuitNames {
public:
    CircuitNames(const CKirvoltDoc& doc, const NodeNames& names)
    {
        for (int node = 1; node <= numberedNodeCount(doc); ++node) {
            nodes.add(names(node), node);
        }
        for (int b = 1; b <= numberedBranchCount(doc); ++b) {
            if (isBranchOfKind(doc, b, KIND_RESISTOR) || isBranchOfKind(doc, b, KIND_VOLTAGE_SOURCE) ||
                isBranchOfKind(doc, b, KIND_CURRENT_SOURCE)) {
                values.add(doc.labels[static_cast<std::size_t>(b)], Value{b, doc.branchValues[static_cast<std::size_t>(b)]});
            }
        }
    }

    NameResolver resolver(int changedBranch = 0) const
    {
        return [this, changedBranch](std::string_view name) -> std::optional<NameMeaning> {
            if (!name.empty() && (name.front() == 'V' || name.front() == 'v')) {
                if (const std::optional<int> node = nodes.find(name.substr(1))) {
                    return NameMeaning{*node, 0.0};
                }
            }
            if (const std::optional<Value> value = values.find(name)) {
                return NameMeaning{std::nullopt, value->amount + (value->branch == changedBranch)};
            }
            return std::nullopt;
        };
    }

private:
    struct Value {
        int branch = 0;
        double amount = 0.0;
    };
    NameTable<int> nodes;
    NameTable<Value> values;
};

Side sideOf(bool left, bool right)
{
    return left && right ? Side::Both : left ? Side::Left : right ? Side::Right : Side::Unknown;
}

}  // namespace

std::optional<Explanation> equationCheckRefusal(CKirvoltDoc& doc)
{
    if (doc.components.empty()) {
        return Explanation{"Create your circuit first.", {}};
    }
    prepareNumbering(doc);
    if (doc.nodeCount < 1) {
        return Explanation{"Create your circuit first.", {}};
    }
    if (auto failure = runRuleChecks(doc)) {
        return failure;
    }
    if (auto unsolvable = unsolvableCircuitMessage(doc)) {
        return Explanation{*unsolvable, {}};
    }
    return std::nullopt;
}

EquationVerdict checkNodeEquation(const CKirvoltDoc& doc, int node, std::string_view text)
{
    const NodeNames names(doc);
    const CircuitNames circuitNames(doc, names);
    const auto read = readEquation(text, circuitNames.resolver());
    if (const auto* failure = std::get_if<ReadFailure>(&read)) {
        return {EquationVerdict::Kind::Unreadable, readFailureMessage(text, *failure)};
    }
    const ReadEquation& sides = std::get<ReadEquation>(read);
    const NodeKcl kcl = nodeKcl(doc, node);
    const LinearForm typed = reduced(kcl, doc.datumNode, sides.left - sides.right);
    const LinearForm expected = systemForm(doc, kcl);
    const std::string subject = subjectOf(kcl, names);
    const std::string voltage = voltageName(names, node);
    if (kcl.holdsDatum) {
        const std::string value = voltage + " = " + number(kcl.offsets.at(node)) + " V";
        if (isMultipleOf(typed, expected)) {
            return {EquationVerdict::Kind::Right, node == doc.datumNode ? "Right: the datum node is at 0 V, " + value + "."
                                                                        : "Right: the voltage sources set " + value + "."};
        }
        return {EquationVerdict::Kind::Wrong,
                node == doc.datumNode
                    ? "Not quite: node " + names(node) + " is the datum node, at 0 V by choice: " + value + "."
                    : "Not quite: node " + names(node) + " is joined to the datum node by voltage sources, so its " +
                          "voltage follows from their EMFs alone: " + value + "."};
    }
    if (isMultipleOf(typed, expected)) {
        return {EquationVerdict::Kind::Right, kcl.members.size() == 1
                                                  ? "Right: this is the KCL equation of " + subject + "."
                                                  : "Right: this is the combined KCL equation of " + subject + "."};
    }
    const auto sourceSide = [&](int branch) {
        // With another value the text may not read at all (a quotient by J1 - 1.3, say).
        const auto reread = readEquation(text, circuitNames.resolver(branch));
        const auto* changed = std::get_if<ReadEquation>(&reread);
        if (changed == nullptr) {
            return Side::Unknown;
        }
        const bool left = changed->left.constant != sides.left.constant;
        const bool right = changed->right.constant != sides.right.constant;
        if (left || right) {
            return sideOf(left, right);
        }
        return sideOf(sides.left.constant != 0.0, sides.right.constant != 0.0);
    };
    const Side voltageSide = sideOf(!sides.left.isConstant(), !sides.right.isConstant());
    std::string message = "Not yet: this is not the " + std::string(kcl.members.size() == 1 ? "" : "combined ") +
                          "KCL equation of " + subject + ".";
    for (const std::string& fault : FaultFinder(doc, kcl, names).faults(typed, sourceSide, voltageSide)) {
        message += "\n" + fault;
    }
    return {EquationVerdict::Kind::Wrong, message};
}

std::string equationCheckInstructions(const CKirvoltDoc& doc, int node)
{
    const NodeNames names(doc);
    const NodeKcl kcl = nodeKcl(doc, node);
    const std::string notation =
        " Write node voltages as V and the node's name (" + voltageName(names, node) +
        "), element names for their values (R1, E1, J1), numbers with or without prefixes (4.7k, 10m), "
        "+ - * / and parentheses, and one \xE2\x80\x9C=\xE2\x80\x9D.";
    const std::string datum = " The datum node " + names(doc.datumNode) + " is at 0 V.";
    if (node == doc.datumNode) {
        return "Node " + names(node) + " is the datum node. Type the equation that gives its voltage." + notation;
    }
    if (kcl.holdsDatum) {
        return "Node " + names(node) + " is joined to the datum node by voltage sources. Type the equation that " +
               "gives its voltage." + notation + datum;
    }
    if (kcl.members.size() > 1) {
        return "Node " + names(node) + " belongs to " + subjectOf(kcl, names) + ", which the voltage sources tie " +
               "together. Type the combined KCL equation of the macro node: the currents leaving it through its " +
               "resistors balance the currents of its current sources." + notation + datum;
    }
    return "Type the KCL equation of node " + names(node) + ": the currents leaving it through its resistors " +
           "balance the currents of its current sources." + notation + datum;
}

std::optional<int> nodeNamed(const CKirvoltDoc& doc, std::string_view name)
{
    const NodeNames names(doc);
    for (int node = 1; node <= numberedNodeCount(doc); ++node) {
        if (names(node) == name) {
            return node;
        }
    }
    return std::nullopt;
}

}  // namespace kirvolt
