#include "equations/macro_equation.h"

#include <algorithm>

#include "analysis/branch_tables.h"
#include "analysis/node_names.h"
#include "equations/node_equation.h"
#include "equations/term_texts.h"

namespace kirvolt {
namespace {

bool isMember(const std::vector<int>& members, int node)
{
    return std::find(members.begin(), members.end(), node) != members.end();
}

// The node outside the macro node at the other end of the branch; 0 when both ends are inside.
int endOutside(const CKirvoltDoc& doc, const std::vector<int>& members, int branch)
{
    int outside = 0;
    for (int k : nodesTouched(doc, branch)) {
        if (!isMember(members, k)) {
            outside = k;
        }
    }
    return outside;
}

// A resistor with both ends inside the macro node carries no current out of it.
std::vector<int> resistorsLeaving(const CKirvoltDoc& doc, const std::vector<int>& members, int member)
{
    std::vector<int> leaving;
    for (int b : resistorsCarryingCurrent(doc, member)) {
        if (endOutside(doc, members, b) != 0) {
            leaving.push_back(b);
        }
    }
    return leaving;
}

std::string macroTermsOfMember(const CKirvoltDoc& doc, const std::vector<int>& members, int member)
{
    std::vector<bool> used(static_cast<std::size_t>(numberedBranchCount(doc)) + 1, false);
    std::string line;
    for (int b : resistorsLeaving(doc, members, member)) {
        if (used[static_cast<std::size_t>(b)]) {
            continue;
        }
        const int other = endOutside(doc, members, b);
        const std::vector<int> group = resistorsBetween(doc, member, other);
        for (int c : group) {
            used[static_cast<std::size_t>(c)] = true;
        }
        const std::string groupText = reciprocalSum("( ", labelsOf(doc, group)) + " )";
        if (other == doc.datumNode) {
            line += "( " + voltageName(doc, member) + " - 0 ) * " + groupText + " + ";
        } else {
            line += " ( " + voltageName(doc, member) + " -  " + voltageName(doc, other) + " ) * " +
                    groupText + " + ";
        }
    }
    return line;
}

std::string macroSourceNames(const CKirvoltDoc& doc, const std::vector<int>& members)
{
    std::string names;
    for (int member : members) {
        for (int b : branchesAt(doc, member)) {
            if (!isBranchOfKind(doc, b, KIND_CURRENT_SOURCE) || endsOnOneNode(doc, b)) {
                continue;
            }
            const std::string& name = doc.labels[static_cast<std::size_t>(b)];
            if (incidenceAt(doc, member, b) == -1) {
                names += name + " + ";
            } else if (incidenceAt(doc, member, b) == +1) {
                names += " ( - " + name + " ) + ";
            }
        }
    }
    return names.empty() ? " 0 " : cutAtLastChar(names, '+');
}

// "2, 3 and 4": the items joined by commas, the last one by "and".
std::string spokenList(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            text += i + 1 == items.size() ? " and " : ", ";
        }
        text += items[i];
    }
    return text;
}

}  // namespace

std::string macroNodeDescription(const CKirvoltDoc& doc, const std::vector<int>& members)
{
    std::vector<int> ascending = members;
    std::sort(ascending.begin(), ascending.end());
    std::vector<std::string> nodeNames;
    for (int node : ascending) {
        nodeNames.push_back(nodeName(doc, node));
    }
    std::vector<int> sources;
    for (int member : members) {
        for (int b : branchesAt(doc, member)) {
            if (isBranchOfKind(doc, b, KIND_VOLTAGE_SOURCE)) {
                sources.push_back(b);
            }
        }
    }
    std::sort(sources.begin(), sources.end());
    sources.erase(std::unique(sources.begin(), sources.end()), sources.end());
    const std::vector<std::string> sourceNames = labelsOf(doc, sources);
    return "Nodes " + spokenList(nodeNames) + " form a macro node through the Voltage Source" +
           (sourceNames.size() == 1 ? " " : "s ") + spokenList(sourceNames) + ".";
}

std::string macroTermsLine(const CKirvoltDoc& doc, const std::vector<int>& members)
{
    std::string line;
    for (int member : members) {
        line += macroTermsOfMember(doc, members, member);
    }
    return cutAtLastChar(line, '+') + "  =  " + macroSourceNames(doc, members);
}

EquationSides macroCollectedSides(const CKirvoltDoc& doc, const std::vector<int>& members)
{
    EquationSides self;
    for (int member : members) {
        const std::vector<int> leaving = resistorsLeaving(doc, members, member);
        if (leaving.empty()) {
            continue;
        }
        const std::string term = " ) * " + voltageName(doc, member) + " + ";
        self.names += reciprocalSum("(  ", labelsOf(doc, leaving)) + term;
        self.valueTexts += reciprocalSum("(  ", valueTextsOf(doc, leaving)) + term;
        self.numbers += "(  " + conductanceText(conductanceSum(doc, leaving)) + term;
    }
    EquationSides mutual;
    for (const auto& [k, shared] : resistorsToNeighbours(doc, members)) {
        if (k == doc.datumNode) {
            continue;
        }
        const std::string term = " ) * " + voltageName(doc, k) + " - ";
        mutual.names += reciprocalSum("(", labelsOf(doc, shared)) + term;
        mutual.valueTexts += reciprocalSum("(", valueTextsOf(doc, shared)) + term;
        mutual.numbers += "( " + conductanceText(conductanceSum(doc, shared)) + term;
    }
    const auto join = [](const std::string& selfPart, const std::string& terms) {
        const std::string side = cutAtLastChar(selfPart, '+');
        return terms.empty() ? side : side + " - " + cutAtLastChar(terms, '-');
    };
    return {join(self.names, mutual.names), join(self.valueTexts, mutual.valueTexts),
            join(self.numbers, mutual.numbers)};
}

EquationSides macroSourceSides(const CKirvoltDoc& doc, const std::vector<int>& members)
{
    return sourceSidesOfNodes(doc, members);
}

void writeMacroEquation(CKirvoltDoc& doc, const std::vector<int>& members, int node)
{
    const std::string equals = "  =  ";
    const EquationSides left = macroCollectedSides(doc, members);
    const EquationSides right = macroSourceSides(doc, members);
    auto& lines = equationLinesAt(doc, node);
    lines[1] = macroNodeDescription(doc, members);
    lines[2] = macroTermsLine(doc, members);
    lines[3] = left.names + equals + right.names;
    lines[4] = left.valueTexts + equals + right.valueTexts;
    lines[5] = left.numbers + equals + right.numbers;
}

}  // namespace kirvolt
