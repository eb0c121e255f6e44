#pragma once

#include "analysis/named_system.h"

namespace kirvolt::testing {

// The largest |G·x - b| over the rows, each relative to the sizes of the terms of its row
// (and at least 1), so that one bound serves circuits of any scale.
double largestRelativeResidual(const NamedSystem& system);

}  // namespace kirvolt::testing
