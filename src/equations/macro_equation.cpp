#include "equations/macro_equation.h"

#include <algorithm>
#include <unordered_set>

#include "analysis/branch_tables.h"
#include "document/text_lists.h"
#include "document/wording.h"
#include "equations/node_equation.h"
#include "equations/term_texts.h"

namespace kirvolt {
namespace {

using MemberSet = std::unordered_set<int>;

// The node outside the macro node at the other end of the branch; 0 when both ends are inside.
int endOutside(const CKirvoltDoc& doc, const MemberSet& members, int branch)
{
    int outside = 0;
    for (int k : nodesTouched(doc, branch)) {
        if (!members.contains(k)) {
            outside = k;
        }
    }
    return outside;
}

// A resistor with both ends inside the macro node carries no current out of it.
std::vector<int> resistorsLeaving(const CKirvoltDoc& doc, const MemberSet& members, int member)
{
    std::vector<int> leaving;
    for (int b : resistorsCarryingCurrent(doc, member)) {
        if (endOutside(doc, members, b) != 0) {
            leaving.push_back(b);
        }
    }
    return leaving;
}

std::string macroTermsOfMember(const CKirvoltDoc& doc, const NodeNames& names, const MemberSet& members,
                               int member)
{
    const auto otherEnd = [&doc, &members](int b) { return endOutside(doc, members, b); };
    return parallelGroupTerms(doc, names, member, resistorsLeaving(doc, members, member), otherEnd, " - 0");
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

}  // namespace

std::string macroNodeDescription(const CKirvoltDoc& doc, const NodeNames& names, const std::vector<int>& members)
{
    std::vector<int> ascending = members;
    std::sort(ascending.begin(), ascending.end());
    std::vector<std::string> nodeNames;
    for (int node : ascending) {
        nodeNames.push_back(names(node));
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
    return fillIn(sourceNames.size() == 1 ? wording("NodeEquations", "Nodes %1 form a macro node through the Voltage Source %2.")
                                          : wording("NodeEquations", "Nodes %1 form a macro node through the Voltage Sources %2."),
                  {spokenList(nodeNames), spokenList(sourceNames)});
}

std::string macroTermsLine(const CKirvoltDoc& doc, const NodeNames& names, const std::vector<int>& members)
{
    const MemberSet inside(members.begin(), members.end());
    std::string line;
    for (int member : members) {
        line += macroTermsOfMember(doc, names, inside, member);
    }
    return cutAtLastChar(line, '+') + "  =  " + macroSourceNames(doc, members);
}

EquationSides macroCollectedSides(const CKirvoltDoc& doc, const NodeNames& names, const std::vector<int>& members)
{
    const MemberSet inside(members.begin(), members.end());
    EquationSides self;
    for (int member : members) {
        const std::vector<int> leaving = resistorsLeaving(doc, inside, member);
        if (leaving.empty()) {
            continue;
        }
        const std::string term = " ) * " + voltageName(names, member) + " + ";
        self.names += reciprocalSum("(  ", labelsOf(doc, leaving)) + term;
        self.valueTexts += reciprocalSum("(  ", valueTextsOf(doc, leaving)) + term;
        self.numbers += "(  " + conductanceText(conductanceSum(doc, leaving)) + term;
    }
    const EquationSides cut{cutAtLastChar(self.names, '+'), cutAtLastChar(self.valueTexts, '+'),
                            cutAtLastChar(self.numbers, '+')};
    return withMutualTerms(cut, mutualTerms(doc, names, members, "( "));
}

EquationSides macroSourceSides(const CKirvoltDoc& doc, const std::vector<int>& members)
{
    return sourceSidesOfNodes(doc, members);
}

void writeMacroEquation(CKirvoltDoc& doc, const NodeNames& names, const std::vector<int>& members, int node)
{
    const std::string equals = "  =  ";
    const EquationSides left = macroCollectedSides(doc, names, members);
    const EquationSides right = macroSourceSides(doc, members);
    auto& lines = equationLinesAt(doc, node);
    lines[1] = macroNodeDescription(doc, names, members);
    lines[2] = macroTermsLine(doc, names, members);
    lines[3] = left.names + equals + right.names;
    lines[4] = left.valueTexts + equals + right.valueTexts;
    lines[5] = left.numbers + equals + right.numbers;
}

}  // namespace kirvolt
