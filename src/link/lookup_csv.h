#pragma once
// A lookup file made from a spreadsheet export (CSV): rows of comma,
// semicolon or tab separated fields, quoted where they hold the separator,
// quotes or line ends, in UTF-8 or Windows-1251. The chosen columns become
// records of the lookup's layout, in the terminal's 8-bit text.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/lookup_layout.h"

namespace tessel::link {

struct CsvOptions {
    char separator = 0;   // ',', ';' or '\t'; 0 takes the one the first row uses most
    bool header = false;  // the first row names the columns and is not converted
    // The CSV columns that make the lookup's columns, in the lookup's order:
    // 1-based numbers, or names of the header row; empty takes the first ones.
    std::vector<std::string> columns;
    bool strict = false;  // refuse rows whose fields would be cut
};

// One row of the CSV: its fields, and the line it starts on.
struct CsvRow {
    std::size_t line;
    std::vector<std::string> fields;
};

// The rows of `csv` (a UTF-8 byte-order mark passed over); an unclosed quote
// ends the last row at the end of the text.
std::vector<CsvRow> parseCsv(std::string_view csv, char separator);

// The separator the line uses most outside quotes: ',' ';' or tab.
char guessSeparator(std::string_view firstLine);

struct LookupConversion {
    std::string file;                // the records, each ended by CR LF
    std::vector<LineFault> cut;      // fields cut to fit (the row still went in)
    std::vector<LineFault> refused;  // rows that cannot fit, left out
    std::size_t records = 0;
};

// Nothing, with the reason in `error`, for options that do not fit the CSV
// or the layout (a column that is not there, the wrong number of columns).
std::optional<LookupConversion> csvToLookup(std::string_view csv, const LookupRecord& layout, const CsvOptions& options,
                                            std::string& error);

}  // namespace tessel::link
