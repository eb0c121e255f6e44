#include <gtest/gtest.h>

#include <cmath>

#include "document/engineering_number.h"
#include "document/value_field.h"

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
    {"470R", 470.0, "ohm"},
    {"4k7", 4700.0, ""},
    {"2R2", 2.2, "ohm"},
    {"2r2", 2.2, "ohm"},
    {"4M7", 4700000.0, ""},
    {"4m7", 0.0047, ""},
    {"-1k5", -1500.0, ""},
    {"2u2 A", 2.2e-6, "A"},
    {"4k7 ohm", 4700.0, "ohm"},
    {"0R1", 0.1, "ohm"},
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
    const char* const refused[] = {"",      "   ",   "abc",   "k",      "1.2.3", "1 2",   "4k7.",  "1e",
                                   "1e+",   "10 mm", "10 kk", "10 x",   "1,5",   "- 5",   "inf",   "nan",
                                   "1e400", "1e999999999999999999999", "0x10", "10 ohmm", "10 mho", "1 Mk",
                                   ".",     "+",     "e5",    "10 V A", "5 k ohm", "4k7k", "4.7k7", "k7",
                                   "4 k7", "4k 7",   "2R2 V", "4x7"};
    for (const char* text : refused) {
        EXPECT_FALSE(parseEngineeringNumber(text).has_value()) << text;
    }
}

// What a component's value field makes of a text: the value, or the message shown instead.
TEST(EngineeringNumber, AFieldTakesItsOwnUnitAndARealResistance)
{
    struct Case {
        const char* text;
        const char* unit;
        std::optional<double> value;
        const char* refusal;
    };
    const std::string resistance(RESISTANCE_RULE);
    const Case cases[] = {
        {"470 ohm", "ohm", 470.0, ""},
        {"4k7", "ohm", 4700.0, ""},
        {"2R2", "ohm", 2.2, ""},
        {"10 mA", "A", 0.01, ""},
        {"-9 V", "V", -9.0, ""},
        {"0", "V", 0.0, ""},
        {" 10 mA ", "V", {}, "\"10 mA\" is in A, but this value is in V."},
        {"2R2", "V", {}, "\"2R2\" is in ohm, but this value is in V."},
        {"12 V", "ohm", {}, "\"12 V\" is in V, but this value is in ohm."},
        {"9 V", "", {}, "\"9 V\": this value takes no unit."},
        {"junk", "V", {}, "Please enter a number."},
        {"0", "ohm", {}, resistance.c_str()},
        {"-4k7", "ohm", {}, resistance.c_str()},
    };
    for (const Case& c : cases) {
        const FieldValue read = readFieldValue(c.text, c.unit);
        EXPECT_EQ(read.value, c.value) << c.text << " in " << c.unit;
        EXPECT_EQ(read.refusal, c.refusal) << c.text << " in " << c.unit;
    }
}

}  // namespace
}  // namespace kirvolt
