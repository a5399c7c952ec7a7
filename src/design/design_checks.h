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

// The editor page a finding is made on, in the sheet's tab order.
enum class DesignPage { None = -1, Form, Menu, Lookup, Barcode, Settings, Startup };

// Where on the pages a finding can be mended: the page, the form, menu,
// lookup or text group on it (0-based, -1 for none) and the field, item or
// line in that (-1 for none).
struct FindingLocation {
    DesignPage page = DesignPage::None;
    int index = -1;
    int element = -1;

    bool operator==(const FindingLocation&) const = default;
};

FindingLocation formLocation(std::size_t form, int field = -1);
FindingLocation menuLocation(std::size_t menu, int item = -1);

struct Finding {
    std::string place;    // "form 2, field 3"
    std::string problem;  // "min length 50 is above max length 40"
    FindingLocation location{};

    bool operator==(const Finding&) const = default;
};

// "form 2, field 3: min length 50 is above max length 40".
std::string findingLine(const Finding& finding);

// Every finding, in the order of the design: start and targets, forms,
// menus, lookups, texts, settings.
std::vector<Finding> checkDesign(const Definition& definition, int family, const Strings& strings);

}  // namespace tessel
