#include "simulator/field_types.h"

#include <string_view>

namespace tessel::sim {
namespace {

// Only ASCII digits and letters count, whatever the 8-bit character set holds.
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

bool isInputType(int type) {
    return (type >= kFieldText && type <= kFieldBoolean) || (type >= kFieldAlphameric && type <= kFieldCompare);
}

bool isDisplayType(int type) { return type >= kFieldLookup && type <= kFieldPause; }

bool acceptsCharacter(int type, char c) {
    switch (type) {
        case kFieldText:
        case kFieldExtension:
        case kFieldVariable1:
        case kFieldVariable2:
        case kFieldVariable3: return true;
        case kFieldInteger:
        case kFieldAuto: return isDigit(c);
        case kFieldReal: return isDigit(c) || c == '.';
        case kFieldLetter: return isLetter(c);
        case kFieldBoolean: return std::string_view("01FNTYfnty").find(c) != std::string_view::npos;
        case kFieldAlphameric: return isDigit(c) || isLetter(c);
        default: return false;
    }
}

}  // namespace tessel::sim
