#include "simulator/field_types.h"

#include <string_view>

namespace tessel::sim {
namespace {

// Only ASCII digits and letters count, whatever the 8-bit character set holds.
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

bool isInputType(int type) {
    return (type >= kTypeText && type <= kTypeBoolean) || (type >= kTypeAlphameric && type <= kTypeCompare);
}

bool isDisplayType(int type) { return type >= kTypeLookup && type <= kTypePause; }

bool acceptsCharacter(int type, char c) {
    switch (type) {
        case kTypeText:
        case kTypeExtension:
        case kTypeVariable1:
        case kTypeVariable2:
        case kTypeVariable3: return true;
        case kTypeInteger:
        case kTypeAutoSign: return isDigit(c);
        case kTypeReal: return isDigit(c) || c == '.';
        case kTypeLetter: return isLetter(c);
        case kTypeBoolean: return std::string_view("01FNTYfnty").find(c) != std::string_view::npos;
        case kTypeAlphameric: return isDigit(c) || isLetter(c);
        default: return false;
    }
}

}  // namespace tessel::sim
