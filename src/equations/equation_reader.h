#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "equations/linear_form.h"

namespace kirvolt {

// What a name in a typed equation stands for: an unknown of the method (a node's voltage, a
// mesh's current), or a value (an element's resistance, EMF or current).
struct NameMeaning {
    std::optional<int> unknown;
    double value = 0.0;
};

// Looks up a name as it was typed: "V2" and "V(node a)" come as "V2" and "Vnode a".
using NameResolver = std::function<std::optional<NameMeaning>(std::string_view name)>;

// How the reader's messages name the unknowns an equation is written in.
struct UnknownWording {
    char letter;            // before a name in parentheses: V(node a), I(1)
    std::string example;    // "a node voltage such as V2"
    std::string one;        // "a node voltage"
    std::string many;       // "node voltages"
    std::string law;        // "KCL"
    std::string nameEnd;    // what a closing parenthesis ends: "the node's name"
    std::string owner;      // "node", as in "no node or element called"
    std::string spelling;   // "a node voltage is V followed by the node's name, such as V2"
};

// Node voltages, as the node equations are written.
const UnknownWording& nodeVoltageWording();

// A typed equation read as the two linear forms either side of its "=".
struct ReadEquation {
    LinearForm left;
    LinearForm right;
};

// Where reading stopped (a byte offset into the text) and why, as the end of a sentence.
struct ReadFailure {
    std::size_t position = 0;
    std::string reason;
};

// Reads an equation of numbers (with engineering prefixes: 4.7k, 10m), names, + - * /,
// parentheses and one "=". Products and quotients must keep it linear in the unknowns.
std::variant<ReadEquation, ReadFailure> readEquation(std::string_view text, const NameResolver& resolve,
                                                     const UnknownWording& wording = nodeVoltageWording());

// The sentence that tells the user where reading stopped.
std::string readFailureMessage(std::string_view text, const ReadFailure& failure);

}  // namespace kirvolt
