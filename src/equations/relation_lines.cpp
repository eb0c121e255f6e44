#include "equations/relation_lines.h"

#include <utility>

#include "analysis/branch_tables.h"
#include "document/readable_value.h"
#include "document/wording.h"
#include "equations/equation_text.h"
#include "equations/term_texts.h"

namespace kirvolt {
namespace {

// A relation gives a node's voltage from the datum node or from the first macro node; the
// two kinds of lines differ in their words, their separators and the unit of their values.
struct RelationKind {
    const char* oneSource;
    const char* sources;
    const char* separator;
    const char* unit;
    bool fromDatum;
};

const RelationKind TO_DATUM{WORDING_NOOP("NodeEquations", "This node is directly connected to the datum node via the Voltage Source  %1."),
                            WORDING_NOOP("NodeEquations", "This node is connected to the datum node through the Voltage Sources:  %1."),
                            " + ", "V", true};
const RelationKind TO_FIRST{WORDING_NOOP("NodeEquations", "This node is connected to the first macro node via the Voltage Source  %1."),
                            WORDING_NOOP("NodeEquations", "This node is connected to the first macro node through the Voltage Sources:  %1."),
                            "  +  ", "", false};

// The source's name without the sign that tells which way the path crosses it.
std::string bare(const std::string& signedName)
{
    return signedName.empty() ? signedName : signedName.substr(1);
}

// The bare name stands only for a step that both rises and crosses the source from its
// positive terminal: a source of negative EMF crossed the other way rises too, and reads
// "( -E1 )", as its value does.
TreeRelations::Step makeStep(const RelationKind& kind, double emf, const std::string& signedName)
{
    TreeRelations::Step step{emf, bare(signedName), {}, {}};
    const std::string value = equationNumber(emf, 2) + kind.unit;
    const bool crossedFromPositive = signedName.empty() || signedName.front() != '-';
    step.named = emf >= 0.0 && crossedFromPositive ? step.name + kind.separator
                                                   : " ( " + signedName + " )" + kind.separator;
    step.valued = emf >= 0.0 ? value + kind.separator : " ( " + value + " )" + kind.separator;
    return step;
}

// Without a path there is no relation; lines from an earlier circuit must not stand under
// the error.
void markCalculationError(std::array<std::string, CKirvoltDoc::EQUATION_LINES + 1>& lines)
{
    lines[1] = wording("NodeEquations", "Error in calculation");
    for (int line = 2; line <= 5; ++line) {
        lines[static_cast<std::size_t>(line)].clear();
    }
}

// What cutAtLastChar gives, without a copy: a long chain's lines are long.
void cutInPlace(std::string& text, char ch)
{
    if (const std::size_t at = text.rfind(ch); at != std::string::npos) {
        text.resize(at);
    }
}

// Lines 1 to 5 of a relation through the steps of its path, in order from the node; a
// relation to the first macro node ends every line with that node's voltage.
void writeRelationLines(std::array<std::string, CKirvoltDoc::EQUATION_LINES + 1>& lines, const RelationKind& kind,
                        const std::string& head, const std::string& firstVoltage,
                        const std::vector<const TreeRelations::Step*>& steps)
{
    std::size_t listLength = 0;
    std::size_t namesLength = head.size() + firstVoltage.size();
    std::size_t valuesLength = namesLength;
    for (const TreeRelations::Step* step : steps) {
        listLength += step->name.size() + 3;
        namesLength += step->named.size();
        valuesLength += step->valued.size();
    }
    if (steps.size() == 1) {
        lines[1] = fillIn(wording("NodeEquations", kind.oneSource), {steps.front()->name});
    } else {
        std::string list;
        list.reserve(listLength + 1);
        for (const TreeRelations::Step* step : steps) {
            list.append(step->name).append(" , ");
        }
        cutInPlace(list, ',');
        lines[1] = fillIn(wording("NodeEquations", kind.sources), {list});
    }
    std::string names;
    std::string values;
    names.reserve(namesLength);
    values.reserve(valuesLength);
    names = head;
    values = head;
    double sum = 0.0;
    for (const TreeRelations::Step* step : steps) {
        names += step->named;
        values += step->valued;
        sum += step->emf;
    }
    const bool singlePositiveStep = steps.size() == 1 && steps.front()->emf >= 0.0;
    if (kind.fromDatum) {
        cutInPlace(names, '+');
        cutInPlace(values, '+');
        lines[5] = singlePositiveStep ? values : head + equationNumber(sum, 2) + "V";
    } else {
        names += firstVoltage;
        values += firstVoltage;
        lines[5] = singlePositiveStep ? values : head + equationNumber(sum, 2) + "  +  " + firstVoltage;
    }
    lines[2] = names;
    lines[3] = std::move(names);
    lines[4] = std::move(values);
}

void writePathRelation(CKirvoltDoc& doc, const NodeNames& names, const RelationKind& kind, int node, int first,
                       const SourcePath& path)
{
    auto& lines = equationLinesAt(doc, node);
    if (path.length < 2) {
        markCalculationError(lines);
        return;
    }
    std::vector<TreeRelations::Step> steps;
    for (int j = 2; j <= path.length; ++j) {
        steps.push_back(makeStep(kind, path.emfs[static_cast<std::size_t>(j)], path.texts[static_cast<std::size_t>(j)]));
    }
    std::vector<const TreeRelations::Step*> chain;
    for (const TreeRelations::Step& step : steps) {
        chain.push_back(&step);
    }
    writeRelationLines(lines, kind, voltageName(names, node) + "  =  ", kind.fromDatum ? "" : voltageName(names, first),
                       chain);
}

}  // namespace

void writeDatumRelation(CKirvoltDoc& doc, const NodeNames& names, int node, const SourcePath& path)
{
    writePathRelation(doc, names, TO_DATUM, node, 0, path);
}

void writeMemberRelation(CKirvoltDoc& doc, const NodeNames& names, int node, int first, const SourcePath& path)
{
    writePathRelation(doc, names, TO_FIRST, node, first, path);
}

TreeRelations::TreeRelations(CKirvoltDoc& doc, const NodeNames& names, const MacroNodeIndex& macroNodes)
    : doc(doc), names(names), macroNodes(macroNodes),
      steps(static_cast<std::size_t>(numberedNodeCount(doc)) + 1),
      made(static_cast<std::size_t>(numberedNodeCount(doc)) + 1, 0)
{
}

const TreeRelations::Step& TreeRelations::stepAt(int node)
{
    const auto at = static_cast<std::size_t>(node);
    if (!made[at]) {
        const SourceStep crossing = sourceStep(doc, node, macroNodes.towardsReference(node));
        steps[at] = makeStep(macroNodes.holdsDatum(node) ? TO_DATUM : TO_FIRST, crossing.emf, crossing.text);
        made[at] = 1;
    }
    return steps[at];
}

void TreeRelations::write(int node)
{
    const int reference = macroNodes.referenceOf(node);
    chain.clear();
    for (int k = node; k != reference && k != 0; k = macroNodes.towardsReference(k)) {
        chain.push_back(&stepAt(k));
    }
    const bool fromDatum = macroNodes.holdsDatum(node);
    writeRelationLines(equationLinesAt(doc, node), fromDatum ? TO_DATUM : TO_FIRST,
                       voltageName(names, node) + "  =  ", fromDatum ? "" : voltageName(names, reference), chain);
}

}  // namespace kirvolt
