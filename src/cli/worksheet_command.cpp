#include <memory>

#include "cli/analysis_options.h"
#include "cli/exercise_options.h"
#include "export/export_files.h"
#include "export/output_kind.h"

namespace kirvolt::cli {
namespace {

// Enough for a lesson; a longer worksheet is better made as two.
constexpr int MOST_EXERCISES = 50;

int runWorksheet(const Arguments& arguments, std::ostream&, UserPort& port, const MethodList&)
{
    const std::optional<ExerciseOptions> options = parseExerciseOptions(arguments, true);
    if (!options || (outputKindOf(options->out) != OutputKind::pdf && outputKindOf(options->out) != OutputKind::html)) {
        return BAD_USAGE;
    }
    std::optional<std::string> refusal = exerciseCountsRefusal(options->counts);
    if (!refusal && (*options->count < 1 || *options->count > MOST_EXERCISES)) {
        refusal = "A worksheet has from 1 to " + std::to_string(MOST_EXERCISES) + " exercises.";
    }
    if (refusal) {
        port.showMessage(*refusal);
        return EXIT_FAILED;
    }
    Worksheet sheet{"Kirvolt worksheet " + std::to_string(options->seed), {}};
    std::vector<std::unique_ptr<CKirvoltDoc>> circuits;
    for (int k = 1; k <= *options->count; ++k) {
        // Exercise k is the exercise of seed S + k - 1, so that it can be made again alone.
        const std::uint64_t seed = options->seed + static_cast<std::uint64_t>(k - 1);
        auto& doc = *circuits.emplace_back(std::make_unique<CKirvoltDoc>());
        refusal = drawExercise(seed, options->counts, doc);
        AnalysisOutcome analysis;
        if (!refusal) {
            analysis = analyseForShowing(doc);
        }
        if (analysis.refusal) {
            refusal = analysis.refusal->message;
        }
        if (refusal) {
            port.showMessage(*refusal);
            return EXIT_REFUSED;
        }
        const std::string heading = "Exercise " + std::to_string(k);
        sheet.exercises.push_back({heading,
                                   "Seed " + std::to_string(seed) + ": " + exerciseCountsText(options->counts) + ".", &doc,
                                   buildWorkedSolution(doc, heading, analysis)});
    }
    return fileStatus(writeWorksheetFile(sheet, options->out), port);
}

}  // namespace

const Command worksheetCommand = {
    "worksheet",
    "worksheet --seed S --count N [--nodes N] [--voltage-sources K] [--current-sources K] OUT.pdf|OUT.html",
    "      Writes N exercises (1 to 50) as exercise makes them, from seeds S, S + 1, ...,\n"
    "      each on a page of its own with its schematic and the task, followed by their\n"
    "      worked solutions as the answer key, each starting a new page.\n",
    runWorksheet,
};

}  // namespace kirvolt::cli
