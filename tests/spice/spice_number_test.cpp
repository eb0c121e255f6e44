#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "spice/spice_number.h"

namespace kirvolt {
namespace {

using Status = SpiceNumber::Status;

TEST(SpiceNumber, ScaleFactorsAreSpicesInAnyCase)
{
    // ngspice 39 printed these values for the same texts as the currents of sources into 1 ohm.
    const std::pair<const char*, double> cases[] = {
        {"1", 1},          {"-2.5", -2.5},     {"+3", 3},         {".5", 0.5},      {"5.", 5},
        {"1e3", 1e3},      {"2E-1k", 200},     {"1e", 1},         {"4.7k", 4700},   {"4.7K", 4700},
        {"1m", 1e-3},      {"1M", 1e-3},       {"1meg", 1e6},     {"1MEG", 1e6},    {"1Meg", 1e6},
        {"2megA", 2e6},    {"7mega", 7e6},     {"1mil", 25.4e-6}, {"1milli", 25.4e-6}, {"2ms", 2e-3},
        {"1g", 1e9},       {"1T", 1e12},       {"3u", 3e-6},      {"3\xC2\xB5", 3e-6}, {"2n", 2e-9},
        {"5p", 5e-12},     {"1f", 1e-15},      {"10a", 10},       {"5V", 5},        {"10kohm", 1e4},
        {"3mA", 3e-3},     {"1.5e3meg", 1.5e9}, {"1e-3u", 1e-9},
    };
    for (const auto& [text, value] : cases) {
        const SpiceNumber read = readSpiceNumber(text);
        EXPECT_EQ(read.status, Status::Read) << text;
        EXPECT_NEAR(read.value, value, 1e-15 * std::abs(value)) << text;
    }
}

TEST(SpiceNumber, DigitsAfterTheScaleAreNotTakenAsSpiceWouldTakeThem)
{
    const SpiceNumber read = readSpiceNumber("4k7");
    EXPECT_EQ(read.status, Status::DigitsAfterScale);
    EXPECT_EQ(read.value, 4000);
    EXPECT_EQ(read.number, "4");
    EXPECT_EQ(read.scale, "k");
    EXPECT_EQ(read.rest, "7");
    EXPECT_EQ(readSpiceNumber("1.2.3").status, Status::DigitsAfterScale);
    EXPECT_EQ(readSpiceNumber("1.2.3").rest, ".3");
}

TEST(SpiceNumber, WhatHasNoDigitsOrNoFiniteValueIsNoNumber)
{
    for (const char* text : {"", "k", "-", ".", "+.", "abc", "e5", "1e999", "=", "DC"}) {
        EXPECT_EQ(readSpiceNumber(text).status, Status::NotANumber) << text;
    }
}

TEST(SpiceNumber, WrittenNumbersReadBackExactly)
{
    const double cases[] = {0.0, 1.0, -12.0, 0.1, 1.0 / 3.0, 4.7e3, 1e-15, 6.02214076e23, -2.5e-300,
                            std::numeric_limits<double>::max()};
    for (double value : cases) {
        const std::string text = spiceNumberText(value);
        const SpiceNumber read = readSpiceNumber(text);
        EXPECT_EQ(read.status, Status::Read) << text;
        EXPECT_EQ(read.value, value) << text;
    }
    EXPECT_EQ(spiceNumberText(12.0), "12");
    EXPECT_EQ(spiceNumberText(0.001), "0.001");
    EXPECT_EQ(spiceNumberText(1e20), "1e+20");
}

}  // namespace
}  // namespace kirvolt
