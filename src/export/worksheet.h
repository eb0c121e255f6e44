#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "document/circuit_document.h"
#include "export/worked_solution.h"

namespace kirvolt {

// One exercise of a worksheet: its heading, a line saying where it came from, the circuit
// (solved, which the schematic does not show) and its worked solution.
struct WorksheetExercise {
    std::string heading;
    std::string origin;
    const CKirvoltDoc* circuit = nullptr;
    WorkedSolution solution;
};

struct Worksheet {
    std::string title;
    std::vector<WorksheetExercise> exercises;
};

// What every exercise asks.
inline constexpr const char* EXERCISE_TASK =
    "Find the voltage of every node with respect to the datum node, and the current in every component.";

// The worksheet as one HTML page: each exercise on a page of its own with its schematic and
// the task, then the answer key, each worked solution starting a new page. The schematic of
// exercise k is given by `picture(k)`.
std::string worksheetHtml(const Worksheet& sheet, const std::function<std::string(std::size_t)>& picture);

// The same with every schematic as inline SVG, as the HTML file holds it.
std::string standaloneWorksheetHtml(const Worksheet& sheet);

}  // namespace kirvolt
