#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cli/command.h"
#include "exercises/exercise_generator.h"

namespace kirvolt::cli {

// The command line of the commands that make exercises: --seed S, the counts
// (--nodes N, --voltage-sources K, --current-sources K) and, where the command offers it,
// --count N, with the output file, in any order, each at most once.
struct ExerciseOptions {
    std::uint64_t seed = 0;
    ExerciseCounts counts;
    std::optional<int> count;
    std::string out;
};

// Empty when the arguments do not fit: no seed, a value that is not a whole number, a
// second output file, or a missing --count where one is asked for.
std::optional<ExerciseOptions> parseExerciseOptions(const Arguments& arguments, bool asksCount);

}  // namespace kirvolt::cli
