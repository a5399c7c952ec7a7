#include "simulator/keys.h"

#include <array>

namespace tessel::sim {
namespace {

// Key codes of the digits '0' to '9'.
constexpr std::array<int, 10> kDigitKeys{14, 1, 2, 3, 5, 6, 7, 9, 10, 11};

}  // namespace

std::optional<char> digitOfKey(int code) {
    for (std::size_t digit = 0; digit < kDigitKeys.size(); ++digit) {
        if (kDigitKeys[digit] == code) return static_cast<char>('0' + digit);
    }
    return std::nullopt;
}

int keyOfDigit(char digit) { return kDigitKeys[static_cast<std::size_t>(digit - '0')]; }

}  // namespace tessel::sim
