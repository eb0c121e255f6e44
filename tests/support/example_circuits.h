#pragma once

#include <functional>
#include <string>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt::testing {

// One circuit of the examples a teacher opens from File > Examples: its file name in
// examples/, its menu title, the line shown when it opens, and how it is drawn. Each has its
// values set and its datum node on the bottom rail.
struct ExampleCircuit {
    std::string fileName;
    std::string title;
    std::string description;
    std::function<void(CKirvoltDoc&)> draw;
};

const std::vector<ExampleCircuit>& exampleCircuits();

// The example drawn, its nodes built and its datum chosen, as it is stored in examples/.
void buildExample(const ExampleCircuit& example, CKirvoltDoc& doc);

}  // namespace kirvolt::testing
