#include "equations/term_texts.h"

#include <algorithm>
#include <unordered_set>

#include "analysis/branch_tables.h"
#include "equations/equation_text.h"

namespace kirvolt {

std::array<std::string, CKirvoltDoc::EQUATION_LINES + 1>& equationLinesAt(CKirvoltDoc& doc, int node)
{
    const std::size_t rows = static_cast<std::size_t>(node) + 1;
    if (doc.equationText.size() < rows) {
        doc.equationText.resize(rows);
    }
    return doc.equationText[static_cast<std::size_t>(node)];
}

std::string voltageName(const NodeNames& names, int node)
{
    return "V" + names(node);
}

std::vector<std::string> labelsOf(const CKirvoltDoc& doc, const std::vector<int>& branches)
{
    std::vector<std::string> texts;
    for (int b : branches) {
        texts.push_back(doc.labels[static_cast<std::size_t>(b)]);
    }
    return texts;
}

std::vector<std::string> valueTextsOf(const CKirvoltDoc& doc, const std::vector<int>& branches)
{
    std::vector<std::string> texts;
    for (int b : branches) {
        texts.push_back(doc.valueTexts[static_cast<std::size_t>(b)]);
    }
    return texts;
}

double conductanceSum(const CKirvoltDoc& doc, const std::vector<int>& branches)
{
    double sum = 0.0;
    for (int b : branches) {
        sum += conductanceOf(doc, b);
    }
    return sum;
}

std::string reciprocalSum(const std::string& opening, const std::vector<std::string>& items)
{
    std::string text = opening;
    for (const std::string& item : items) {
        text += "1/" + item + " + ";
    }
    return cutAtLastChar(text, '+');
}

std::vector<int> resistorsBetween(const CKirvoltDoc& doc, int node, int other)
{
    std::vector<int> branches;
    for (int b : branchesAt(doc, node)) {
        if (isBranchOfKind(doc, b, KIND_RESISTOR) && touches(doc, other, b)) {
            branches.push_back(b);
        }
    }
    return branches;
}

std::map<int, std::vector<int>> resistorsToNeighbours(const CKirvoltDoc& doc, const std::vector<int>& group)
{
    const std::unordered_set<int> members(group.begin(), group.end());
    const auto inGroup = [&members](int node) { return members.contains(node); };
    std::map<int, std::vector<int>> neighbours;
    for (int node : group) {
        for (int b : branchesAt(doc, node)) {
            if (!isBranchOfKind(doc, b, KIND_RESISTOR)) {
                continue;
            }
            for (int k : nodesTouched(doc, b)) {
                if (!inGroup(k)) {
                    neighbours[k].push_back(b);
                }
            }
        }
    }
    for (auto& [k, branches] : neighbours) {
        std::sort(branches.begin(), branches.end());
        branches.erase(std::unique(branches.begin(), branches.end()), branches.end());
    }
    return neighbours;
}

}  // namespace kirvolt
