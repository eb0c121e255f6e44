#include "document/wording.h"

#include <gtest/gtest.h>

#include <string>

#include "document/text_lists.h"

namespace kirvolt {
namespace {

TEST(Wording, FillsInEachPlaceholderOnceAsQStringArgDoes)
{
    const struct {
        const char* format;
        std::initializer_list<std::string_view> arguments;
        const char* expected;
    } cases[] = {
        {"%1 has no path to %2.", {"Node 3", "the datum node 0"}, "Node 3 has no path to the datum node 0."},
        {"%2 before %1", {"one", "two"}, "two before one"},
        {"%1 and %1", {"R1"}, "R1 and R1"},
        {"%1 keeps %2", {"%2", "x"}, "%2 keeps x"},
        {"100% of %1", {"I1"}, "100% of I1"},
        {"%3 is missing, %1 is not", {"R1"}, "%3 is missing, R1 is not"},
        {"%10 and %1", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}, "j and a"},
        {"ends in %", {}, "ends in %"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fillIn(c.format, c.arguments), c.expected) << c.format;
    }
}

TEST(Wording, IsEnglishUntilACatalogueIsInstalledAndAsksTheOneInstalled)
{
    EXPECT_EQ(wording("Lists", "%1 and %2"), "%1 and %2");
    EXPECT_EQ(spokenList({"R1", "R2", "R3"}), "R1, R2 and R3");

    installWordingCatalogue([](const char* context, const char* text) {
        const std::string key = std::string(context) + "|" + text;
        return key == "Lists|%1 and %2" ? std::string("%1 und %2") : key == "Lists|, " ? std::string("; ") : text;
    });
    EXPECT_EQ(spokenList({"R1", "R2", "R3", "R4"}), "R1; R2; R3 und R4");
    EXPECT_EQ(spokenList({"R1", "R2"}), "R1 und R2");
    EXPECT_EQ(spokenList({"R1"}), "R1");
    EXPECT_EQ(wording("Other", "Create your circuit first."), "Create your circuit first.");

    installWordingCatalogue({});
    EXPECT_EQ(spokenList({"E1", "E2", "E3"}), "E1, E2 and E3");
    EXPECT_EQ(spokenList({}), "");
}

}  // namespace
}  // namespace kirvolt
