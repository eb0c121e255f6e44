#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "document/circuit_document.h"
#include "spice/netlist.h"

namespace kirvolt {

// The size of an exercise: its nodes besides the datum and its sources.
struct ExerciseCounts {
    int nodes = 3;
    int voltageSources = 1;
    int currentSources = 1;
};

inline constexpr int EXERCISE_MOST_NODES = 8;

// The method an exercise is made for: any, or the mesh current method, whose exercises are
// those of the first few circuits a seed gives that are drawn without a crossing and have two
// meshes or more.
enum class ExerciseMethod { any, meshes };

// The counts in words: "3 nodes besides the datum, 1 voltage source, 1 current source".
std::string exerciseCountsText(const ExerciseCounts& counts);

// Why no exercise of these counts can be made, in words for the user; none when one can.
std::optional<std::string> exerciseCountsRefusal(const ExerciseCounts& counts);

// The exercise a seed gives, as a netlist with node 0 the datum "0" and the others "A", "B",
// ...: connected, every node joined to at least two elements, no loop of voltage sources, no
// cut set of current sources, so that it passes the rule checks and has one solution.
// Resistances are E12 values from 10 to 82 Ohm, voltage sources whole volts from 1 to 24,
// current sources 1 or 2 A. Of the first few
// circuits the seed gives that solve, the one with the most node voltages in whole tenths of
// a volt is taken. None when the counts are refused.
std::optional<Netlist> exerciseNetlist(std::uint64_t seed, const ExerciseCounts& counts,
                                       ExerciseMethod method = ExerciseMethod::any);

// The exercise drawn into an empty document (nodes built, datum chosen, joints named) without
// a crossing wherever the textbook drawing has an order of its nodes that allows it, or the
// message to show when the counts are refused or the seed gives none.
std::optional<std::string> drawExercise(std::uint64_t seed, const ExerciseCounts& counts, CKirvoltDoc& doc,
                                        ExerciseMethod method = ExerciseMethod::any);

}  // namespace kirvolt
