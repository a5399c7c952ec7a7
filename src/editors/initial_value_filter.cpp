#include "editors/initial_value_filter.h"

#include <algorithm>

#include "editors/field_types.h"
#include "editors/number_text.h"

namespace tessel {
namespace {

constexpr std::size_t kInitialValueChars = 9;
constexpr std::string_view kBooleanFirstCharacters = "01FNTYfnty";

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetterOrDigit(char c) { return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string decimalNumber(std::string_view text) {
    const bool keepPoint = std::count(text.begin(), text.end(), '.') == 1;
    std::string kept;
    for (const char c : text) {
        if (isDigit(c) || (keepPoint && c == '.')) kept += c;
    }
    return kept;
}

}  // namespace

std::size_t initialValueLimit(int type) { return type == kFieldBoolean ? 1 : kInitialValueChars; }

std::string filterInitialValue(int type, std::string_view text) {
    text = text.substr(0, initialValueLimit(type));
    switch (type) {
        case kFieldInteger: return digitsOnly(text);
        case kFieldReal:
        case kFieldAuto: return decimalNumber(text);
        case kFieldBoolean:
            if (!text.empty() && kBooleanFirstCharacters.find(text[0]) == std::string_view::npos) return {};
            return std::string(text);
        case kFieldAlphameric:
            return std::string(
                text.substr(0, std::find_if_not(text.begin(), text.end(), isLetterOrDigit) - text.begin()));
        default: return std::string(text);
    }
}

}  // namespace tessel
