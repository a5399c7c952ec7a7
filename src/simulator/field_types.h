#pragma once
// The data types of form fields as the simulator runs them: which lines take
// input, which only show something, and which characters each type accepts.
#include "core/bytes.h"
#include "core/records/field_type.h"

namespace tessel::sim {

// The cursor visits only these: types 1 to 6 and 14 to 18.
bool isInputType(int type);

// Lines that only show something: types 7 to 13.
bool isDisplayType(int type);

// Whether a field of `type` takes the character `c`.
bool acceptsCharacter(int type, char c);

}  // namespace tessel::sim
