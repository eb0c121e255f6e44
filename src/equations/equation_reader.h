#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "equations/linear_form.h"

namespace kirvolt {

// What a name in a typed equation stands for: a node's voltage, or a value (an element's
// resistance, EMF or current).
struct NameMeaning {
    std::optional<int> node;
    double value = 0.0;
};

// Looks up a name as it was typed: "V2" and "V(node a)" come as "V2" and "Vnode a".
using NameResolver = std::function<std::optional<NameMeaning>(std::string_view name)>;

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
// parentheses and one "=". Products and quotients must keep it linear in the node voltages.
std::variant<ReadEquation, ReadFailure> readEquation(std::string_view text, const NameResolver& resolve);

// The sentence that tells the user where reading stopped.
std::string readFailureMessage(std::string_view text, const ReadFailure& failure);

}  // namespace kirvolt
