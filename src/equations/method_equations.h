#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "analysis/analysis_method.h"
#include "analysis/explanation.h"
#include "document/circuit_document.h"
#include "document/geometry.h"
#include "equations/node_equation_display.h"

namespace kirvolt {

// One equation as its method writes it: the heading it is listed under ("Node 2:", "Mesh 1:"),
// the name a keyed listing gives it (none where the listing is a sequence) and its lines.
struct EquationBlock {
    std::string heading;
    std::string key;
    std::vector<std::string> lines;
};

// Every equation of a method, in its order, and what a listing of them is called.
struct EquationList {
    std::string listName;  // "equations", "meshes", "loops"
    bool keyed = false;    // each block listed under its key rather than in sequence
    std::vector<EquationBlock> blocks;
    std::string title;     // what a report heads them with: "Node equations", "Mesh equations"
};

// The equations half of a method of analysis: the writers of equation text sit above the
// analysis, so a method's text and its click are given here, paired with the method they
// belong to.
class MethodEquations {
public:
    virtual ~MethodEquations() = default;
    virtual const AnalysisMethod& method() const = 0;
    // The text of every equation of the numbered circuit, or why it cannot be written.
    virtual std::variant<EquationList, Explanation> write(CKirvoltDoc& doc) const = 0;
    // What a click at the point in equation mode shows: the equation it stands for, the parts
    // that equation is about marked.
    virtual std::vector<NodeEquationStep> showAt(CKirvoltDoc& doc, Point point) const = 0;
    // What the equations panel shows of what write gave, its title first: the listing line by
    // line, or why there is none. Empty where the panel lays out equationText instead.
    virtual std::vector<std::string> panelLines(const std::variant<EquationList, Explanation>& written) const;
};

// The node voltage method's equations: every node's, as the equation pane shows them.
const MethodEquations& nodalEquations();

// The mesh current method's equations: every mesh's four lines.
const MethodEquations& meshEquationTexts();

// The loop current method's equations: every fundamental loop's four lines, keyed by its chord.
const MethodEquations& loopEquationTexts();

// The equations of a loop current method made over a tree that a run chose, such as the command
// line's --tree; none for any other method, whose equations equationsOf gives.
std::unique_ptr<MethodEquations> equationsOverChosenTree(const AnalysisMethod& method);

// The equations of a known method, or none for a method that is not one of knownMethodList().
const MethodEquations* equationsOf(const AnalysisMethod& method);

// The blocks as a listing prints them: each heading on a line, then its lines.
std::string equationListText(const EquationList& list);

// Writes the equations of the method for the equations panel, which shows them from the
// document; gives back why they cannot be written, for the caller to show.
std::optional<Explanation> writePanelEquations(CKirvoltDoc& doc, const MethodEquations& equations);
// The same for the method last chosen for the circuit.
std::optional<Explanation> writePanelEquations(CKirvoltDoc& doc);

// The methods a run may be asked for by name, each paired with its equations; the program's
// own are knownMethodList(), and a caller may run with others.
class MethodList {
public:
    explicit MethodList(std::vector<const MethodEquations*> methods) : methods(std::move(methods)) {}
    // The method of that name, or none.
    const AnalysisMethod* named(std::string_view name) const;
    // The equations of the method, or none for a method not listed.
    const MethodEquations* of(const AnalysisMethod& method) const;
    // The method taken when none is named: the first.
    const AnalysisMethod& first() const { return methods.front()->method(); }
    // Their names, as a message lists them: "nodal, mesh, loop".
    std::string names() const;

private:
    std::vector<const MethodEquations*> methods;
};

// The node voltage, mesh current and loop current methods, in the order of knownMethods().
const MethodList& knownMethodList();

}  // namespace kirvolt
