#pragma once
// The check-digit methods of a field's "Check digit verification": the last
// character of the data is the check digit of the digits before it.
//
// MOD 10 methods weight the digits from the right, the digit next to the
// check digit first: Double-Add-Double 2, 1, 2, ... adding the digits of each
// product; Add-Double-Add 1, 2, 1, ... the same way; Triple-Add-Triple 3, 1,
// 3, ... adding the products (the EAN and UPC rule). MOD 11 Repeat Arithmetic
// weights them 2, 3, ... 10 from the right and starts again at 2 after 10 (so
// nine digits take the ISBN-10 weights); a check value of 10 is written "X".
// "Next high" makes the sum up to the next multiple of the modulus; "next
// low" takes what the sum is above the multiple below it.
#include <optional>
#include <string_view>

namespace tessel::sim {

inline constexpr int kCheckDigitMethods = 8;

// The check character for `digits` by method 1 to 8; nothing when `digits`
// is empty or holds anything but digits.
std::optional<char> checkCharacter(int method, std::string_view digits);

// Whether the last character of `data` is its check character by `method`.
bool hasValidCheckCharacter(int method, std::string_view data);

}  // namespace tessel::sim
