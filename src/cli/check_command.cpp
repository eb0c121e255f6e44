#include "analysis/loop_method.h"
#include "analysis/mesh_method.h"
#include "cli/analysis_options.h"
#include "equations/equation_check.h"
#include "equations/loop_equation_check.h"
#include "equations/mesh_equation_check.h"

namespace kirvolt::cli {
namespace {

// Exit statuses of a check: the equation is right, or wrong; one that cannot be read, like a
// circuit that cannot be checked against, gives EXIT_FAILED.
constexpr int EXIT_RIGHT = 0;
constexpr int EXIT_WRONG = 1;

struct CheckOptions {
    AnalysisOptions analysis;
    std::optional<std::string> node;
    std::optional<std::string> mesh;
    std::optional<std::string> loop;
    std::vector<std::string> tree;
    std::string equation;
};

// FILE, --node NAME, --mesh K or --loop I_R3, --datum N, --method M and --tree T in any order; the words
// after FILE make up the equation, so that it may be given with or without quotes. A mesh is checked by
// the mesh current method and a loop by the loop current method unless another is named.
std::optional<CheckOptions> parseCheckOptions(const Arguments& arguments, const MethodList& methods)
{
    CheckOptions options;
    options.analysis.methods = &methods;
    bool haveFile = false;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasNext = i + 1 < arguments.size();
        const bool noneChosen = !options.node && !options.mesh && !options.loop;
        if (argument == "--node" && hasNext && noneChosen) {
            options.node = arguments[++i];
        } else if (argument == "--mesh" && hasNext && noneChosen) {
            options.mesh = arguments[++i];
        } else if (argument == "--loop" && hasNext && noneChosen) {
            options.loop = arguments[++i];
        } else if (argument == "--tree" && hasNext && options.tree.empty()) {
            std::optional<std::vector<std::string>> names = treeNames(arguments[++i]);
            if (!names) {
                return std::nullopt;
            }
            options.tree = std::move(*names);
        } else if (argument == "--datum" && hasNext && !options.analysis.datum) {
            options.analysis.datum = arguments[++i];
        } else if (argument == "--method" && hasNext && !options.analysis.method) {
            options.analysis.method = arguments[++i];
        } else if (argument.starts_with("--")) {
            return std::nullopt;
        } else if (!haveFile) {
            options.analysis.file = argument;
            haveFile = true;
        } else {
            words.push_back(argument);
        }
    }
    for (const std::string& word : words) {
        options.equation += (options.equation.empty() ? "" : " ") + word;
    }
    if (!haveFile || (!options.node && !options.mesh && !options.loop) || words.empty() ||
        (!options.tree.empty() && !options.loop)) {
        return std::nullopt;
    }
    if (options.mesh && !options.analysis.method) {
        options.analysis.method = meshMethod().name();
    }
    if (options.loop && !options.analysis.method) {
        options.analysis.method = loopMethod().name();
    }
    if (options.loop && !options.tree.empty()) {
        options.analysis.overTree = std::make_shared<const LoopMethod>(options.tree);
    }
    return options;
}

int verdictStatus(const EquationVerdict& verdict, std::ostream& out)
{
    out << verdict.message << '\n';
    switch (verdict.kind) {
    case EquationVerdict::Kind::Right:
        return EXIT_RIGHT;
    case EquationVerdict::Kind::Wrong:
        return EXIT_WRONG;
    case EquationVerdict::Kind::Unreadable:
        break;
    }
    return EXIT_FAILED;
}

// The mesh equations are the mesh current method's; its refusal of the drawing has been shown.
int checkMesh(const CheckOptions& options, CKirvoltDoc& doc, std::ostream& out, UserPort& port)
{
    const std::optional<int> mesh = parseInteger(*options.mesh);
    if (!mesh) {
        port.showMessage("\xE2\x80\x9C" + *options.mesh + "\xE2\x80\x9D is not a mesh number: the meshes are "
                         "numbered 1, 2, 3 and so on in reading order.");
        return EXIT_FAILED;
    }
    auto built = meshEquationCheckSystem(doc);
    if (const auto* why = std::get_if<Explanation>(&built)) {
        port.showMessage(why->message);
        return EXIT_FAILED;
    }
    const MeshSystem& system = std::get<MeshSystem>(built);
    if (const auto refusal = meshNumberRefusal(system, *mesh)) {
        port.showMessage(*refusal);
        return EXIT_FAILED;
    }
    return verdictStatus(checkMeshEquation(doc, system, *mesh, options.equation), out);
}

// The loop equations are the loop current method's over the tree given; its refusal of the
// drawing or the tree has been shown.
int checkLoop(const CheckOptions& options, CKirvoltDoc& doc, std::ostream& out, UserPort& port)
{
    auto built = loopEquationCheckSystem(doc, options.tree);
    if (const auto* why = std::get_if<Explanation>(&built)) {
        port.showMessage(why->message);
        return EXIT_FAILED;
    }
    const LoopSystem& system = std::get<LoopSystem>(built);
    const auto loop = loopNamed(doc, system, *options.loop);
    if (const auto* refusal = std::get_if<std::string>(&loop)) {
        port.showMessage(*refusal);
        return EXIT_FAILED;
    }
    return verdictStatus(checkLoopEquation(doc, system, std::get<int>(loop), options.equation), out);
}

int runCheck(const Arguments& arguments, std::ostream& out, UserPort& port, const MethodList& methods)
{
    const std::optional<CheckOptions> options = parseCheckOptions(arguments, methods);
    if (!options) {
        return BAD_USAGE;
    }
    if (options->mesh && *options->analysis.method != meshMethod().name()) {
        port.showMessage("Mesh equations are written by the mesh current method: give --mesh with --method " +
                         meshMethod().name() + ", or leave --method out.");
        return EXIT_FAILED;
    }
    if (options->loop && *options->analysis.method != loopMethod().name()) {
        port.showMessage("Loop equations are written by the loop current method: give --loop with --method " +
                         loopMethod().name() + ", or leave --method out.");
        return EXIT_FAILED;
    }
    CKirvoltDoc doc;
    if (const int status = loadAndAnalyse(options->analysis, doc, port); status != 0) {
        return status == BAD_USAGE ? BAD_USAGE : EXIT_FAILED;
    }
    if (options->mesh) {
        return checkMesh(*options, doc, out, port);
    }
    if (options->loop) {
        return checkLoop(*options, doc, out, port);
    }
    const std::optional<int> node = nodeNamed(doc, *options->node);
    if (!node) {
        port.showMessage("There is no node called \xE2\x80\x9C" + *options->node + "\xE2\x80\x9D in this circuit.");
        return EXIT_FAILED;
    }
    return verdictStatus(checkNodeEquation(doc, *node, options->equation), out);
}

}  // namespace

const Command checkCommand = {
    "check",
    "check FILE --node NAME|--mesh K|--loop I_B [--datum N] [--method M] [--tree B,B,...] EQUATION",
    "      Solves the circuit in FILE as analyse does and checks EQUATION as the KCL equation of\n"
    "      the node called NAME (for a node of a macro node, the macro node's combined equation),\n"
    "      as Tutor > Check My Node Equation does: node voltages are V and the node's name (V2),\n"
    "      element names stand for their values (R1, E1, J1), numbers may carry a prefix (4.7k).\n"
    "      With --mesh, solves it by the mesh current method and checks EQUATION as the equation\n"
    "      of mesh K (its KVL equation, the supermesh's, or the current a source fixes), as\n"
    "      Tutor > Check My Mesh Equation does: mesh currents are I and the mesh's number (I1).\n"
    "      With --loop, solves it by the loop current method (over the tree --tree names, else\n"
    "      the textbook's) and checks EQUATION as the equation of the loop whose current is I_B\n"
    "      (or of chord B): its KVL equation, or I_J1 = J1 for the loop of a current source;\n"
    "      loop currents are I_ and the chord's name (I_R3, or I(R3)).\n"
    "      Prints the verdict and exits with 0 when the equation is right, 1 when it is wrong\n"
    "      and 2 when it cannot be read, NAME is no node, K is no mesh, I_B is no loop, or the\n"
    "      analysis refuses the circuit or the tree (its message on standard error).\n",
    runCheck,
};

}  // namespace kirvolt::cli
