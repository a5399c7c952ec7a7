#pragma once
// Where the program goes: a start that has something to run, targets that
// lead to a form or menu in use, and forms and menus the start reaches.
#include <vector>

#include "design/design_checks.h"

namespace tessel {

class Strings;

void checkFlow(const Definition& definition, const Strings& strings, std::vector<Finding>& findings);

}  // namespace tessel
