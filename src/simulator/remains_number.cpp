#include "simulator/remains_number.h"

#include <algorithm>

namespace tessel::sim {
namespace {

constexpr int kMaxDigits = 18;

long long scaledUp(DecimalNumber number, int scale) {
    long long units = number.units;
    for (int s = number.scale; s < scale; ++s) units *= 10;
    return units;
}

}  // namespace

std::optional<DecimalNumber> parseDecimal(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return DecimalNumber{};
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    bool negative = false;
    if (text.front() == '-' || text.front() == '+') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    DecimalNumber number;
    bool point = false;
    int digits = 0;
    for (const char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9' && digits < kMaxDigits) {
            number.units = number.units * 10 + (c - '0');
            ++digits;
            if (point) ++number.scale;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    if (negative) number.units = -number.units;
    return number;
}

DecimalNumber addDecimal(DecimalNumber base, DecimalNumber amount, int sign) {
    const int scale = std::max(base.scale, amount.scale);
    return {scaledUp(base, scale) + sign * scaledUp(amount, scale), scale};
}

std::string formatDecimal(DecimalNumber number) {
    const bool negative = number.units < 0;
    std::string digits = std::to_string(negative ? -number.units : number.units);
    if (number.scale > 0) {
        if (digits.size() <= static_cast<std::size_t>(number.scale))
            digits.insert(0, static_cast<std::size_t>(number.scale) - digits.size() + 1, '0');
        digits.insert(digits.size() - static_cast<std::size_t>(number.scale), ".");
    }
    return negative ? "-" + digits : digits;
}

}  // namespace tessel::sim
