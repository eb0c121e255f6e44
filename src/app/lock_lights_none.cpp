#include "app/lock_lights.h"

namespace kirvolt {

// Without X11 the lights are not known.
std::optional<bool> lockLight(const char*)
{
    return std::nullopt;
}

}  // namespace kirvolt
