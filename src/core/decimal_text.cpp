#include "core/decimal_text.h"

#include <algorithm>
#include <cctype>

namespace tessel {

long leadingDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = std::min(value * 10 + (text[i] - '0'), 1'000'000'000L);
    }
    return negative ? -value : value;
}

}  // namespace tessel
