#pragma once
// What the "Initial value or text" edit of a field keeps of what is typed.
#include <cstddef>
#include <string>
#include <string_view>

namespace tessel {

// Characters the edit takes: one for a boolean, else nine.
std::size_t initialValueLimit(int type);

// `text` (Windows-1251) cut to the limit and filtered by the field's type:
// integers keep digits; real and auto(+/-) numbers keep digits and a single
// "."; a boolean keeps only a yes/no/true/false/0/1 character; an alphameric
// value ends at its first character that is not a letter or digit.
std::string filterInitialValue(int type, std::string_view text);

}  // namespace tessel
