#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "theorems/thevenin.h"

namespace kirvolt {

// The worked sequence of a study, line by line: the load taken out, the open-circuit voltage
// with the node equations the equation text writes for the open circuit, the sources set to
// zero and the resistance seen, the short-circuit current, and the two equivalents, or why
// one of them does not exist. Writes the open circuit's equation text on the way.
std::vector<std::string> theveninSteps(TheveninStudy& study);

// An equivalent circuit drawn, and its values labelled as the worked sequence writes them
// ("62.5 mA", where a value label would read "0.063 A") by record id; no drawing where there
// is no equivalent.
struct EquivalentDrawing {
    std::unique_ptr<CKirvoltDoc> doc;
    std::map<std::uint64_t, std::string> valueLabels;
};
EquivalentDrawing drawEquivalent(const std::optional<Netlist>& equivalent);

// The names joined for a sentence: "E1", "E1 and E2", "E1, E2 and E3".
std::string namesInWords(const std::vector<std::string>& names);

}  // namespace kirvolt
