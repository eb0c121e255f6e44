#include <gtest/gtest.h>

#include "document/format_value.h"
#include "document/readable_value.h"
#include "equations/all_equations.h"
#include "equations/equation_text.h"

namespace kirvolt {
namespace {

// One value through every form that shows it: a current of the results pane, an element's
// value label, a conductance coefficient of the node equations. The first rows keep the texts
// they have always had; from the milliamperes down the forms switch to three digits, each
// where its fixed decimals stop showing two.
struct Forms {
    double value;
    const char* result;
    const char* label;
    const char* coefficient;
};

constexpr Forms TWELVE_DECADES[] = {
    {1744.6, "1744.60 A", "1745 A", "1744.60"},
    {174.46, "174.46 A", "174 A", "174.46"},
    {17.446, "17.45 A", "17.4 A", "17.45"},
    {1.7446, "1.74 A", "1.74 A", "1.745"},
    {0.17446, "0.17 A", "0.174 A", "0.1745"},
    {0.017446, "17.4 mA", "0.017 A", "0.0174"},
    {0.0017446, "1.74 mA", "1.74 mA", "0.0017"},
    {0.00017446, "174 \xC2\xB5" "A", "174 \xC2\xB5" "A", "0.000174"},
    {1.7446e-5, "17.4 \xC2\xB5" "A", "17.4 \xC2\xB5" "A", "0.0000174"},
    {1.7446e-6, "1.74 \xC2\xB5" "A", "1.74 \xC2\xB5" "A", "1.74e-6"},
    {1.7446e-7, "174 nA", "174 nA", "1.74e-7"},
    {1.7446e-8, "17.4 nA", "17.4 nA", "1.74e-8"},
    {1.7446e-9, "1.74 nA", "1.74 nA", "1.74e-9"},
    {1.7446e-11, "17.4 pA", "17.4 pA", "1.74e-11"},
    // Rounding carries into a fourth digit and the prefix moves on.
    {0.00099996, "1.00 mA", "1.00 mA", "0.0010"},
    {9.9996e-7, "1.00 \xC2\xB5" "A", "1.00 \xC2\xB5" "A", "1.00e-6"},
    // Zero, and what the solver's rounding leaves, keep their fixed texts.
    {0.0, "0.00 A", "0.000 A", "0.0000"},
    {1e-17, "0.00 A", "0.000 A", "0.0000"},
};

TEST(ReadableNumbers, EveryFormAcrossTwelveDecades)
{
    for (const Forms& row : TWELVE_DECADES) {
        EXPECT_EQ(quantityText(row.value, 2, "A"), row.result) << row.value;
        EXPECT_EQ(valueLabel(row.value, "A"), row.label) << row.value;
        EXPECT_EQ(conductanceText(row.value), row.coefficient) << row.value;
    }
}

TEST(ReadableNumbers, SignsEquationNumbersAndVoltageLines)
{
    EXPECT_EQ(quantityText(-0.0017446, 2, "V"), "-1.74 mV");
    EXPECT_EQ(valueLabel(-0.005, "V"), "-5.00 mV");
    EXPECT_EQ(valueLabel(4700, "ohm"), "4700 ohm");
    EXPECT_EQ(valueText(0.001), "0.00100");
    EXPECT_EQ(valueText(2e-6), "2.00e-6");
    EXPECT_EQ(equationNumber(-0.004, 2), "-0.00400");
    EXPECT_EQ(equationNumber(0.125, 2), "0.13");
    EXPECT_EQ(threeDigitNumber(17446.0), "17400");
    EXPECT_EQ(threeDigitQuantity(17446.0, "ohm"), "17.4 kohm");
    EXPECT_EQ(voltageLine("2", 0.005), "V2 = 0.00500 Volt.");
    EXPECT_EQ(voltageLine("2", -5e-7), "V2 = -5.00e-7 Volt.");
    EXPECT_EQ(voltageLine("2", 0.05), "V2 = 0.0500 Volt.");
    EXPECT_EQ(voltageLine("2", 0.5), "V2 =   0.50 Volt.");
}

}  // namespace
}  // namespace kirvolt
