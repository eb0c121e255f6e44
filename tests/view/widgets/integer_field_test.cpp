#include <gtest/gtest.h>

#include <string>

#include <QString>

#include "view/widgets/integer_field.h"

namespace kirvolt {
namespace {

struct FieldCase {
    const char* text;
    std::optional<int> value;
    const char* message;
};

class IntegerFieldFrom1To10 : public ::testing::TestWithParam<FieldCase> {};

TEST_P(IntegerFieldFrom1To10, AcceptsTheRangeAndNamesWhatIsWrong)
{
    const FieldCase c = GetParam();
    const IntegerFieldCheck check = checkIntegerField(QString::fromLatin1(c.text), 1, 10);
    EXPECT_EQ(check.value, c.value);
    EXPECT_EQ(check.message.toStdString(), c.message);
}

constexpr const char* NOT_AN_INTEGER = "Please enter an integer.";
constexpr const char* OUT_OF_RANGE = "Please enter an integer between 1 and 10.";

INSTANTIATE_TEST_SUITE_P(, IntegerFieldFrom1To10,
                         ::testing::Values(FieldCase{"1", 1, ""}, FieldCase{"10", 10, ""}, FieldCase{" 7\t", 7, ""},
                                           FieldCase{"+3", 3, ""}, FieldCase{"007", 7, ""},
                                           FieldCase{"0", std::nullopt, OUT_OF_RANGE},
                                           FieldCase{"11", std::nullopt, OUT_OF_RANGE},
                                           FieldCase{"-2", std::nullopt, OUT_OF_RANGE},
                                           FieldCase{"99999999999999999999999", std::nullopt, OUT_OF_RANGE},
                                           FieldCase{"", std::nullopt, NOT_AN_INTEGER},
                                           FieldCase{"   ", std::nullopt, NOT_AN_INTEGER},
                                           FieldCase{"2.5", std::nullopt, NOT_AN_INTEGER},
                                           FieldCase{"5 5", std::nullopt, NOT_AN_INTEGER},
                                           FieldCase{"x", std::nullopt, NOT_AN_INTEGER},
                                           FieldCase{"-", std::nullopt, NOT_AN_INTEGER}),
                         [](const ::testing::TestParamInfo<FieldCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

}  // namespace
}  // namespace kirvolt
