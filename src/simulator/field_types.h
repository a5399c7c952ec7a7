#pragma once
// The data types of form fields as the simulator runs them: which lines take
// input, which only show something, and which characters each type accepts.
#include "core/bytes.h"

namespace tessel::sim {

enum FieldType : int {
    kTypeNone = 0,
    kTypeText = 1,
    kTypeInteger = 2,
    kTypeReal = 3,
    kTypeLetter = 4,
    kTypeAutoSign = 5,  // "auto(+/-)"
    kTypeBoolean = 6,
    kTypeLookup = 7,
    kTypeFixedData = 8,
    kTypePrompt = 9,
    kTypeCounter = 10,
    kTypePassDown = 11,
    kTypeExtension = 12,  // continues the field above it on the next line
    kTypePause = 13,
    kTypeAlphameric = 14,
    kTypeVariable1 = 15,
    kTypeVariable2 = 16,
    kTypeVariable3 = 17,
    kTypeCompare = 18,
};

// The cursor visits only these: types 1 to 6 and 14 to 18.
bool isInputType(int type);

// Lines that only show something: types 7 to 13.
bool isDisplayType(int type);

// Whether a field of `type` takes the character `c`.
bool acceptsCharacter(int type, char c);

}  // namespace tessel::sim
