#pragma once
// The text of the clock line that the main menu shows over its bottom row.
#include <string>

#include "simulator/clock.h"

namespace tessel::sim {

// The month's three-letter abbreviation in the terminal's character set and a
// space, then "DD, HH:MM  " with the colon shown in phases 0 to 4 and a space
// in phases 5 to 9 (so it blinks once a second), then the record counter as
// five digits unless each form saves to its own data file.
std::string clockLineText(const LocalTime& time, int phase, unsigned recordCounter, bool separateDataFiles);

}  // namespace tessel::sim
