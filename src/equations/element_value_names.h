#pragma once

#include <optional>
#include <string_view>

#include "document/circuit_document.h"
#include "equations/equation_reader.h"
#include "equations/name_table.h"

namespace kirvolt {

// The resistors' and sources' labels as a typed equation names their values, each found in any
// case unless another differs from it only in case.
class ElementValueNames {
public:
    explicit ElementValueNames(const CKirvoltDoc& doc);

    // The value the name stands for, raised by 1 for the changed branch, so that a second
    // reading shows where that element enters the equation.
    std::optional<NameMeaning> find(std::string_view name, int changedBranch) const;

private:
    struct Value {
        int branch = 0;
        double amount = 0.0;
    };
    NameTable<Value> values;
};

}  // namespace kirvolt
