#pragma once
// Settings bytes outside what the terminal takes: the system settings'
// lists and numbers, and the settings of the reader the design names.
#include <vector>

#include "design/design_checks.h"

namespace tessel {

void checkSettingsRanges(const Definition& definition, int family, std::vector<Finding>& findings);

}  // namespace tessel
