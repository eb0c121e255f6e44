#include "equations/equation_check.h"

#include <algorithm>
#include <cmath>
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
#include "document/wording.h"
#include "equations/element_value_names.h"
#include "equations/equation_reader.h"
#include "equations/name_table.h"
#include "equations/node_equation.h"
#include "equations/row_judgement.h"
#include "equations/term_texts.h"

namespace kirvolt {
namespace {

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

// "node 2", or "the macro node of nodes 2 and 3".
std::string subjectOf(const NodeKcl& kcl, const NodeNames& names)
{
    if (kcl.members.size() == 1) {
        return fillIn(wording("NodeEquationCheck", "node %1"), {names(kcl.node)});
    }
    std::vector<int> ascending = kcl.members;
    std::ranges::sort(ascending);
    std::vector<std::string> list;
    for (const int member : ascending) {
        list.push_back(names(member));
    }
    return fillIn(wording("NodeEquationCheck", "the macro node of nodes %1"), {spokenList(list)});
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
                                ? wording("NodeEquationCheck", "This relates the voltages of the macro node's own nodes, as its "
                                                               "voltage sources do. The KCL equation of the macro node balances the "
                                                               "currents leaving it through its resistors against the currents of "
                                                               "its current sources.")
                                : fillIn(wording("NodeEquationCheck", "The equation has no term in %1 or in the voltage of a node "
                                                                      "joined to %2, so it cannot be the KCL equation of %2."),
                                         {voltage(kcl.reference), subject()}));
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
            found.push_back(fillIn(wording("NodeEquationCheck", "The equation does not balance the currents at %1."), {subject()}));
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
        std::vector<FactorCandidate> candidates;
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
        return mostAgreedFactor(candidates);
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
            if (agreesWithinRounding(measured, expected, scale)) {
                continue;
            }
            explainGroup(group, measured, wholeTerms);
            voltageParts.push_back(fillIn(wording("NodeEquationCheck", "The term in %1 is wrong: the current through %2 gives %1 the "
                                                                       "coefficient %3 S, but the equation gives it %4 S."),
                                          {voltage(other), joinedLabels(group), faultNumber(-expected), faultNumber(-measured)}));
        }
        const auto datumGroup = kcl.groups.find(doc.datumNode);
        const double expectedToDatum = datumGroup == kcl.groups.end() ? 0.0 : groupConductance(datumGroup->second);
        const double self = normal.coefficientOf(kcl.reference);
        const double toDatumWhole = self - measuredNeighbours;
        const double toDatumSelfRight = self - expectedNeighbours;
        if (wholeTerms.empty()) {
            explainSelf(toDatumWhole, expectedToDatum, scale, found);
        } else if (agreesWithinRounding(toDatumWhole, expectedToDatum, scale)) {
            found.insert(found.end(), wholeTerms.begin(), wholeTerms.end());
        } else if (agreesWithinRounding(toDatumSelfRight, expectedToDatum, scale)) {
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
        if (agreesWithinRounding(measured, expected, scale)) {
            return;
        }
        const auto datumGroup = kcl.groups.find(doc.datumNode);
        if (datumGroup != kcl.groups.end()) {
            explainGroup(datumGroup->second, measured, found);
            return;
        }
        found.push_back(fillIn(wording("NodeEquationCheck", "The coefficient of %1 is wrong: the resistors at %2 give it %3 S, "
                                                            "but the equation gives it %4 S."),
                               {voltage(kcl.reference), subject(), faultNumber(kcl.totalConductance()),
                                faultNumber(measured + kcl.totalConductance() - expected)}));
    }

    void explainGroup(const std::vector<ResistorTerm>& group, double measured, std::vector<std::string>& found) const
    {
        const std::vector<double> conductances = conductancesOf(group);
        if (const auto signs = signsExplaining(conductances, measured, kcl.totalConductance())) {
            for (std::size_t i = 0; i < group.size(); ++i) {
                if ((*signs)[i] == 0) {
                    found.push_back(fillIn(wording("NodeEquationCheck", "The term for %1 is missing: current leaves %2 through %1, %3."),
                                           {label(group[i].branch), subject(), termText(group[i])}));
                } else if ((*signs)[i] < 0) {
                    found.push_back(fillIn(wording("NodeEquationCheck", "The term for %1 has the wrong sign: the current leaving %2 "
                                                                        "through %1 is %3, not %4."),
                                           {label(group[i].branch), subject(), termText(group[i]), reversedTermText(group[i])}));
                }
            }
            return;
        }
        if (group.size() == 1) {
            found.push_back(fillIn(wording("NodeEquationCheck", "The term for %1 has the wrong conductance: the current through %1 "
                                                                "is %2, with 1/%1 = %3 S, but the equation has %4 S."),
                                   {label(group[0].branch), termText(group[0]), faultNumber(group[0].conductance),
                                    faultNumber(measured)}));
            return;
        }
        found.push_back(fillIn(wording("NodeEquationCheck", "The terms for %1 have the wrong conductance: together they are %2= %3 S, "
                                                            "but the equation has %4 S."),
                               {joinedLabels(group), reciprocalSum("", labelsOfGroup(group)), faultNumber(groupConductance(group)),
                                faultNumber(measured)}));
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
            if (node == kcl.reference || kcl.groups.contains(node) || agreesWithinRounding(coefficient, 0.0, scale)) {
                continue;
            }
            const std::optional<int> branch = resistorAt(node, std::abs(coefficient));
            if (branch) {
                const BranchEnds ends = nodesTouched(doc, *branch);
                found.push_back(fillIn(wording("NodeEquationCheck", "The equation has a term for %1, which does not touch %2: "
                                                                    "%1 lies between node %3 and node %4."),
                                       {label(*branch), subject(), names(ends[0]), names(ends[ends.size() - 1])}));
                takeOutTerm(normal, node, ends[0] == node ? ends[ends.size() - 1] : ends[0]);
            } else {
                found.push_back(fillIn(wording("NodeEquationCheck", "The equation has a term in %1, but no resistor joins node %2 to %3."),
                                       {voltage(node), names(node), subject()}));
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
        if (agreesWithinRounding(normal.constant, expected, scale)) {
            return;
        }
        if (const auto signs = signsExplaining(currents, normal.constant - emf, scale)) {
            for (std::size_t i = 0; i < currents.size(); ++i) {
                const SourceTerm& source = kcl.sources[i];
                if ((*signs)[i] == 0) {
                    found.push_back(fillIn(wording("NodeEquationCheck", "The current of %1 is missing: %2."),
                                           {label(source.branch), sourceFlow(source)}));
                } else if ((*signs)[i] < 0) {
                    const Side side = sourceSide(source.branch);
                    const bool acrossTheEquals = (side == Side::Left && voltageSide == Side::Right) ||
                                                 (side == Side::Right && voltageSide == Side::Left);
                    found.push_back(fillIn(acrossTheEquals
                                               ? wording("NodeEquationCheck",
                                                         "%1 stands on the other side of \xE2\x80\x9C=\xE2\x80\x9D with the sign it "
                                                         "would have beside the resistor currents: moving a term across "
                                                         "\xE2\x80\x9C=\xE2\x80\x9D changes its sign. %2.")
                                               : wording("NodeEquationCheck", "%1 is turned round: %2."),
                                           {label(source.branch), sourceFlow(source)}));
                }
            }
            return;
        }
        if (kcl.sources.empty() && emf == 0.0) {
            found.push_back(fillIn(wording("NodeEquationCheck", "The equation has a constant term, but no current source is connected "
                                                                "to %1, so with the node voltages alone the currents add up to 0."),
                                   {subject()}));
            return;
        }
        found.push_back(fillIn(wording("NodeEquationCheck", "The constant terms are wrong: brought beside the currents leaving %1, "
                                                            "they should come to %2 A, but the equation gives %3 A."),
                               {subject(), faultNumber(expected), faultNumber(normal.constant)}) +
                        sourceRelations());
    }

    // " Through the voltage sources, V4 = V3 + 4 V." for a macro node; empty for a node alone.
    std::string sourceRelations() const
    {
        std::string relations;
        for (const auto& [member, offset] : kcl.offsets) {
            if (member != kcl.reference) {
                relations += std::string(relations.empty() ? "" : ", ") + voltage(member) + " = " +
                             voltage(kcl.reference) + (offset < 0.0 ? " - " : " + ") + faultNumber(std::abs(offset)) + " V";
            }
        }
        return relations.empty() ? "" : " " + fillIn(wording("NodeEquationCheck", "Through the voltage sources, %1."), {relations});
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
            if (isBranchOfKind(doc, b, KIND_RESISTOR) && agreesWithinRounding(conductanceOf(doc, b), conductance, 0.0)) {
                return b;
            }
        }
        return std::nullopt;
    }

    std::string sourceFlow(const SourceTerm& source) const
    {
        const double amperes = std::abs(source.leaving);
        const bool out = source.leaving > 0.0;
        return fillIn(out ? wording("NodeEquationCheck", "%1 drives %2 A out of node %3")
                          : wording("NodeEquationCheck", "%1 drives %2 A into node %3"),
                      {label(source.branch), faultNumber(amperes), names(source.member)});
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

// Names as the circuit knows them: "V" and a node's name, then the elements' labels.
class CircuitNames {
public:
    CircuitNames(const CKirvoltDoc& doc, const NodeNames& names) : elements(doc)
    {
        for (int node = 1; node <= numberedNodeCount(doc); ++node) {
            nodes.add(names(node), node);
        }
    }

    NameResolver resolver(int changedBranch) const
    {
        return [this, changedBranch](std::string_view name) -> std::optional<NameMeaning> {
            if (!name.empty() && (name.front() == 'V' || name.front() == 'v')) {
                if (const std::optional<int> node = nodes.find(name.substr(1))) {
                    return NameMeaning{*node, 0.0};
                }
            }
            return elements.find(name, changedBranch);
        };
    }

private:
    NameTable<int> nodes;
    ElementValueNames elements;
};

Side sideOf(bool left, bool right)
{
    return left && right ? Side::Both : left ? Side::Left : right ? Side::Right : Side::Unknown;
}

// The node's KCL equation, or where the voltage sources tie it to the datum its voltage, as the
// nodal system holds it; its explainer compares a wrong equation with the node's branch groups.
class NodeEquationUnderCheck final : public EquationUnderCheck {
public:
    NodeEquationUnderCheck(const CKirvoltDoc& doc, int node)
        : doc(doc), node(node), names(doc), circuitNames(doc, names), kcl(nodeKcl(doc, node))
    {
    }

    NameResolver resolver(int changedBranch) const override { return circuitNames.resolver(changedBranch); }
    const UnknownWording& wording() const override { return nodeVoltageWording(); }
    LinearForm brought(LinearForm typed) const override { return reduced(kcl, doc.datumNode, std::move(typed)); }
    LinearForm row() const override { return systemForm(doc, kcl); }

    std::string rightMessage() const override
    {
        if (kcl.holdsDatum) {
            return fillIn(node == doc.datumNode ? kirvolt::wording("NodeEquationCheck", "Right: the datum node is at 0 V, %1.")
                                                : kirvolt::wording("NodeEquationCheck", "Right: the voltage sources set %1."),
                          {fixedVoltage()});
        }
        return fillIn(kcl.members.size() == 1 ? kirvolt::wording("NodeEquationCheck", "Right: this is the KCL equation of %1.")
                                              : kirvolt::wording("NodeEquationCheck", "Right: this is the combined KCL equation of %1."),
                      {subjectOf(kcl, names)});
    }

    std::string wrongMessage(std::string_view text, const ReadEquation& sides, const LinearForm& typed) const override
    {
        if (kcl.holdsDatum) {
            return fillIn(node == doc.datumNode
                              ? kirvolt::wording("NodeEquationCheck", "Not quite: node %1 is the datum node, at 0 V by choice: %2.")
                              : kirvolt::wording("NodeEquationCheck", "Not quite: node %1 is joined to the datum node by voltage sources, so its "
                                                                         "voltage follows from their EMFs alone: %2."),
                          {names(node), fixedVoltage()});
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
        std::string message = fillIn(kcl.members.size() == 1 ? kirvolt::wording("NodeEquationCheck", "Not yet: this is not the KCL equation of %1.")
                                                             : kirvolt::wording("NodeEquationCheck", "Not yet: this is not the combined KCL equation of %1."),
                                     {subjectOf(kcl, names)});
        for (const std::string& fault : FaultFinder(doc, kcl, names).faults(typed, sourceSide, voltageSide)) {
            message += "\n" + fault;
        }
        return message;
    }

private:
    std::string fixedVoltage() const
    {
        return voltageName(names, node) + " = " + faultNumber(kcl.offsets.at(node)) + " V";
    }

    const CKirvoltDoc& doc;
    int node;
    NodeNames names;
    CircuitNames circuitNames;
    NodeKcl kcl;
};

}  // namespace

std::optional<Explanation> equationCheckRefusal(CKirvoltDoc& doc)
{
    if (doc.components.empty()) {
        return Explanation{wording("Analysis", "Create your circuit first."), {}};
    }
    prepareNumbering(doc);
    if (doc.nodeCount < 1) {
        return Explanation{wording("Analysis", "Create your circuit first."), {}};
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
    return judgeEquation(NodeEquationUnderCheck(doc, node), text);
}

std::string equationCheckInstructions(const CKirvoltDoc& doc, int node)
{
    const NodeNames names(doc);
    const NodeKcl kcl = nodeKcl(doc, node);
    const std::string notation =
        " " + fillIn(wording("NodeEquationCheck", "Write node voltages as V and the node's name (%1), element names for their "
                                                  "values (R1, E1, J1), numbers with or without prefixes (4.7k, 10m), "
                                                  "+ - * / and parentheses, and one \xE2\x80\x9C=\xE2\x80\x9D."),
                     {voltageName(names, node)});
    const std::string datum = " " + fillIn(wording("NodeEquationCheck", "The datum node %1 is at 0 V."), {names(doc.datumNode)});
    if (node == doc.datumNode) {
        return fillIn(wording("NodeEquationCheck", "Node %1 is the datum node. Type the equation that gives its voltage."),
                      {names(node)}) +
               notation;
    }
    if (kcl.holdsDatum) {
        return fillIn(wording("NodeEquationCheck", "Node %1 is joined to the datum node by voltage sources. Type the equation "
                                                   "that gives its voltage."),
                      {names(node)}) +
               notation + datum;
    }
    if (kcl.members.size() > 1) {
        return fillIn(wording("NodeEquationCheck", "Node %1 belongs to %2, which the voltage sources tie together. Type the "
                                                   "combined KCL equation of the macro node: the currents leaving it through "
                                                   "its resistors balance the currents of its current sources."),
                      {names(node), subjectOf(kcl, names)}) +
               notation + datum;
    }
    return fillIn(wording("NodeEquationCheck", "Type the KCL equation of node %1: the currents leaving it through its resistors "
                                               "balance the currents of its current sources."),
                  {names(node)}) +
           notation + datum;
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
