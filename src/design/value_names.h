#pragma once
// A stored number as the page that edits it shows it: the entry of its list
// ("Show warning message", "menu 2", "9600"), taken from the lists the pages
// themselves fill. A number no list names stays a number.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/bytes.h"

namespace tessel {

class Strings;

enum class RecordKind { Form, Menu, Lookup, Settings, WeightCode, Other };

// Where a value is stored: the record it is in (for lists that depend on
// other members), which element of its member, and the design's family.
struct ValuePlace {
    RecordKind kind;
    std::string_view member;
    std::span<const Byte> record;
    std::size_t element;
    int family;
};

std::string valueName(const ValuePlace& place, int value, const Strings& strings);

}  // namespace tessel
