#pragma once

#include <string>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// Above this many unknowns the matrix is no longer something to read or typeset; the program
// solves such systems sparsely for the same reason.
inline constexpr int MATRIX_FORM_LIMIT = 200;

// One unknown of a method's system, carrying all that the writers of the system say of it, so
// that none of them needs to know which method made it.
struct Unknown {
    std::string letter;   // the quantity's letter, which LaTeX writes with the name below it
    std::string name;     // the node's name or the element's label
    std::string symbol;   // "V3" or "I(E1)", as the equation text and the results write it
    std::string unit;     // of its value in the solution
    std::string meaning;  // what it stands for, in a sentence of the matrix form
};

// A node's voltage, named by the node's name.
Unknown nodeVoltageUnknown(const std::string& node);
// The current of a voltage source, named by its label, from its + terminal to its - terminal.
Unknown sourceCurrentUnknown(const std::string& label);

// A method's system G·x = b of a solved circuit with its unknowns named, and the sentences that
// present it. x is the solution as the records hold it, so that the system checks the numbers
// the program shows.
struct NamedSystem {
    std::string title;      // "The modified nodal system"
    std::string preamble;   // what the unknowns are measured from, heading their list
    std::string emptyNote;  // why a circuit has no unknowns
    std::vector<Unknown> unknowns;
    std::vector<std::vector<double>> g;  // [row][column], both from 0
    std::vector<double> b;
    std::vector<double> x;
    // The letters its equation is written with: G·x = b for nodes, R·I = E for meshes.
    std::string matrixLetter = "G";
    std::string unknownsLetter = "x";
    std::string knownsLetter = "b";

    // The equation in its letters, the dot between the first two as given: "G · x = b".
    std::string equationLetters(const std::string& dot) const
    {
        return matrixLetter + dot + unknownsLetter + " = " + knownsLetter;
    }

    // Row r of G·x - b.
    double residual(std::size_t row) const;
};

// The modified nodal system: the voltage of every node but the datum (ascending node numbers),
// then the current of each voltage source, positive from its start node through it to its
// finish node. Reads the numbering tables and the records of the last successful analysis.
NamedSystem namedNodalSystem(CKirvoltDoc& doc);

// The voltage the solver wrote for the node: every record at the node carries it.
double solvedNodeVoltage(const CKirvoltDoc& doc, int node);

}  // namespace kirvolt
