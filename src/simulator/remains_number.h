#pragma once
// The numbers of remains: a lookup column and a field's input read as
// decimal numbers, so that "12.50" less "3" gives "9.50" exactly.
#include <optional>
#include <string>
#include <string_view>

namespace tessel::sim {

struct DecimalNumber {
    long long units = 0;  // the value times 10 to the power of `scale`
    int scale = 0;        // digits after the point
};

// Blanks around the number are ignored and an empty text is 0; anything but
// an optional sign, digits and one point (at most 18 digits) is no number.
std::optional<DecimalNumber> parseDecimal(std::string_view text);

// `base` plus `sign` times `amount`, in the finer of the two scales.
DecimalNumber addDecimal(DecimalNumber base, DecimalNumber amount, int sign);

std::string formatDecimal(DecimalNumber number);

}  // namespace tessel::sim
