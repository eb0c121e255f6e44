#include "exercises/seeded_random.h"

namespace kirvolt {

std::uint64_t SeededRandom::next()
{
    state += 0x9E3779B97F4A7C15u;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

int SeededRandom::between(int low, int high)
{
    const std::uint64_t range = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low) + 1;
    return static_cast<int>(low + static_cast<std::int64_t>(next() % range));
}

}  // namespace kirvolt
