#include <gtest/gtest.h>

#include <optional>

#include "document/codes.h"
#include "editing/value_steps.h"

namespace kirvolt {
namespace {

struct WheelCase {
    std::uint16_t kind;
    double value;
    int steps;
    std::optional<double> expected;
};

TEST(ValueSteps, ResistorsWalkTheE12SeriesAndSourcesTenthsOfTheirDecade)
{
    const WheelCase cases[] = {
        {KIND_RESISTOR, 300, 1, 330},        {KIND_RESISTOR, 470, 1, 560},
        {KIND_RESISTOR, 100, -1, 82},        {KIND_RESISTOR, 8.2, 1, 10},
        {KIND_RESISTOR, 4.7, 3, 8.2},        {KIND_RESISTOR, 1000, -2, 680},
        {KIND_RESISTOR, 0.15, -1, 0.12},     {KIND_RESISTOR, 0, 1, 1},
        {KIND_RESISTOR, 0, -1, std::nullopt}, {KIND_RESISTOR, 1e12, 1, std::nullopt},
        {KIND_RESISTOR, 1e-12, -1, std::nullopt},
        {KIND_VOLTAGE_SOURCE, 5, 1, 5.1},    {KIND_VOLTAGE_SOURCE, 10, -1, 9.9},
        {KIND_VOLTAGE_SOURCE, 9.9, 1, 10},   {KIND_VOLTAGE_SOURCE, 10, 1, 11},
        {KIND_VOLTAGE_SOURCE, -5, 1, -4.9},  {KIND_VOLTAGE_SOURCE, -1, 1, -0.99},
        {KIND_VOLTAGE_SOURCE, 0, 1, 1},      {KIND_VOLTAGE_SOURCE, 0, -1, -1},
        {KIND_VOLTAGE_SOURCE, 1e6, 1, std::nullopt},
        {KIND_CURRENT_SOURCE, 0.002, 1, 0.0021}, {KIND_CURRENT_SOURCE, 0.01, -1, 0.0099},
        {KIND_CURRENT_SOURCE, 1e-15, -1, std::nullopt},
        {KIND_WIRE, 1, 1, std::nullopt},     {KIND_AMMETER, 0, 1, std::nullopt},
    };
    for (const WheelCase& c : cases) {
        const std::optional<double> got = wheelStepValue(c.kind, c.value, c.steps);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.kind << " " << c.value << " " << c.steps;
        if (got) {
            EXPECT_DOUBLE_EQ(*got, *c.expected) << c.kind << " " << c.value << " " << c.steps;
        }
    }
}

// Up and down again gives the value back, through a whole decade of either kind.
TEST(ValueSteps, ATurnBackReturnsToTheValue)
{
    for (double r = 1; r < 10; r = e12Step(r, 1)) {
        EXPECT_DOUBLE_EQ(e12Step(e12Step(r, 1), -1), r);
    }
    for (double v = 1; v < 10; v = decadeTenthStep(v, 1)) {
        EXPECT_DOUBLE_EQ(decadeTenthStep(decadeTenthStep(v, 1), -1), v);
    }
}

}  // namespace
}  // namespace kirvolt
