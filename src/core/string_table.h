#pragma once
// The built-in English texts, named by string id. The data file is compiled
// into the program; texts are held as Windows-1251 bytes like every other
// terminal or language text.
#include <map>
#include <string>
#include <string_view>

namespace tessel {

class StringTable {
public:
    // The table compiled into the program.
    static const StringTable& builtin();

    // Reads the data-file form: UTF-8 lines "id=text" with backslash escapes
    // for newline, carriage return, tab and backslash; '#' lines and blank
    // lines are skipped. Lines that do not parse
    // are skipped too, so a bad line never hides the others.
    static StringTable parse(std::string_view source);

    // The text of `id`, or an empty view when the table has none.
    std::string_view text(int id) const;

    const std::map<int, std::string>& entries() const { return entries_; }

private:
    std::map<int, std::string> entries_;
};

}  // namespace tessel
