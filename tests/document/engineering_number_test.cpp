#include <gtest/gtest.h>

#include <cmath>

#include "document/engineering_number.h"

namespace kirvolt {
namespace {

struct ReadCase {
    const char* text;
    double value;
    const char* unit;
};

// Each value is the double the decimal text names, so prefixes must not add rounding.
const ReadCase READABLE[] = {
    {"4.7k", 4700.0, ""},
    {"10 mA", 0.01, "A"},
    {"2.2M", 2200000.0, ""},
    {"2.2m", 0.0022, ""},
    {"470 ohm", 470.0, "ohm"},
    {"470 \xCE\xA9", 470.0, "ohm"},
    {"470\xE2\x84\xA6", 470.0, "ohm"},
    {"1.5 kohm", 1500.0, "ohm"},
    {"1.5k\xCE\xA9", 1500.0, "ohm"},
    {"3.3 Mohms", 3300000.0, "ohm"},
    {"12 V", 12.0, "V"},
    {"12v", 12.0, "V"},
    {"-5 V", -5.0, "V"},
    {"+5", 5.0, ""},
    {"10 A", 10.0, "A"},
    {"250 uA", 0.00025, "A"},
    {"250 \xC2\xB5"
     "A",
     0.00025, "A"},
    {"250 \xCE\xBC"
     "A",
     0.00025, "A"},
    {"47n", 4.7e-8, ""},
    {"100p", 1e-10, ""},
    {"1G", 1e9, ""},
    {"2T", 2e12, ""},
    {"4.7K", 4700.0, ""},
    {"1e3", 1000.0, ""},
    {"1.5e-3k", 1.5, ""},
    {"1E+2 mV", 0.1, "V"},
    {".5", 0.5, ""},
    {"5.", 5.0, ""},
    {"  0.1  ", 0.1, ""},
    {"\t22 k\r\n", 22000.0, ""},
    {"0", 0.0, ""},
    {"0.1 OHM", 0.1, "ohm"},
};

TEST(EngineeringNumber, ReadsValuesWithPrefixesAndUnits)
{
    for (const ReadCase& c : READABLE) {
        const auto number = parseEngineeringNumber(c.text);
        ASSERT_TRUE(number.has_value()) << c.text;
        EXPECT_EQ(number->value, c.value) << c.text;
        EXPECT_EQ(number->unit, c.unit) << c.text;
    }
}

TEST(EngineeringNumber, RefusesWhatIsNoNumber)
{
    const char* const refused[] = {"",      "   ",   "abc",   "k",      "1.2.3", "1 2",   "4k7",   "1e",
                                   "1e+",   "10 mm", "10 kk", "10 x",   "1,5",   "- 5",   "inf",   "nan",
                                   "1e400", "1e999999999999999999999", "0x10", "10 ohmm", "10 mho", "1 Mk",
                                   ".",     "+",     "e5",    "10 V A", "5 k ohm"};
    for (const char* text : refused) {
        EXPECT_FALSE(parseEngineeringNumber(text).has_value()) << text;
    }
}

TEST(EngineeringNumber, AFieldTakesItsOwnUnitOrNone)
{
    struct Case {
        const char* text;
        const char* unit;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"470 ohm", "ohm", 470.0}, {"470", "ohm", 470.0},        {"4.7k", "ohm", 4700.0},
        {"470 V", "ohm", {}},      {"10 mA", "A", 0.01},         {"10 mA", "V", {}},
        {"9 V", "V", 9.0},         {"9", "", 9.0},               {"9 V", "", {}},
        {"junk", "V", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseValueInUnit(c.text, c.unit), c.value) << c.text << " in " << c.unit;
    }
}

}  // namespace
}  // namespace kirvolt
