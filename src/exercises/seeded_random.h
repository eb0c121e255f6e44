#pragma once

#include <cstdint>

namespace kirvolt {

// SplitMix64, written out so that a seed gives the same numbers with every compiler and
// standard library: the exercises a teacher hands out must come back the same from a seed.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : state(seed) {}

    std::uint64_t next();

    // A whole number from low to high, both included (low <= high). The remainder's bias is
    // below one part in 10^16 for the small ranges asked for here.
    int between(int low, int high);

    bool coin() { return between(0, 1) == 1; }

private:
    std::uint64_t state;
};

}  // namespace kirvolt
