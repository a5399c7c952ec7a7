#pragma once
#include <string_view>

namespace tessel {

// The value of the decimal number at the start of `text` after optional white
// space and sign, as hand-written files are read: trailing characters are
// ignored, no digits give 0, and huge values saturate instead of overflowing.
long leadingDecimal(std::string_view text);

}  // namespace tessel
