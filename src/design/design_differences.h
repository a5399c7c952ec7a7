#pragma once
// The differences between two designs in the design's own terms, one line
// each: "form 5, field 7, type: integer -> real",
// "menu 1, item 2, name: "Stock" -> "Inventory"",
// "texts, Main menu, line 1: ...". Every byte of the definition is compared,
// so no line means the definitions are the same.
#include <string>
#include <vector>

#include "core/definition.h"

namespace tessel {

class Strings;

struct DesignSide {
    const Definition& definition;
    int family;
};

std::vector<std::string> designDifferences(const DesignSide& before, const DesignSide& after, const Strings& strings);

}  // namespace tessel
