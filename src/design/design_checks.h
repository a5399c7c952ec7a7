#pragma once
// Design mistakes a definition can carry to the terminal: forms and menus
// nothing leads to, targets that lead nowhere, lookup links to lookup files
// that are not defined, lengths that contradict each other, delimiters that
// can occur in the data, texts longer than the screen, and settings the
// terminal does not take. Each finding names its place in the design's terms.
#include <string>
#include <vector>

#include "core/definition.h"

namespace tessel {

class Strings;

struct Finding {
    std::string place;    // "form 2, field 3"
    std::string problem;  // "min length 50 is above max length 40"

    bool operator==(const Finding&) const = default;
};

// "form 2, field 3: min length 50 is above max length 40".
std::string findingLine(const Finding& finding);

// Every finding, in the order of the design: start and targets, forms,
// menus, lookups, texts, settings.
std::vector<Finding> checkDesign(const Definition& definition, int family, const Strings& strings);

}  // namespace tessel
