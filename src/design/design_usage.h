#pragma once
// Which forms, menus and lookups of a definition the design uses, and where
// the terminal goes from each: what the checks and the tool's summaries
// build on.
#include <optional>

#include "core/definition.h"

namespace tessel {

// A form is in use when one of its fields has a type.
bool formInUse(const FormRecord& form);
// A form can be started when it has a field that takes data (types 1..6
// and 14..18); the terminal's cursor visits no other line.
bool formTakesInput(const FormRecord& form);
// A menu is in use when an item's first 20 characters hold a visible character.
bool menuInUse(const MenuRecord& menu);
bool menuItemInUse(const MenuRecord& menu, std::size_t item);
// A lookup is in use when its record length and column count are both set.
bool lookupInUse(const LookupRecord& lookup);

// Target codes: 0 the main menu, 1..10 forms, 11..20 menus.
inline constexpr int kMainMenuTarget = 0;
inline constexpr int kFirstMenuTarget = 11;
inline constexpr int kLastTarget = 20;

// The target the application starts at, as the terminal picks it: form 1
// when the program starts from it and it takes input, else menu 1 when it
// has items; nothing when neither can run.
std::optional<int> startTarget(const Definition& definition);

}  // namespace tessel
