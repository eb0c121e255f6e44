#include <algorithm>

#include "analysis/known_methods.h"
#include "analysis/mesh_method.h"
#include "cli/exercise_options.h"
#include "cli/output_check.h"
#include "document/circuit_file.h"

namespace kirvolt::cli {
namespace {

// Takes --method M out of the arguments: the method the exercise is made for, any when it is
// not given or is the node voltage method. Empty, with the known methods told, for another.
std::optional<ExerciseMethod> takeMethod(Arguments& arguments, UserPort& port)
{
    const auto option = std::find(arguments.begin(), arguments.end(), "--method");
    if (option == arguments.end() || option + 1 == arguments.end()) {
        return ExerciseMethod::any;
    }
    const std::string name = *(option + 1);
    arguments.erase(option, option + 2);
    const AnalysisMethod* method = methodNamed(name);
    if (!method) {
        port.showMessage("kirvolt-cli: unknown method '" + name + "'; the methods are: " + knownMethodNames());
        return std::nullopt;
    }
    return method == &meshMethod() ? ExerciseMethod::meshes : ExerciseMethod::any;
}

int runExercise(const Arguments& given, std::ostream&, UserPort& port, const MethodList&)
{
    Arguments arguments = given;
    const std::optional<ExerciseMethod> method = takeMethod(arguments, port);
    const std::optional<ExerciseOptions> options = parseExerciseOptions(arguments, false);
    if (!method || !options) {
        return BAD_USAGE;
    }
    if (const auto refused = outputRefusal({}, options->out, Written::circuit)) {
        return fileStatus(*refused, port);
    }
    CKirvoltDoc doc;
    if (const std::optional<std::string> refusal = drawExercise(options->seed, options->counts, doc, *method)) {
        port.showMessage(*refusal);
        return EXIT_FAILED;
    }
    return fileStatus(saveCircuit(doc, options->out), port);
}

}  // namespace

const Command exerciseCommand = {
    "exercise",
    "exercise --seed S [--nodes N] [--voltage-sources K] [--current-sources K] [--method M] OUT.kvt",
    "      Makes an exercise and writes it to OUT.kvt: a circuit with N nodes besides the\n"
    "      datum (3 unless given, at most 8), K voltage sources (1 unless given, at most N)\n"
    "      and K current sources (1 unless given, at most N + 1), E12 resistances from 10\n"
    "      to 82 Ohm, whole volts and whole amperes, that passes the rule checks and has\n"
    "      one solution, drawn without a crossing wherever its nodes can be set out so.\n"
    "      The same seed always gives the same circuit. --method mesh makes one for the\n"
    "      Mesh Current Method: drawn without a crossing, with two meshes or more. Counts\n"
    "      that cannot be met are explained, with exit status 2.\n",
    runExercise,
};

}  // namespace kirvolt::cli
