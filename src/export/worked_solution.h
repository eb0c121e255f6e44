#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_method.h"
#include "analysis/explanation.h"
#include "analysis/named_system.h"
#include "document/circuit_document.h"
#include "equations/method_equations.h"

namespace kirvolt {

// A node and the joints that form it, each by its grid position (after its name, if it has one).
struct NodeJoints {
    int node = 0;
    std::string name;
    std::vector<std::string> joints;
};

// A mesh of a mesh current analysis: its clockwise current and what it goes round.
struct MeshEntry {
    int mesh = 0;
    std::string current;                // "I1 = 0.50 A"
    std::string corner;                 // its top-left grid point, "(5, 5)"
    std::vector<std::string> elements;  // clockwise from the corner
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

// One voltage drop round a mesh with the computed mesh currents, taken in the direction of the
// mesh current: a resistor's "R3·(I1 − I2)", a voltage source's EMF (negative where the
// current meets it from - to +).
struct VoltageDrop {
    std::string term;
    double volts = 0.0;
};

// The voltage law round a mesh, or round the meshes of a supermesh without its current sources.
struct VoltageCheck {
    std::string heading;  // "Mesh 1:", "Supermesh of meshes 2 and 3:"
    std::vector<VoltageDrop> drops;
    double sum = 0.0;
};

// A section the report adds on request, such as a theorem's worked text.
struct WorkedSection {
    std::string title;
    std::vector<std::string> lines;
};

// Everything a worked solution shows, as values; the HTML and PDF reports lay it out.
struct WorkedSolution {
    std::string circuitName;
    int datumNode = 0;
    std::string datumName;
    std::vector<NodeJoints> nodes;
    std::vector<MeshEntry> meshes;  // after a mesh current analysis
    // The equations of the method that solved the circuit, as its MethodEquations writes them,
    // or why they could not be written.
    std::string equationsTitle;
    std::vector<EquationBlock> equations;
    std::string equationsStopped;
    NamedSystem system;
    std::vector<std::string> results;  // the results pane's lines, as text
    std::vector<CurrentCheck> checks;  // every ordinary node but the datum, after a nodal analysis
    std::vector<VoltageCheck> voltageChecks;  // every voltage-law row, after a mesh current analysis
    std::vector<WorkedSection> sections;      // added on request, after the check
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

// A drop of a voltage check, and their sum as checkSumText gives a current's: "0 V".
std::string checkVoltageText(double volts);
std::string checkSumText(const VoltageCheck& check);

// The worked solution of a circuit that analysis solved, with the system it kept (a system too
// large for it to keep is asked of the circuit's method). Writes the equation text.
WorkedSolution buildWorkedSolution(CKirvoltDoc& doc, std::string circuitName, const AnalysisOutcome& analysis);
// The same for a circuit solved by the method of those equations, which need not be one the
// program knows.
WorkedSolution buildWorkedSolution(CKirvoltDoc& doc, std::string circuitName, const AnalysisOutcome& analysis,
                                   const MethodEquations& equations);
// The same for a circuit analyseForReport has solved.
WorkedSolution buildWorkedSolution(CKirvoltDoc& doc, std::string circuitName);

}  // namespace kirvolt
