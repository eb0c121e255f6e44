#include "equations/method_equations.h"

#include <algorithm>
#include <memory>

#include "analysis/known_methods.h"
#include "analysis/loop_method.h"
#include "analysis/mesh_method.h"
#include "analysis/nodal_solver.h"
#include "analysis/node_names.h"
#include "equations/all_equations.h"
#include "equations/loop_equation.h"
#include "equations/loop_equation_display.h"
#include "equations/mesh_equation_display.h"
#include "equations/mesh_equation.h"
#include "document/wording.h"

namespace kirvolt {
namespace {

class NodalEquations final : public MethodEquations {
public:
    const AnalysisMethod& method() const override { return nodalMethod(); }

    std::variant<EquationList, Explanation> write(CKirvoltDoc& doc) const override
    {
        if (auto stopped = writeAllEquations(doc)) {
            return Explanation{std::move(*stopped), {}};
        }
        EquationList list{"equations", true, {}, wording("MethodEquations", "Node equations")};
        for (int node = 1; node <= doc.nodeCount; ++node) {
            const auto& text = doc.equationText[static_cast<std::size_t>(node)];
            const std::string name = nodeName(doc, node);
            list.blocks.push_back({"Node " + name + ":", name, {text.begin() + 1, text.end()}});
        }
        return list;
    }

    std::vector<NodeEquationStep> showAt(CKirvoltDoc& doc, Point point) const override
    {
        return showNodeEquations(doc, point);
    }

    // The panel lays the node equations out block by block from equationText, which write has
    // filled.
    std::vector<std::string> panelLines(const std::variant<EquationList, Explanation>&) const override { return {}; }
};

class MeshEquations final : public MethodEquations {
public:
    const AnalysisMethod& method() const override { return meshMethod(); }

    std::variant<EquationList, Explanation> write(CKirvoltDoc& doc) const override
    {
        auto written = writeMeshEquations(doc);
        if (auto* why = std::get_if<Explanation>(&written)) {
            return std::move(*why);
        }
        EquationList list{"meshes", false, {}, wording("MethodEquations", "Mesh equations")};
        const auto& equations = std::get<std::vector<MeshEquation>>(written);
        for (std::size_t k = 0; k < equations.size(); ++k) {
            const MeshEquation& e = equations[k];
            list.blocks.push_back({"Mesh " + std::to_string(k + 1) + ":", "", {e.words, e.names, e.values, e.numbers}});
        }
        return list;
    }

    std::vector<NodeEquationStep> showAt(CKirvoltDoc& doc, Point point) const override
    {
        return showMeshEquation(doc, point);
    }
};

class LoopEquations final : public MethodEquations {
public:
    explicit LoopEquations(const LoopMethod& over) : over(over) {}

    const AnalysisMethod& method() const override { return over; }

    std::variant<EquationList, Explanation> write(CKirvoltDoc& doc) const override
    {
        auto built = buildLoopSystem(doc, over.tree());
        if (auto* why = std::get_if<Explanation>(&built)) {
            return std::move(*why);
        }
        const LoopSystem& system = std::get<LoopSystem>(built);
        const std::vector<LoopEquation> equations = loopEquations(doc, system);
        EquationList list{"loops", true, {}, wording("MethodEquations", "Loop equations")};
        for (std::size_t k = 0; k < equations.size(); ++k) {
            const LoopEquation& e = equations[k];
            const std::string& chord = doc.labels[static_cast<std::size_t>(system.tree.loops[k].chord)];
            list.blocks.push_back({fillIn(wording("MethodEquations", "Loop of %1:"), {chord}), chord, {e.words, e.names, e.values, e.numbers}});
        }
        return list;
    }

    std::vector<NodeEquationStep> showAt(CKirvoltDoc& doc, Point point) const override
    {
        return showLoopEquation(doc, point, over.tree());
    }

private:
    const LoopMethod& over;
};

}  // namespace

const MethodEquations& nodalEquations()
{
    static const NodalEquations equations;
    return equations;
}

const MethodEquations& meshEquationTexts()
{
    static const MeshEquations equations;
    return equations;
}

const MethodEquations& loopEquationTexts()
{
    static const LoopEquations equations(dynamic_cast<const LoopMethod&>(loopMethod()));
    return equations;
}

std::unique_ptr<MethodEquations> equationsOverChosenTree(const AnalysisMethod& method)
{
    const auto* loop = dynamic_cast<const LoopMethod*>(&method);
    if (loop == nullptr || loop->tree().empty()) {
        return nullptr;
    }
    return std::make_unique<LoopEquations>(*loop);
}

const MethodEquations* equationsOf(const AnalysisMethod& method)
{
    return knownMethodList().of(method);
}

namespace {

// Lines of text, each without its line break.
std::vector<std::string> textLines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        lines.push_back(text.substr(from, end - from));
        from = end + 1;
    }
    return lines;
}

}  // namespace

std::vector<std::string> MethodEquations::panelLines(const std::variant<EquationList, Explanation>& written) const
{
    if (const auto* why = std::get_if<Explanation>(&written)) {
        return textLines(why->message);
    }
    const EquationList& list = std::get<EquationList>(written);
    std::vector<std::string> lines = textLines(equationListText(list));
    //: %1 is "Node equations", "Mesh equations" or "Loop equations".
    lines.insert(lines.begin(), fillIn(wording("MethodEquations", "%1 for the circuit drawn above are:"), {list.title}));
    return lines;
}

std::optional<Explanation> writePanelEquations(CKirvoltDoc& doc, const MethodEquations& equations)
{
    auto written = equations.write(doc);
    doc.listedEquations = equations.panelLines(written);
    if (auto* why = std::get_if<Explanation>(&written)) {
        return std::move(*why);
    }
    return std::nullopt;
}

std::optional<Explanation> writePanelEquations(CKirvoltDoc& doc)
{
    const MethodEquations* equations = equationsOf(methodOf(doc));
    return writePanelEquations(doc, equations != nullptr ? *equations : nodalEquations());
}

const AnalysisMethod* MethodList::named(std::string_view name) const
{
    const auto found = std::ranges::find_if(methods, [name](const MethodEquations* m) { return m->method().name() == name; });
    return found == methods.end() ? nullptr : &(*found)->method();
}

const MethodEquations* MethodList::of(const AnalysisMethod& method) const
{
    const auto found = std::ranges::find_if(methods, [&method](const MethodEquations* m) { return &m->method() == &method; });
    return found == methods.end() ? nullptr : *found;
}

std::string MethodList::names() const
{
    std::string text;
    for (const MethodEquations* m : methods) {
        text += (text.empty() ? "" : ", ") + m->method().name();
    }
    return text;
}

const MethodList& knownMethodList()
{
    static const MethodList known({&nodalEquations(), &meshEquationTexts(), &loopEquationTexts()});
    return known;
}

std::string equationListText(const EquationList& list)
{
    std::string text;
    for (const EquationBlock& block : list.blocks) {
        text += block.heading + '\n';
        for (const std::string& line : block.lines) {
            text += line + '\n';
        }
    }
    return text;
}

}  // namespace kirvolt
