#pragma once

#include <optional>

namespace kirvolt {

// The keyboard light named "Caps Lock", "Num Lock" or "Scroll Lock": on, off, or none when
// the window system does not tell.
std::optional<bool> lockLight(const char* name);

}  // namespace kirvolt
