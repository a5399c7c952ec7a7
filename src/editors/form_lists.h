#pragma once
// The entries of the Form page's lists, in display text (UTF-8). The index of
// an entry is the value the record stores for it.
#include <string>
#include <vector>

namespace tessel {

class Strings;

using ListEntries = std::vector<std::string>;

inline constexpr int kTargetCount = 21;  // main menu, forms 1..10, menus 1..10

// The texts of string ids firstId..lastId, in order.
ListEntries stringRangeEntries(const Strings& strings, int firstId, int lastId);

ListEntries formNameEntries(const Strings& strings);
// "main", "form  1".."form  10", "menu  1".."menu  10": a target code each.
ListEntries targetEntries(const Strings& strings);
// The targets and a 22nd entry that only a language file labels.
ListEntries nextTargetEntries(const Strings& strings);
// "Skip error", then the targets.
ListEntries errorActionEntries(const Strings& strings);
ListEntries formLookupEntries(const Strings& strings);
ListEntries recordActionEntries(const Strings& strings);
ListEntries fieldTypeEntries(const Strings& strings);
ListEntries inputSourceEntries(const Strings& strings);

// A field's link list: lookup columns when the form has a lookup file (with
// signed columns for integer, real and auto(+/-) fields), else variables.
ListEntries fieldLinkEntries(const Strings& strings, int formLookup, int type);

// The link a field's list shows for a stored link: a signed column in a list
// without signed columns folds to its plain column.
int foldedFieldLink(int formLookup, int type, int stored);

}  // namespace tessel
