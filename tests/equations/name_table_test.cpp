#include <gtest/gtest.h>

#include "equations/name_table.h"

namespace kirvolt {
namespace {

TEST(NameTable, AnyCaseFindsANameUnlessAnotherDiffersFromItOnlyInCase)
{
    NameTable<int> names;
    names.add("Rload", 1);
    names.add("R1", 2);
    names.add("r1", 3);
    EXPECT_EQ(names.find("rLOAD"), 1);
    EXPECT_EQ(names.find("R1"), 2);
    EXPECT_EQ(names.find("r1"), 3);
    EXPECT_EQ(names.find("R1 "), std::nullopt);
    NameTable<int> three = names;
    three.add("RLOAD", 4);
    EXPECT_EQ(three.find("rload"), std::nullopt);
    EXPECT_EQ(three.find("Rload"), 1);
}

}  // namespace
}  // namespace kirvolt
