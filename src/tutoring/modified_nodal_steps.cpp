#include "tutoring/modified_nodal_steps.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "analysis/branch_tables.h"
#include "analysis/nodal_solver.h"
#include "analysis/node_names.h"
#include "document/readable_value.h"
#include "equations/equation_text.h"
#include "equations/system_numbers.h"

namespace kirvolt {

namespace {

using Entry = std::pair<std::size_t, std::size_t>;

// The system as it grows, and what the element being added writes into it.
class GrowingSystem {
public:
    explicit GrowingSystem(std::size_t size) : g(size, std::vector<double>(size, 0.0)), b(size, 0.0) {}

    void add(std::size_t row, std::size_t column, double value)
    {
        g[row][column] += value;
        note(row, column);
    }
    void set(std::size_t row, std::size_t column, double value)
    {
        g[row][column] = value;
        note(row, column);
    }
    void addToB(std::size_t row, double value)
    {
        b[row] += value;
        note(row, b.size());
    }
    void setB(std::size_t row, double value)
    {
        b[row] = value;
        note(row, b.size());
    }

    // The page of the element just added; the next element starts with nothing changed.
    ModifiedNodalPage page(std::string text, Highlight highlight)
    {
        ModifiedNodalPage next{2, std::move(text), g, b, std::move(changed), std::move(highlight), false};
        changed.clear();
        return next;
    }

    std::vector<std::vector<double>> g;
    std::vector<double> b;

private:
    void note(std::size_t row, std::size_t column)
    {
        if (std::find(changed.begin(), changed.end(), Entry{row, column}) == changed.end()) {
            changed.emplace_back(row, column);
        }
    }

    std::vector<Entry> changed;
};

// An amount added to an entry, its sign always written: "+0.50", "\u22120.50".
std::string signedNumber(double value)
{
    return (value < 0.0 ? "\u2212" : "+") + equationNumber(std::abs(value), 2);
}

// One end of an element in the system: the node, and its row and column (none for the datum).
struct End {
    int node = 0;
    std::string name;
    std::size_t index = 0;
    bool datum = true;
};

class LessonWriter {
public:
    LessonWriter(const CKirvoltDoc& doc, const NamedSystem& system)
        : doc(doc), system(system), names(doc), growing(system.unknowns.size())
    {
        const NodalSystem nodal = buildNodalSystem(doc);
        for (std::size_t row = 1; row < nodal.sourceRowBranch.size(); ++row) {
            if (const int branch = nodal.sourceRowBranch[row]; branch != 0) {
                sourceRow[branch] = row - 1;
            }
        }
        for (int node = 1; node <= numberedNodeCount(doc); ++node) {
            for (const KclBranch& term : kclBranchesAt(doc, node)) {
                kclTerms[term.branch].emplace_back(node, term);
            }
        }
    }

    ModifiedNodalLesson write()
    {
        ModifiedNodalLesson lesson;
        for (std::size_t k = 0; k < system.unknowns.size(); ++k) {
            const Unknown& unknown = system.unknowns[k];
            lesson.columns.push_back(unknown.symbol);
            lesson.rows.push_back(isSourceRow(k) ? unknown.name : "Node " + unknown.name);
        }
        lesson.pages.push_back({1, unknownsText(), growing.g, growing.b, {}, {}, false});
        for (int branch = 1; branch <= numberedBranchCount(doc); ++branch) {
            if (isBranchOfKind(doc, branch, KIND_RESISTOR)) {
                lesson.pages.push_back(growing.page(addResistor(branch), marked(branch)));
            } else if (isBranchOfKind(doc, branch, KIND_CURRENT_SOURCE)) {
                lesson.pages.push_back(growing.page(addCurrentSource(branch), marked(branch)));
            } else if (isBranchOfKind(doc, branch, KIND_VOLTAGE_SOURCE)) {
                lesson.pages.push_back(growing.page(addVoltageSource(branch), marked(branch)));
            }
        }
        lesson.pages.push_back({3, solutionText(), growing.g, growing.b, {}, {}, true});
        return lesson;
    }

private:
    bool isSourceRow(std::size_t row) const
    {
        return std::any_of(sourceRow.begin(), sourceRow.end(), [row](const auto& entry) { return entry.second == row; });
    }

    const std::string& label(int branch) const { return doc.labels[static_cast<std::size_t>(branch)]; }
    double value(int branch) const { return doc.branchValues[static_cast<std::size_t>(branch)]; }

    End end(int node) const
    {
        End e{node, names(node), 0, true};
        if (node >= 0 && static_cast<std::size_t>(node) < doc.nodeMap.size() && doc.nodeMap[static_cast<std::size_t>(node)] != 0) {
            e.index = static_cast<std::size_t>(doc.nodeMap[static_cast<std::size_t>(node)] - 1);
            e.datum = false;
        }
        return e;
    }

    std::string nodeWords(const End& e) const { return (e.datum ? "the datum node " : "node ") + e.name; }
    std::string rowName(const End& e) const { return "Node " + e.name + "'s row"; }
    std::string voltage(const End& e) const { return system.unknowns[e.index].symbol; }
    std::string at(const End& row, const End& column) const
    {
        return "(Node " + row.name + ", " + voltage(column) + ")";
    }

    Highlight marked(int branch) const
    {
        Highlight highlight;
        for (const auto& c : doc.components) {
            if (c->branchIndex == branch && c->kindCode == doc.branchKinds[static_cast<std::size_t>(branch)]) {
                highlight.paintRed(*c);
            }
        }
        return highlight;
    }

    std::string unknownsText() const
    {
        std::size_t width = 0;
        for (const Unknown& unknown : system.unknowns) {
            width = std::max(width, unknown.symbol.size());
        }
        const std::size_t sources = sourceRow.size();
        const std::size_t nodes = system.unknowns.size() - sources;
        std::string text = "The datum node " + nodeName(doc, doc.datumNode) +
                           " is at 0 V: its voltage is known, so it is no unknown.\n\nThe unknowns are:\n";
        for (const Unknown& unknown : system.unknowns) {
            text += "    " + unknown.symbol + std::string(width - unknown.symbol.size() + 3, ' ') + unknown.meaning + "\n";
        }
        text += "\nThere is one voltage for each node other than the datum node (" + std::to_string(nodes) + "), ";
        text += sources == 0 ? std::string("and no voltage source, so the node voltages are all the unknowns")
                             : "and one current for each voltage source (" + std::to_string(sources) +
                                   "), since no element law gives the current through an ideal voltage source";
        text += ": " + std::to_string(system.unknowns.size()) + " unknowns, and as many equations to find them.";
        text += "\n\nAn entry of G is named by its row, the equation of a node or source, and its column, the "
                "unknown it multiplies: (Node " + (system.unknowns.empty() ? std::string() : system.unknowns.front().name) +
                ", " + (system.unknowns.empty() ? std::string() : system.unknowns.front().symbol) +
                "). G and b start at zero; each element adds its own entries.";
        return text;
    }

    std::string addResistor(int branch)
    {
        const auto found = kclTerms.find(branch);
        const std::string intro = label(branch) + " = " + quantityText(value(branch), 2, "ohm");
        if (found == kclTerms.end()) {
            return intro + " has both its ends on one node, so it carries no current and adds nothing to the system.";
        }
        // The end named first is one with a row: a resistor to the datum is told from its other end.
        const auto first = std::find_if(found->second.begin(), found->second.end(),
                                        [this](const auto& term) { return !end(term.first).datum; });
        const auto& [node, term] = first == found->second.end() ? found->second.front() : *first;
        if (term.value == 0.0) {
            return intro + " joins its ends as a wire does; the system leaves it out, as the solver does.";
        }
        const End from = end(node);
        const End to = end(term.other);
        const double g = 1.0 / term.value;
        // Each end's row takes the current leaving it, (V(own) - V(other)) / R.
        for (const auto& [n, t] : found->second) {
            const End own = end(n);
            if (own.datum) {
                continue;
            }
            growing.add(own.index, own.index, g);
            if (const End other = end(t.other); !other.datum) {
                growing.add(own.index, other.index, -g);
            }
        }
        const std::string conductance = "its conductance 1/" + label(branch) + " = " + conductanceText(g);
        if (to.datum) {
            return intro + " joins " + nodeWords(from) + " and " + nodeWords(to) + ". The current it carries out of node " +
                   from.name + " is " + voltage(from) + "/" + label(branch) + ", since the datum is at 0 V. So " +
                   conductance + " is added to G at " + at(from, from) + " alone: the datum has no row and no column.";
        }
        return intro + " joins node " + from.name + " and node " + to.name + ". The current it carries from node " +
               from.name + " to node " + to.name + " is (" + voltage(from) + " \u2212 " + voltage(to) + ")/" + label(branch) +
               ": it leaves node " + from.name + " and enters node " + to.name + ". So " + conductance +
               " is added to G at " + at(from, from) + " and " + at(to, to) + ", where each row meets its own node's voltage, and "
               "taken from G at " + at(from, to) + " and " + at(to, from) + ", where it meets the other end's.";
    }

    std::string addCurrentSource(int branch)
    {
        const std::string intro = label(branch) + " = " + quantityText(value(branch), 2, "A");
        const auto found = kclTerms.find(branch);
        if (found == kclTerms.end()) {
            return intro + " has both its ends on one node, so it drives no current and adds nothing to the system.";
        }
        // Its value leaves its start node and enters its finish node.
        for (const auto& [node, term] : found->second) {
            if (const End own = end(node); !own.datum) {
                growing.addToB(own.index, -term.value);
            }
        }
        const End out = end(doc.branchStartNodes[static_cast<std::size_t>(branch)]);
        const End in = end(doc.branchFinishNodes[static_cast<std::size_t>(branch)]);
        const std::string text = intro + " drives its current out of " + nodeWords(out) + " and into " + nodeWords(in) +
                                 ". KCL sums the currents leaving each node through the resistors, so a known current "
                                 "goes to the right-hand side: ";
        if (!out.datum && !in.datum) {
            return text + signedNumber(-value(branch)) + " is added to b in " + rowName(out) + " and " +
                   signedNumber(value(branch)) + " in " + rowName(in) + ".";
        }
        return text + (out.datum ? signedNumber(value(branch)) + " is added to b in " + rowName(in)
                                 : signedNumber(-value(branch)) + " is added to b in " + rowName(out)) +
               " alone, since the datum has no row.";
    }

    std::string addVoltageSource(int branch)
    {
        const std::size_t row = sourceRow.at(branch);
        const End plus = end(doc.branchStartNodes[static_cast<std::size_t>(branch)]);
        const End minus = end(doc.branchFinishNodes[static_cast<std::size_t>(branch)]);
        const std::string& current = system.unknowns[row].symbol;
        const std::string emf = equationNumber(value(branch), 2);
        std::vector<std::string> column;
        std::vector<std::string> fixed;
        if (!plus.datum) {
            growing.set(plus.index, row, 1);
            growing.set(row, plus.index, 1);
            column.push_back("+1 in " + rowName(plus) + ", where it leaves the node");
            fixed.push_back(voltage(plus));
        }
        if (!minus.datum) {
            growing.set(minus.index, row, -1);
            growing.set(row, minus.index, -1);
            column.push_back("\u22121 in " + rowName(minus) + ", where it enters");
            fixed.push_back("\u2212" + voltage(minus));
        }
        growing.setB(row, value(branch));
        std::string equation = fixed.empty() ? "0" : fixed.front();
        if (fixed.size() == 2) {
            equation += " \u2212 " + voltage(minus);
        }
        std::string columnWords = column.empty() ? std::string("nothing") : column.front();
        if (column.size() == 2) {
            columnWords += ", and " + column.back();
        }
        const std::string coefficients = fixed.size() == 2
                                             ? "+1 in " + voltage(plus) + "'s column, \u22121 in " + voltage(minus) + "'s"
                                         : plus.datum ? "\u22121 in " + voltage(minus) + "'s column"
                                                      : "+1 in " + voltage(plus) + "'s column";
        return label(branch) + " = " + quantityText(value(branch), 2, "V") + " holds " + nodeWords(plus) +
               ", at its + terminal, " + emf + " V above " + nodeWords(minus) + ", at its \u2212 terminal. No element law "
               "gives its current, so " + current + ", flowing from its + terminal through it to its \u2212 terminal, "
               "has a column of its own: " + columnWords + (plus.datum || minus.datum ? " (the datum has no row)" : "") +
               ". " + label(branch) + "'s own row is the law it does obey, " + equation + " = " + emf + ": " + coefficients +
               ", and its EMF " + emf + " in b.";
    }

    std::string solutionText() const
    {
        std::string text = "Every element is in. Solving the " + std::to_string(system.unknowns.size()) +
                           " equations together gives every unknown at once:\n\n";
        for (std::size_t k = 0; k < system.unknowns.size(); ++k) {
            text += "    " + system.unknowns[k].symbol + " = " + kirvolt::solutionText(system.x[k], system.unknowns[k]) + "\n";
        }
        for (const auto& [branch, row] : sourceRow) {
            if (system.x[row] < 0.0) {
                text += "\n" + system.unknowns[row].symbol + " is negative: the current flows from the \u2212 terminal "
                        "through " + label(branch) + " to its + terminal, so " + label(branch) + " delivers power to the circuit.\n";
            }
        }
        text += "\nThese are the results Analyse gives, and View > Matrix Form shows this same system.";
        return text;
    }

    const CKirvoltDoc& doc;
    const NamedSystem& system;
    NodeNames names;
    GrowingSystem growing;
    std::map<int, std::size_t> sourceRow;  // branch of a voltage source -> its row
    std::map<int, std::vector<std::pair<int, KclBranch>>> kclTerms;  // branch -> (node, its term there)
};

}  // namespace

bool ModifiedNodalPage::isChanged(std::size_t row, std::size_t column) const
{
    return std::find(changed.begin(), changed.end(), Entry{row, column}) != changed.end();
}

ModifiedNodalLesson modifiedNodalLesson(const CKirvoltDoc& doc, const NamedSystem& system)
{
    return LessonWriter(doc, system).write();
}

}  // namespace kirvolt
