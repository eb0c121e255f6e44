#include "analysis/rule_checks.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <utility>

#include "analysis/branch_tables.h"
#include "document/value_field.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

int countKind(const CKirvoltDoc& doc, int kind)
{
    return static_cast<int>(std::count_if(doc.components.begin(), doc.components.end(),
                                          [kind](const auto& c) { return c->kindCode == kind; }));
}

// A value the analysis refuses for a kind, and the sentence that says so (%1 the element's
// label); a resistor's ends in the value field's reason.
struct ValueRule {
    int kind;
    bool (*refused)(double);
    const char* sentence;
    bool withResistanceRule;
};

const ValueRule EMF_RULE{KIND_VOLTAGE_SOURCE, [](double v) { return v == 0.0; },
                         WORDING_NOOP("RuleChecks", "Voltage Source %1 has invalid EMF value.\nThe EMF value must not be 0."
                                                    "\n\nIf you wish to have a branch of zero p.d. over there,\n"
                                                    "you may replace the voltage source with a short circuit (a wire)."),
                         false};
const ValueRule CURRENT_RULE{KIND_CURRENT_SOURCE, [](double v) { return v == 0.0; },
                             WORDING_NOOP("RuleChecks", "Current Source %1 has invalid current value.\nThe current value must not be 0."
                                                        "\n\nIf you wish to have a branch of zero current over there,\n"
                                                        "you may replace the current source with an open circuit."),
                             false};
// A value field refuses a resistance that is not above 0 with the same reason.
const ValueRule RESISTOR_RULE{KIND_RESISTOR, [](double v) { return !(v > 0.0); },
                              WORDING_NOOP("RuleChecks", "Resistor %1 has invalid resistance.\n%2"), true};
// The part of that rule no solve can do without: a negative resistance is still a conductance.
const ValueRule ZERO_RESISTANCE_RULE{KIND_RESISTOR, [](double v) { return v == 0.0; }, RESISTOR_RULE.sentence, true};

std::string valueRefusal(const ValueRule& rule, const std::string& label)
{
    return rule.withResistanceRule ? fillIn(wording("RuleChecks", rule.sentence), {label, resistanceRule()})
                                   : fillIn(wording("RuleChecks", rule.sentence), {label});
}

// Every element the rule refuses, in list order, each marked.
std::vector<Explanation> valueFaults(const CKirvoltDoc& doc, const ValueRule& rule)
{
    std::vector<Explanation> faults;
    for (const auto& element : doc.components) {
        if (element->kindCode == rule.kind && rule.refused(element->value)) {
            faults.push_back({valueRefusal(rule, element->label), {}});
            faults.back().highlight.paintRed(*element);
        }
    }
    return faults;
}

// The analysis names the first offender and marks nothing.
std::optional<Explanation> valueCheck(const CKirvoltDoc& doc, const ValueRule& rule)
{
    const std::vector<Explanation> faults = valueFaults(doc, rule);
    if (faults.empty()) {
        return std::nullopt;
    }
    return Explanation{faults.front().message, {}};
}

std::string nodeConnectionMessage(int node)
{
    return fillIn(wording("RuleChecks", "Node %1 is not correctly connected."), {std::to_string(node)});
}

bool badlyConnected(const CKirvoltDoc& doc, int node)
{
    return branchesAt(doc, node).size() < 2;
}

// "V1 or V2" for the members' labels.
std::string nameList(const CKirvoltDoc& doc, const std::vector<int>& group)
{
    std::vector<std::string> names;
    for (int j : group) {
        names.push_back(doc.labels[j]);
    }
    //: Between the sources of which the user is to keep one, as in "V1 or V2 or V3".
    return joinWith(names, wording("RuleChecks", " or "));
}

// Every source of the kind that carries the name of a member is red while the message is up.
Explanation explainGroup(const CKirvoltDoc& doc, const std::vector<int>& group, int kind, const std::string& message)
{
    Explanation explanation{message, {}};
    for (const auto& element : doc.components) {
        const CComponent& c = *element;
        const bool member = std::any_of(group.begin(), group.end(), [&](int j) { return doc.labels[j] == c.label; });
        if (c.kindCode == kind && member) {
            explanation.highlight.paintRed(c);
        }
    }
    return explanation;
}

bool sameValueTexts(const CKirvoltDoc& doc, const std::vector<int>& group)
{
    return std::adjacent_find(group.begin(), group.end(),
                              [&](int a, int b) { return doc.valueTexts[a] != doc.valueTexts[b]; }) == group.end();
}

// Each group of voltage sources joining the same two nodes once, by its first member.
std::vector<std::vector<int>> parallelVoltageGroups(const CKirvoltDoc& doc, bool firstOnly)
{
    std::vector<std::vector<int>> groups;
    std::vector<char> grouped(static_cast<std::size_t>(numberedBranchCount(doc)) + 1, 0);
    for (int i = 1; i <= numberedBranchCount(doc) && !(firstOnly && !groups.empty()); ++i) {
        if (doc.kinds[i] != KIND_VOLTAGE_SOURCE || grouped[static_cast<std::size_t>(i)]) {
            continue;
        }
        std::vector<int> partners = findParallelPartners(doc, i, KIND_VOLTAGE_SOURCE);
        if (!partners.empty()) {
            partners.insert(partners.begin(), i);
            for (const int j : partners) {
                grouped[static_cast<std::size_t>(j)] = 1;
            }
            groups.push_back(std::move(partners));
        }
    }
    return groups;
}

std::string parallelVoltageMessage(const CKirvoltDoc& doc, const std::vector<int>& group)
{
    const bool two = group.size() == 2;
    const char* sentence = nullptr;
    if (sameValueTexts(doc, group)) {
        sentence = two ? WORDING_NOOP("RuleChecks", "Ideal Voltage Sources of the same value connected in parallel\n"
                                                    "is just equivalent to a single Ideal Voltage Source of the same value.\n"
                                                    "To simplify the analysis of your circuit,\n"
                                                    "please just retain either\n  %1 \nand remove the other voltage source,\n"
                                                    "then apply the analysis again.")
                       : WORDING_NOOP("RuleChecks", "Ideal Voltage Sources of the same value connected in parallel\n"
                                                    "is just equivalent to a single Ideal Voltage Source of the same value.\n"
                                                    "To simplify the analysis of your circuit,\n"
                                                    "please just retain either\n  %1 \nand remove all other voltage sources,\n"
                                                    "then apply the analysis again.");
    } else {
        sentence = two ? WORDING_NOOP("RuleChecks", "Ideal Voltage Sources  of different values cannot be parallel connected.\n"
                                                    "This violates the basic circuit rule that the potential difference between\n"
                                                    "any pair of nodes can only have a unique value,\n"
                                                    "please just retain either\n   %1 \nand remove the other voltage source,\n"
                                                    "then apply the analysis again.")
                       : WORDING_NOOP("RuleChecks", "Ideal Voltage Sources  of different values cannot be parallel connected.\n"
                                                    "This violates the basic circuit rule that the potential difference between\n"
                                                    "any pair of nodes can only have a unique value,\n"
                                                    "please just retain either\n   %1 \nand remove all other voltage sources,\n"
                                                    "then apply the analysis again.");
    }
    return fillIn(wording("RuleChecks", sentence), {nameList(doc, group)});
}

// A chain of current sources through nodes of degree two, with each source's direction
// sign relative to the first: equal signs point the same way along the chain.
struct SeriesChain {
    std::vector<int> sources;
    std::vector<int> signs;
};

class ChainWalk {
public:
    explicit ChainWalk(const CKirvoltDoc& doc)
        : doc(doc), nodes(numberedNodeCount(doc)), branches(numberedBranchCount(doc)), degree(nodes + 1, 0),
          nodeSeen(nodes + 1, 0), branchSeen(branches + 1, 0)
    {
        for (int k = 1; k <= nodes; ++k) {
            degree[k] = nodeDegree(doc, k);
        }
    }

    SeriesChain walk()
    {
        const int start = firstNodeOfDegreeTwo();
        const int first = start == 0 ? 0 : firstCurrentSourceAt(start);
        if (first == 0) {
            return {};
        }
        SeriesChain chain{{first}, {incidenceAt(doc, start, first)}};
        visitNode(start);
        visitBranch(first);
        int c = start;
        int j = first;
        while (nodesSeen < nodes && branchesSeen < branches) {
            const int m = nextBranchAt(c, j);
            if (m == 0 || branchSeen[m]) {
                break;
            }
            if (doc.kinds[m] == KIND_CURRENT_SOURCE) {
                chain.sources.push_back(m);
                chain.signs.push_back(-incidenceAt(doc, c, m));
            }
            visitNode(c);
            visitBranch(m);
            j = m;
            c = nextNodeOnBranch(c, m);
            if (c == 0) {
                break;
            }
        }
        return chain;
    }

private:
    int firstNodeOfDegreeTwo() const
    {
        const auto found = std::find(degree.begin() + 1, degree.end(), 2);
        return found == degree.end() ? 0 : static_cast<int>(found - degree.begin());
    }

    int firstCurrentSourceAt(int node) const
    {
        for (int j : branchesAt(doc, node)) {
            if (doc.kinds[j] == KIND_CURRENT_SOURCE) {
                return j;
            }
        }
        return 0;
    }

    int nextBranchAt(int node, int previous) const
    {
        for (int m : branchesAt(doc, node)) {
            if (m != previous) {
                return m;
            }
        }
        return 0;
    }

    int nextNodeOnBranch(int current, int branch) const
    {
        for (int k : nodesTouched(doc, branch)) {
            if (k != current && degree[k] == 2) {
                return k;
            }
        }
        return 0;
    }

    void visitNode(int k)
    {
        if (!nodeSeen[k]) {
            nodeSeen[k] = 1;
            ++nodesSeen;
        }
    }

    void visitBranch(int j)
    {
        if (!branchSeen[j]) {
            branchSeen[j] = 1;
            ++branchesSeen;
        }
    }

    const CKirvoltDoc& doc;
    int nodes;
    int branches;
    std::vector<int> degree;
    std::vector<char> nodeSeen;
    std::vector<char> branchSeen;
    int nodesSeen = 0;
    int branchesSeen = 0;
};

std::string seriesCurrentMessage(const CKirvoltDoc& doc, const SeriesChain& chain)
{
    const bool two = chain.sources.size() == 2;
    const bool same = sameValueTexts(doc, chain.sources) &&
                      std::adjacent_find(chain.signs.begin(), chain.signs.end(), std::not_equal_to<>()) ==
                          chain.signs.end();
    if (same) {
        const char* sentence =
            two ? WORDING_NOOP("RuleChecks", "Ideal Current Sources of the same value connected in series\n"
                                             "is just equivalent to a single Ideal Current Source of that value.\n"
                                             "To simplify the analysis of your circuit,\n"
                                             "please just retain either\n  %1 \nand replace the other current source with a short circuit,\n"
                                             "then apply the analysis again.")
                : WORDING_NOOP("RuleChecks", "Ideal Current Sources of the same value connected in series\n"
                                             "is just equivalent to a single Ideal Current Source of that value.\n"
                                             "To simplify the analysis of your circuit,\n"
                                             "please just retain either\n  %1 \nand replace all other current sources with short circuits,\n"
                                             "then apply the analysis again.");
        return fillIn(wording("RuleChecks", sentence), {nameList(doc, chain.sources)});
    }
    const char* sentence =
        two ? WORDING_NOOP("RuleChecks", "Ideal Current Sources of different values or directions cannot be series\n"
                                         "connected. This violates the basic circuit rule that the current flowing\n"
                                         "in any single branch should be the same throughout that branch,\n"
                                         "please just retain one of of the following current sources:\n   %1 \n"
                                         "and replace the other current source with a short circuit,\nthen apply the analysis again.")
            : WORDING_NOOP("RuleChecks", "Ideal Current Sources of different values or directions cannot be series\n"
                                         "connected. This violates the basic circuit rule that the current flowing\n"
                                         "in any single branch should be the same throughout that branch,\n"
                                         "please just retain one of of the following current sources:\n   %1 \n"
                                         "and replace all other current sources with short circuits,\nthen apply the analysis again.");
    return fillIn(wording("RuleChecks", sentence), {nameList(doc, chain.sources)});
}

}  // namespace

std::vector<Explanation> allRuleFaults(const CKirvoltDoc& doc)
{
    std::vector<Explanation> faults;
    const auto append = [&faults](std::vector<Explanation> more) {
        std::move(more.begin(), more.end(), std::back_inserter(faults));
    };
    append(valueFaults(doc, EMF_RULE));
    append(valueFaults(doc, CURRENT_RULE));
    append(valueFaults(doc, RESISTOR_RULE));
    for (int i = 1; i <= numberedNodeCount(doc); ++i) {
        if (badlyConnected(doc, i)) {
            faults.push_back({nodeConnectionMessage(i), {}});
            for (const auto& element : doc.components) {
                if (element->kindCode == KIND_JOINT && element->startNode == i) {
                    faults.back().highlight.paintRed(*element);
                }
            }
        }
    }
    if (countKind(doc, KIND_VOLTAGE_SOURCE) >= 2) {
        for (const std::vector<int>& group : parallelVoltageGroups(doc, false)) {
            faults.push_back(explainGroup(doc, group, KIND_VOLTAGE_SOURCE, parallelVoltageMessage(doc, group)));
        }
    }
    if (countKind(doc, KIND_CURRENT_SOURCE) >= 2) {
        if (auto chain = checkSeriesCurrentSources(doc)) {
            faults.push_back(std::move(*chain));
        }
    }
    return faults;
}

std::optional<Explanation> runRuleChecks(const CKirvoltDoc& doc)
{
    const int resistors = countKind(doc, KIND_RESISTOR);
    const int voltageSources = countKind(doc, KIND_VOLTAGE_SOURCE);
    const int currentSources = countKind(doc, KIND_CURRENT_SOURCE);
    using Check = std::optional<Explanation> (*)(const CKirvoltDoc&);
    const std::pair<bool, Check> checks[] = {
        {voltageSources >= 1, checkVoltageSourceEmfs}, {currentSources >= 1, checkCurrentSourceValues},
        {resistors >= 1, checkResistances},            {true, checkNodeConnections},
        {voltageSources >= 2, checkParallelVoltageSources}, {currentSources >= 2, checkSeriesCurrentSources},
    };
    for (const auto& [applies, check] : checks) {
        if (applies) {
            if (auto failure = check(doc)) {
                return failure;
            }
        }
    }
    return std::nullopt;
}

std::optional<Explanation> checkVoltageSourceEmfs(const CKirvoltDoc& doc)
{
    return valueCheck(doc, EMF_RULE);
}

std::optional<Explanation> checkCurrentSourceValues(const CKirvoltDoc& doc)
{
    return valueCheck(doc, CURRENT_RULE);
}

std::optional<Explanation> checkResistances(const CKirvoltDoc& doc)
{
    return valueCheck(doc, RESISTOR_RULE);
}

std::optional<Explanation> checkZeroResistances(const CKirvoltDoc& doc)
{
    return valueCheck(doc, ZERO_RESISTANCE_RULE);
}

std::optional<Explanation> checkNodeConnections(const CKirvoltDoc& doc)
{
    for (int i = 1; i <= numberedNodeCount(doc); ++i) {
        if (badlyConnected(doc, i)) {
            return Explanation{nodeConnectionMessage(i), {}};
        }
    }
    return std::nullopt;
}

std::optional<Explanation> checkParallelVoltageSources(const CKirvoltDoc& doc)
{
    const std::vector<std::vector<int>> groups = parallelVoltageGroups(doc, true);
    if (groups.empty()) {
        return std::nullopt;
    }
    return explainGroup(doc, groups.front(), KIND_VOLTAGE_SOURCE, parallelVoltageMessage(doc, groups.front()));
}

std::optional<Explanation> checkSeriesCurrentSources(const CKirvoltDoc& doc)
{
    const SeriesChain chain = ChainWalk(doc).walk();
    if (chain.sources.size() < 2) {
        return std::nullopt;
    }
    return explainGroup(doc, chain.sources, KIND_CURRENT_SOURCE, seriesCurrentMessage(doc, chain));
}

int nodeDegree(const CKirvoltDoc& doc, int node)
{
    return static_cast<int>(branchesAt(doc, node).size());
}

std::vector<int> findParallelPartners(const CKirvoltDoc& doc, int branch, int kind)
{
    // The ends as the incidence shows them: a branch whose ends meet has no +1 entry.
    const BranchEnds ends = nodesTouched(doc, branch);
    std::vector<int> partners;
    if (ends.size() != 2) {
        return partners;
    }
    for (int j : branchesAt(doc, ends[0])) {
        if (j != branch && touches(doc, ends[1], j) && doc.kinds[j] == kind) {
            partners.push_back(j);
        }
    }
    return partners;
}

}  // namespace kirvolt
