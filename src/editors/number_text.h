#pragma once
// Typed numbers are corrected in place rather than refused: the edit shows the
// corrected text and the record stores its value.
#include <string>
#include <string_view>

namespace tessel {

struct CorrectedNumber {
    std::string text;  // what the edit should show
    unsigned value;    // what the record stores
};

// A text that is not a plain run of digits becomes "0"; a value above `max`
// becomes `max`; leading zeros are dropped ("07" shows "7").
CorrectedNumber correctNumber(std::string_view text, unsigned max);

// The same for boxes that cannot hold 0: a text that is not a number, or 0,
// becomes "1".
CorrectedNumber correctPositiveNumber(std::string_view text, unsigned max);

// The digits of `text`, everything else dropped.
std::string digitsOnly(std::string_view text);

}  // namespace tessel
