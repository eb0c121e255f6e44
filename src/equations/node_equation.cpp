#include "equations/node_equation.h"

#include <unordered_set>

#include "analysis/branch_tables.h"
#include "document/readable_value.h"
#include "document/wording.h"
#include "equations/term_texts.h"

namespace kirvolt {
namespace {

std::vector<int> branchesOfKindAt(const CKirvoltDoc& doc, int node, int kind)
{
    std::vector<int> branches;
    for (int b : branchesAt(doc, node)) {
        if (isBranchOfKind(doc, b, kind)) {
            branches.push_back(b);
        }
    }
    return branches;
}

// The sources leaving the node run against the assumed inward direction; the note says so.
std::string negativeSourcesNote(const CKirvoltDoc& doc, int node)
{
    std::vector<std::string> leaving;
    for (int b : branchesOfKindAt(doc, node, KIND_CURRENT_SOURCE)) {
        if (incidenceAt(doc, node, b) == +1) {
            leaving.push_back(doc.labels[static_cast<std::size_t>(b)]);
        }
    }
    if (leaving.empty()) {
        return ".";
    }
    if (leaving.size() == 1) {
        return fillIn(wording("NodeEquations", ".  (Note that %1 is negative because its direction is opposite to the assumed direction. )"),
                      {leaving.front()});
    }
    return fillIn(wording("NodeEquations", ".  (Note that %1 are negative as thier directions are opposite to the assumed direction.)"),
                  {joinWith(leaving, ", ")});
}

// The node at the other end of a resistor: the last one it touches besides the node itself,
// 0 for a resistor whose ends meet.
int otherEndOf(const CKirvoltDoc& doc, int node, int branch)
{
    int other = 0;
    for (int k : nodesTouched(doc, branch)) {
        if (k != node) {
            other = k;
        }
    }
    return other;
}

}  // namespace

std::vector<int> resistorsCarryingCurrent(const CKirvoltDoc& doc, int node)
{
    std::vector<int> branches;
    for (const KclBranch& term : kclBranchesAt(doc, node)) {
        if (term.kind == KIND_RESISTOR) {
            branches.push_back(term.branch);
        }
    }
    return branches;
}

std::string nodeWordsLine(const CKirvoltDoc& doc, const NodeNames& names, int node)
{
    const std::vector<int> resistors = branchesOfKindAt(doc, node, KIND_RESISTOR);
    const std::vector<int> sources = branchesOfKindAt(doc, node, KIND_CURRENT_SOURCE);
    std::string text = fillIn(resistors.size() == 1 ? wording("NodeEquations", "Flow-out currents via Resistor %1")
                                                    : wording("NodeEquations", "Sum of flow-out currents via Resistors %1"),
                              {joinWith(labelsOf(doc, resistors), ", ")}) +
                       "    =    ";
    if (sources.empty()) {
        text += fillIn(wording("NodeEquations", "0    , because no current source is connected to Node  %1  "), {names(node)});
    } else {
        text += fillIn(sources.size() == 1 ? wording("NodeEquations", "Flow-in current from Current Source %1")
                                           : wording("NodeEquations", "Sum of flow-in currents from Current Sources %1"),
                       {joinWith(labelsOf(doc, sources), ", ")});
    }
    return text + negativeSourcesNote(doc, node);
}

std::string parallelGroupTerms(const CKirvoltDoc& doc, const NodeNames& names, int node,
                               const std::vector<int>& resistors, const std::function<int(int)>& otherEnd,
                               const std::string& minusDatum)
{
    std::unordered_set<int> used;
    std::string line;
    for (int b : resistors) {
        if (used.contains(b)) {
            continue;
        }
        const int other = otherEnd(b);
        const std::vector<int> group = resistorsBetween(doc, node, other);
        used.insert(group.begin(), group.end());
        const std::string groupText = reciprocalSum("( ", labelsOf(doc, group)) + " )";
        if (other == doc.datumNode) {
            line += "( " + voltageName(names, node) + minusDatum + " ) * " + groupText + " + ";
        } else {
            line += " ( " + voltageName(names, node) + " -  " + voltageName(names, other) + " ) * " +
                    groupText + " + ";
        }
    }
    return line;
}

std::string nodeTermsLine(const CKirvoltDoc& doc, const NodeNames& names, int node)
{
    const auto otherEnd = [&doc, node](int b) { return otherEndOf(doc, node, b); };
    const std::vector<int> resistors = resistorsCarryingCurrent(doc, node);
    return cutAtLastChar(parallelGroupTerms(doc, names, node, resistors, otherEnd, " -  0"), '+');
}

EquationSides sourceSidesOfNodes(const CKirvoltDoc& doc, const std::vector<int>& nodes)
{
    EquationSides sides;
    double sum = 0.0;
    bool found = false;
    for (int node : nodes) {
        for (int b : branchesOfKindAt(doc, node, KIND_CURRENT_SOURCE)) {
            // A source whose ends meet drives its current round in a loop, not into the node.
            if (endsOnOneNode(doc, b)) {
                continue;
            }
            const std::string& name = doc.labels[static_cast<std::size_t>(b)];
            const std::string& text = doc.valueTexts[static_cast<std::size_t>(b)];
            const double amperes = doc.branchValues[static_cast<std::size_t>(b)];
            if (incidenceAt(doc, node, b) == -1) {
                sides.names += name + " + ";
                sides.valueTexts += text + " + ";
                sum += amperes;
            } else {
                sides.names += " ( -" + name + " ) + ";
                sides.valueTexts += " ( -" + text + " ) + ";
                sum -= amperes;
            }
            found = true;
        }
    }
    if (!found) {
        return {" 0", " 0", " 0"};
    }
    return {cutAtLastChar(sides.names, '+'), cutAtLastChar(sides.valueTexts, '+'), equationNumber(sum, 2)};
}

EquationSides nodeSourceSides(const CKirvoltDoc& doc, int node)
{
    return sourceSidesOfNodes(doc, {node});
}

EquationSides nodeCollectedSides(const CKirvoltDoc& doc, const NodeNames& names, int node)
{
    const std::vector<int> own = resistorsCarryingCurrent(doc, node);
    const std::string self = " ) * " + voltageName(names, node);
    EquationSides sides{reciprocalSum("( ", labelsOf(doc, own)) + self,
                        reciprocalSum("( ", valueTextsOf(doc, own)) + self,
                        "( " + conductanceText(conductanceSum(doc, own)) + self};
    return withMutualTerms(sides, mutualTerms(doc, names, {node}, "("));
}

EquationSides mutualTerms(const CKirvoltDoc& doc, const NodeNames& names, const std::vector<int>& members,
                          const std::string& numbersOpen)
{
    EquationSides mutual;
    for (const auto& [k, shared] : resistorsToNeighbours(doc, members)) {
        if (k == doc.datumNode) {
            continue;
        }
        const std::string term = " ) * " + voltageName(names, k) + " - ";
        mutual.names += reciprocalSum("(", labelsOf(doc, shared)) + term;
        mutual.valueTexts += reciprocalSum("(", valueTextsOf(doc, shared)) + term;
        mutual.numbers += numbersOpen + conductanceText(conductanceSum(doc, shared)) + term;
    }
    return mutual;
}

EquationSides withMutualTerms(EquationSides self, const EquationSides& mutual)
{
    const auto join = [](std::string& side, const std::string& terms) {
        if (!terms.empty()) {
            side += " - " + cutAtLastChar(terms, '-');
        }
    };
    join(self.names, mutual.names);
    join(self.valueTexts, mutual.valueTexts);
    join(self.numbers, mutual.numbers);
    return self;
}

void writeNodeEquation(CKirvoltDoc& doc, const NodeNames& names, int node)
{
    const std::string equals = "  =  ";
    const EquationSides right = nodeSourceSides(doc, node);
    const EquationSides left = nodeCollectedSides(doc, names, node);
    auto& lines = equationLinesAt(doc, node);
    lines[1] = nodeWordsLine(doc, names, node);
    lines[2] = nodeTermsLine(doc, names, node) + equals + right.names;
    lines[3] = left.names + equals + right.names;
    lines[4] = left.valueTexts + equals + right.valueTexts;
    lines[5] = left.numbers + equals + right.numbers;
}

}  // namespace kirvolt
