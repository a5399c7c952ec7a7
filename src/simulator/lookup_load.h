#pragma once
// Loading a lookup text file into the simulated terminal, read as the
// terminal reads a lookup download: the lines that `tessel download-lookup`
// sends (CR, LF or CR LF ends a line, blank lines are skipped, at most 255
// characters a line), each cut into columns by the lookup's record format,
// and a record that does not fit handled by the lookup's bad-format action.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/definition.h"
#include "core/records/lookup_record.h"
#include "simulator/lookup_data.h"
#include "simulator/terminal_data.h"

namespace tessel::sim {

// A download carries at most this many characters a record.
inline constexpr std::size_t kLookupLineLimit = 255;

struct LookupLine {
    std::string text;
    std::size_t number = 0;  // 1-based line of the file
    bool cut = false;        // the line was longer than a download carries
};

// The lines a download sends, with their line numbers in the file.
std::vector<LookupLine> splitLookupLines(std::string_view content);

struct LookupLoad {
    std::optional<LookupData> data;  // nothing when the file was refused
    std::size_t loaded = 0;          // records taken as they are
    std::size_t reformatted = 0;     // records cut or padded to fit
    std::size_t skipped = 0;         // records left out
    std::size_t cutLines = 0;        // lines longer than 255 characters, cut as a download cuts them
    std::string error;               // why the file was refused
};

// Reads `content` for a lookup laid out as `layout`. A file that holds NUL
// bytes or is text of another encoding than the terminal's 8-bit one is
// refused whole; so is a file with a record that does not fit when the
// bad-format action is "Stop the download process".
LookupLoad loadLookupData(const LookupRecord& layout, std::string_view content);

// The same for records that already arrived as lines (a lookup download
// the simulated terminal kept).
LookupLoad loadLookupLines(const LookupRecord& layout, const std::vector<LookupLine>& lines);

// "N records loaded", with the cut, skipped and reformatted counts when
// there are any.
std::string lookupLoadSummary(const LookupLoad& load);

// What loading a file into one of the terminal's lookups came to: the counts,
// or why nothing was loaded, in a sentence that names the lookup.
struct LookupLoadReport {
    bool loaded = false;
    std::string text;
};

// Loads `content` into lookup `number` (1 to 3) of `data`, replacing what it
// held; a lookup the design does not use takes nothing.
LookupLoadReport loadLookupInto(TerminalData& data, const LookupTable& lookups, int number, std::string_view content);

}  // namespace tessel::sim
