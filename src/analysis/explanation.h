#pragma once

#include <string>

#include "document/highlight.h"

namespace kirvolt {

// What a check or an explanation has found: the text to show the user and what to mark on the
// drawing while it is up. Whoever asked shows it.
struct Explanation {
    std::string message;
    Highlight highlight;
};

}  // namespace kirvolt
