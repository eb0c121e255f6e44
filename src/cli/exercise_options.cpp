#include "cli/exercise_options.h"

#include <algorithm>
#include <charconv>
#include <utility>
#include <vector>

#include "cli/analysis_options.h"

namespace kirvolt::cli {
namespace {

std::optional<std::uint64_t> parseSeed(const std::string& text)
{
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return seed;
}

}  // namespace

std::optional<ExerciseOptions> parseExerciseOptions(const Arguments& arguments, bool asksCount)
{
    ExerciseOptions options;
    std::optional<std::uint64_t> seed;
    bool haveOut = false;
    const std::pair<const char*, int*> counts[] = {
        {"--nodes", &options.counts.nodes},
        {"--voltage-sources", &options.counts.voltageSources},
        {"--current-sources", &options.counts.currentSources},
    };
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!argument.starts_with("--")) {
            if (haveOut) {
                return std::nullopt;
            }
            options.out = argument;
            haveOut = true;
            continue;
        }
        if (i + 1 == arguments.size() || std::find(seen.begin(), seen.end(), argument) != seen.end()) {
            return std::nullopt;
        }
        seen.push_back(argument);
        const std::string& value = arguments[++i];
        std::optional<int> number;
        if (argument == "--seed") {
            seed = parseSeed(value);
            number = seed ? std::optional(0) : std::nullopt;
        } else if (argument == "--count" && asksCount) {
            number = options.count = parseInteger(value);
        } else {
            for (const auto& [name, field] : counts) {
                if (argument == name && (number = parseInteger(value))) {
                    *field = *number;
                }
            }
        }
        if (!number) {
            return std::nullopt;
        }
    }
    if (!seed || !haveOut || (asksCount && !options.count)) {
        return std::nullopt;
    }
    options.seed = *seed;
    return options;
}

}  // namespace kirvolt::cli
