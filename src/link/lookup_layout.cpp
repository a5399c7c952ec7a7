#include "link/lookup_layout.h"

#include <algorithm>

#include "link/wire.h"

namespace tessel::link {
namespace {

std::size_t columnCountOf(const LookupRecord& layout) {
    return std::min<std::size_t>(layout.columnCount, kColumnsPerLookup);
}

bool blank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

std::string columnName(std::size_t column) { return "column " + std::to_string(column + 1); }

}  // namespace

bool lookupInUse(const LookupRecord& layout) { return layout.recordLength != 0 && layout.columnCount != 0; }

std::vector<LookupLine> lookupLines(std::string_view content) {
    std::vector<LookupLine> lines;
    std::size_t number = 1;
    while (!content.empty()) {
        const auto end = content.find_first_of("\r\n");
        const auto text = content.substr(0, end);
        if (!text.empty()) lines.push_back({number, text});
        if (end == std::string_view::npos) break;
        const bool crLf = content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n';
        content.remove_prefix(end + (crLf ? 2 : 1));
        ++number;
    }
    return lines;
}

std::vector<std::string_view> lookupColumns(std::string_view line, const LookupRecord& layout) {
    std::vector<std::string_view> columns;
    const std::size_t count = columnCountOf(layout);
    if (layout.delimiter == 0) {
        for (std::size_t c = 0; c < count; ++c) {
            const std::size_t start = layout.columnOffset[c] == 0 ? 0 : layout.columnOffset[c] - 1u;
            columns.push_back(start < line.size() ? line.substr(start, layout.columnLength[c]) : std::string_view{});
        }
        return columns;
    }
    const char delimiter = static_cast<char>(layout.delimiter);
    for (;;) {
        const auto end = line.find(delimiter);
        columns.push_back(line.substr(0, end));
        if (end == std::string_view::npos) break;
        line.remove_prefix(end + 1);
    }
    return columns;
}

std::vector<std::string> lineFaults(std::string_view line, const LookupRecord& layout) {
    std::vector<std::string> faults;
    if (line.find_first_of("\r\n") != std::string_view::npos)
        faults.push_back("a line end inside the record would cut it in two");
    if (line.size() > kMaxLookupChars)
        faults.push_back(std::to_string(line.size()) + " characters; a record carries at most 255");
    const std::size_t count = columnCountOf(layout);
    const auto columns = lookupColumns(line, layout);
    if (layout.delimiter == 0) {
        if (line.size() != layout.recordLength)
            faults.push_back(std::to_string(line.size()) + " characters; the records are " +
                             std::to_string(layout.recordLength));
    } else if (columns.size() != count) {
        faults.push_back(std::to_string(columns.size() - 1) + " delimiters; the records have " +
                         std::to_string(count - 1));
    } else {
        for (std::size_t c = 0; c < count; ++c)
            if (columns[c].size() > layout.columnLength[c])
                faults.push_back(columnName(c) + " has " + std::to_string(columns[c].size()) + " characters; at most " +
                                 std::to_string(layout.columnLength[c]));
    }
    const std::size_t key = layout.keyColumn;
    if (key < count && key < columns.size() && blank(columns[key]))
        faults.push_back("the key " + columnName(key) + " is empty");
    return faults;
}

std::vector<LineFault> checkLookupFile(std::string_view content, const LookupRecord& layout) {
    std::vector<LineFault> faults;
    for (const auto& line : lookupLines(content))
        for (auto& what : lineFaults(line.text, layout)) faults.push_back({line.number, std::move(what)});
    return faults;
}

}  // namespace tessel::link
