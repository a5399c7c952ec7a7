#pragma once
// Lookup text files against the record layout of the lookup they are for:
// the checks before a download, so that the terminal is not sent lines that
// do not fit, and the lines made from the columns of a spreadsheet export.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/lookup_record.h"

namespace tessel::link {

struct LineFault {
    std::size_t line;  // 1-based, as an editor counts the file's lines
    std::string what;

    bool operator==(const LineFault&) const = default;
};

// Whether `layout` describes a lookup in use (record length and columns set).
bool lookupInUse(const LookupRecord& layout);

// The lines of a lookup file as the download splits them: at CR LF, LF or
// CR; with their line numbers; empty lines left out.
struct LookupLine {
    std::size_t number;
    std::string_view text;
};
std::vector<LookupLine> lookupLines(std::string_view content);

// What is wrong with one line (its characters, without the line end) for
// `layout`; empty when it fits: a fixed record of another length, the wrong
// number of delimiters, a column longer than its length, an empty key
// column, a line end inside the record, more than a record carries.
std::vector<std::string> lineFaults(std::string_view line, const LookupRecord& layout);

// Every fault of every line of `content`.
std::vector<LineFault> checkLookupFile(std::string_view content, const LookupRecord& layout);

// The columns of a line, as the layout cuts them (spaces kept).
std::vector<std::string_view> lookupColumns(std::string_view line, const LookupRecord& layout);

}  // namespace tessel::link
