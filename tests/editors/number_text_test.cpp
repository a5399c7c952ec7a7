#include "editors/number_text.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

struct NumberCase {
    const char* typed;
    unsigned max;
    const char* shown;
    unsigned stored;
};

class CorrectNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(CorrectNumber, ShowsAndStoresTheCorrectedValue) {
    const auto& c = GetParam();
    const auto corrected = correctNumber(c.typed, c.max);
    EXPECT_EQ(corrected.text, c.shown);
    EXPECT_EQ(corrected.value, c.stored);
}

INSTANTIATE_TEST_SUITE_P(Cases, CorrectNumber,
                         ::testing::Values(NumberCase{"", 255, "0", 0}, NumberCase{"x", 255, "0", 0},
                                           NumberCase{"1a", 255, "0", 0}, NumberCase{"-3", 255, "0", 0},
                                           NumberCase{"07", 255, "7", 7}, NumberCase{"0", 255, "0", 0},
                                           NumberCase{"255", 255, "255", 255}, NumberCase{"256", 255, "255", 255},
                                           NumberCase{"99999999999999999999", 160, "160", 160}));

class CorrectPositiveNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(CorrectPositiveNumber, NeverStoresZero) {
    const auto& c = GetParam();
    const auto corrected = correctPositiveNumber(c.typed, c.max);
    EXPECT_EQ(corrected.text, c.shown);
    EXPECT_EQ(corrected.value, c.stored);
}

INSTANTIATE_TEST_SUITE_P(Cases, CorrectPositiveNumber,
                         ::testing::Values(NumberCase{"", 9, "1", 1}, NumberCase{"a", 9, "1", 1},
                                           NumberCase{"0", 9, "1", 1}, NumberCase{"00", 99, "1", 1},
                                           NumberCase{"05", 99, "5", 5}, NumberCase{"7", 9, "7", 7},
                                           NumberCase{"123", 99, "99", 99}));

}  // namespace
}  // namespace tessel
