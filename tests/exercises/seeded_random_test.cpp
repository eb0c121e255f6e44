#include <gtest/gtest.h>

#include "exercises/seeded_random.h"

namespace kirvolt {
namespace {

// The published SplitMix64 sequence for seed 0: the exercises depend on every bit of it.
TEST(SeededRandom, GivesTheSplitMix64Sequence)
{
    SeededRandom random(0);
    EXPECT_EQ(random.next(), 0xE220A8397B1DCDAFu);
    EXPECT_EQ(random.next(), 0x6E789E6AA1B965F4u);
    EXPECT_EQ(random.next(), 0x06C45D188009454Fu);
}

TEST(SeededRandom, BetweenStaysInItsRangeAndReachesBothEnds)
{
    struct Range {
        int low;
        int high;
    };
    for (const Range range : {Range{0, 0}, Range{0, 1}, Range{1, 24}, Range{-3, 3}}) {
        SeededRandom random(42);
        bool low = false, high = false;
        for (int k = 0; k < 1000; ++k) {
            const int value = random.between(range.low, range.high);
            ASSERT_GE(value, range.low);
            ASSERT_LE(value, range.high);
            low = low || value == range.low;
            high = high || value == range.high;
        }
        EXPECT_TRUE(low && high) << range.low << " to " << range.high;
    }
}

}  // namespace
}  // namespace kirvolt
