#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "analysis/explanation.h"
#include "analysis/named_system.h"
#include "document/circuit_document.h"

namespace kirvolt {

// How an analysis ended: solved (results written into the records), or refused with the
// explanation to show; and how far it got, for the caller to act on.
struct AnalysisOutcome {
    std::optional<Explanation> refusal;
    // Past the empty-circuit test the circuit is numbered, so its node equations can be shown
    // even when a rule check then stopped the solve.
    bool numbered = false;
    // The size of the system, once one was built.
    std::optional<int> unknownCount;
    // The solved system with its unknowns named, kept while it is small enough to be shown
    // (MATRIX_FORM_LIMIT), so that Matrix Form and the worked solution read the system that
    // was solved instead of building it again.
    std::optional<NamedSystem> system;
    explicit operator bool() const { return !refusal.has_value(); }
};

// What a method's solve gives back, for the records to be written from: every method ends
// with the voltage of each node, and some solve for branch currents directly.
struct MethodSolution {
    std::vector<double> nodeVoltages;                  // [node], the datum at 0 V
    std::vector<std::optional<double>> branchCurrents;  // [branch]: solved for, else none
};

// A method of analysis, as runAnalysis and the writers of its system ask for it. The circuit
// it is given is numbered and has passed the rule checks and the solvability test.
class AnalysisMethod {
public:
    virtual ~AnalysisMethod() = default;
    // The name the command line knows it by.
    virtual std::string name() const = 0;
    // The number of unknowns of its system for the numbered circuit.
    virtual int unknownCount(const CKirvoltDoc& doc) const = 0;
    // Solves the circuit, or explains why the solution cannot be trusted.
    virtual std::variant<MethodSolution, Explanation> solve(const CKirvoltDoc& doc) const = 0;
    // The system of the last successful analysis with its unknowns named, for Matrix Form, the
    // report and the worked solution.
    virtual NamedSystem namedSystem(CKirvoltDoc& doc) const = 0;
};

// The rule checks stand between the student and the solve except in the tutor, which has
// taken the student through the circuit by its own steps.
enum class RuleChecks { run, skipped };

// The one path of every analysis: refuses an empty circuit, builds the nodes when they are
// stale, falls back to datum node 1 when the stored one is not a node, fills the tables, runs
// the rule checks and the solvability test, lets the method solve and writes its solution
// into the records. A refusal sets analysisFailed and changes no result in any record; the
// caller shows why. Neither mode, count nor view is touched: see showOutcome.
AnalysisOutcome runAnalysis(CKirvoltDoc& doc, const AnalysisMethod& method, RuleChecks checks = RuleChecks::run);

// runAnalysis as the analysis commands run it: a refusal of a circuit with ammeters also says
// that they were taken as wires.
AnalysisOutcome analyseCircuit(CKirvoltDoc& doc, const AnalysisMethod& method);

// analyseCircuit unless the records hold the results of the circuit as it is (a file's stored
// results among them); then the circuit is only numbered, and the outcome tells of the system
// of those results as an analysis would have.
AnalysisOutcome analyseUnlessCurrent(CKirvoltDoc& doc, const AnalysisMethod& method);

// What a document on screen takes from its analysis: the node equation mode once the circuit
// was numbered and a redraw when results were written.
void showOutcome(CKirvoltDoc& doc, const AnalysisOutcome& outcome);

// What the rule checks, the solver, the macro nodes and the equation writers read, made
// consistent with the drawing: the nodes built again when they are stale or their numbers
// out of range, the datum a node (node 1 when the stored one is not), and every numbering
// table filled from the records.
void prepareNumbering(CKirvoltDoc& doc);

// Writes node voltages (x[k] is the voltage of node k), p.d.s and resistor currents into the
// records, turning round every resistor whose p.d. came out negative.
void distributeResults(CKirvoltDoc& doc, const std::vector<double>& x);

}  // namespace kirvolt
