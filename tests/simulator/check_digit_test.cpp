// The eight check-digit methods of a field, on published numbers.
#include "simulator/check_digit.h"

#include <gtest/gtest.h>

#include <string>

namespace tessel::sim {
namespace {

TEST(CheckDigit, MethodsOnPublishedNumbers) {
    struct Case {
        int method;
        std::string digits;
        char check;
    };
    const Case cases[] = {
        // Triple-Add-Triple (next high) is the EAN and UPC check digit.
        {3, "400638133393", '1'},  // EAN-13 4006381333931
        {3, "03600029145", '2'},   // UPC-A 036000291452
        {3, "9638507", '4'},       // EAN-8 96385074
        {7, "400638133393", '9'},  // next low: the sum is 9 above a multiple of 10
        // Double-Add-Double (next high) is the Luhn rule of card numbers.
        {1, "7992739871", '3'},
        {1, "12345", '5'},
        {5, "7992739871", '7'},
        // Add-Double-Add weights the digit next to the check digit 1.
        {2, "12345", '9'},
        {6, "12345", '1'},
        // MOD 11 on nine digits takes the ISBN-10 weights; 10 is written X.
        {4, "030640615", '2'},
        {4, "080442957", 'X'},
        {8, "030640615", '9'},
        {4, "0000", '0'},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkCharacter(c.method, c.digits), c.check) << c.method << " " << c.digits;
        EXPECT_TRUE(hasValidCheckCharacter(c.method, c.digits + c.check)) << c.method << " " << c.digits;
    }
}

TEST(CheckDigit, WrongDigitsAndOtherDataFail) {
    EXPECT_FALSE(hasValidCheckCharacter(3, "4006381333932"));
    EXPECT_FALSE(hasValidCheckCharacter(1, "79927398710"));
    EXPECT_TRUE(hasValidCheckCharacter(4, "080442957x"));
    for (const char* data : {"", "1", "40063813339A1", "ABC1", "12 34"}) {
        EXPECT_FALSE(hasValidCheckCharacter(3, data)) << data;
    }
    EXPECT_EQ(checkCharacter(0, "123"), std::nullopt);
    EXPECT_EQ(checkCharacter(9, "123"), std::nullopt);
    EXPECT_EQ(checkCharacter(3, ""), std::nullopt);
}

}  // namespace
}  // namespace tessel::sim
