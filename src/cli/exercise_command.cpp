#include "cli/exercise_options.h"
#include "cli/output_check.h"
#include "document/circuit_file.h"

namespace kirvolt::cli {
namespace {

int runExercise(const Arguments& arguments, std::ostream&, UserPort& port)
{
    const std::optional<ExerciseOptions> options = parseExerciseOptions(arguments, false);
    if (!options) {
        return BAD_USAGE;
    }
    if (const auto refused = outputRefusal({}, options->out, Written::circuit)) {
        return fileStatus(*refused, port);
    }
    CKirvoltDoc doc;
    if (const std::optional<std::string> refusal = drawExercise(options->seed, options->counts, doc)) {
        port.showMessage(*refusal);
        return EXIT_FAILED;
    }
    return fileStatus(saveCircuit(doc, options->out), port);
}

}  // namespace

const Command exerciseCommand = {
    "exercise",
    "exercise --seed S [--nodes N] [--voltage-sources K] [--current-sources K] OUT.kvt",
    "      Makes an exercise for the Node Voltage Method and writes it to OUT.kvt: a\n"
    "      circuit with N nodes besides the datum (3 unless given, at most 8), K voltage\n"
    "      sources (1 unless given, at most N) and K current sources (1 unless given, at\n"
    "      most N + 1), E12 resistances from 10 to 82 Ohm, whole volts and whole amperes,\n"
    "      that passes the rule checks and has one solution. The same seed always gives\n"
    "      the same circuit. Counts that cannot be met are explained, with exit status 2.\n",
    runExercise,
};

}  // namespace kirvolt::cli
