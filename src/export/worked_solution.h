#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_method.h"
#include "analysis/explanation.h"
#include "analysis/named_system.h"
#include "document/circuit_document.h"

namespace kirvolt {

// A node and the joints that form it, each by its grid position (after its name, if it has one).
struct NodeJoints {
    int node = 0;
    std::string name;
    std::vector<std::string> joints;
};

// A node's equation text as the program writes it: lines 1 to 6 of equationText.
struct NodeEquations {
    int node = 0;
    std::string name;
    std::array<std::string, CKirvoltDoc::EQUATION_LINES> lines;
};

// One current leaving an ordinary node with the computed voltages: through a resistor to
// the node at its other end, or driven out by a current source (negative when it drives
// current in).
struct LeavingCurrent {
    std::string element;
    int towards = 0;
    std::string towardsName;
    double amperes = 0.0;
};

struct CurrentCheck {
    int node = 0;
    std::string name;
    std::vector<LeavingCurrent> currents;
    double sum = 0.0;
};

// Everything a worked solution shows, as values; the HTML and PDF reports lay it out.
struct WorkedSolution {
    std::string circuitName;
    int datumNode = 0;
    std::string datumName;
    std::vector<NodeJoints> nodes;
    std::vector<NodeEquations> equations;
    NamedSystem system;
    std::vector<std::string> results;  // the results pane's lines, as text
    std::vector<CurrentCheck> checks;  // every ordinary node but the datum
};

// Runs the circuit's method unless the results are those of the circuit as it is, and shows
// what a run did; the outcome carries the system to show, or the refusal.
AnalysisOutcome analyseForShowing(CKirvoltDoc& doc);
// The same, giving only the refusal to show.
std::optional<Explanation> analyseForReport(CKirvoltDoc& doc);

// A current of a check as the results pane writes currents: "1.74 mA".
std::string checkCurrentText(double amperes);

// The sum of a check's currents: "0 A" where it is the rounding of the currents it adds (a
// billionth of the largest), else written as a current.
std::string checkSumText(const CurrentCheck& check);

// The worked solution of a circuit that analysis solved, with the system it kept (a system too
// large for it to keep is asked of the circuit's method). Writes the equation text.
WorkedSolution buildWorkedSolution(CKirvoltDoc& doc, std::string circuitName, const AnalysisOutcome& analysis);
// The same for a circuit analyseForReport has solved.
WorkedSolution buildWorkedSolution(CKirvoltDoc& doc, std::string circuitName);

}  // namespace kirvolt
