#include "editors/number_text.h"

#include <algorithm>

namespace tessel {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

CorrectedNumber correctNumber(std::string_view text, unsigned max) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit)) return {"0", 0};
    unsigned value = 0;
    for (const char c : text) {
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > max) return {std::to_string(max), max};
    }
    const auto canonical = std::to_string(value);
    return {canonical == text ? std::string(text) : canonical, value};
}

CorrectedNumber correctPositiveNumber(std::string_view text, unsigned max) {
    auto corrected = correctNumber(text, max);
    if (corrected.value == 0) return {"1", 1};
    return corrected;
}

std::string digitsOnly(std::string_view text) {
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits), isDigit);
    return digits;
}

}  // namespace tessel
