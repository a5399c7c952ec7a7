#include "simulator/lookup_load.h"

#include <algorithm>

namespace tessel::sim {
namespace {

enum BadFormatAction : Byte { kStopDownload = 0, kTruncate = 1, kSkipRecord = 2 };

constexpr char kCr = '\r';
constexpr char kLf = '\n';

bool isLineEnd(char c) { return c == kCr || c == kLf; }

// Text that the terminal's 8-bit character set would show garbled: UTF-16
// and UTF-8 (by their byte order marks, or UTF-8 by its multi-byte
// sequences, which Windows-1251 text practically never forms).
std::optional<std::string> foreignEncoding(std::string_view content) {
    if (content.starts_with("\xFF\xFE") || content.starts_with("\xFE\xFF")) return "UTF-16 text";
    if (content.starts_with("\xEF\xBB\xBF")) return "UTF-8 text";
    bool multiByte = false;
    for (std::size_t i = 0; i < content.size();) {
        const auto byte = static_cast<unsigned char>(content[i]);
        const std::size_t length = byte < 0x80             ? 1
                                   : (byte & 0xE0) == 0xC0 ? 2
                                   : (byte & 0xF0) == 0xE0 ? 3
                                   : (byte & 0xF8) == 0xF0 ? 4
                                                           : 0;
        if (length == 0 || (length == 2 && byte < 0xC2) || i + length > content.size()) return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(content[i + k]) & 0xC0) != 0x80) return std::nullopt;
        }
        multiByte = multiByte || length > 1;
        i += length;
    }
    return multiByte ? std::optional<std::string>("UTF-8 text") : std::nullopt;
}

std::size_t lineOfByte(std::string_view content, std::size_t position) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < position; ++i) {
        if (content[i] == kLf || (content[i] == kCr && (i + 1 >= content.size() || content[i + 1] != kLf))) ++line;
    }
    return line;
}

// The columns of a record and whether it fits the layout as it is.
struct Cut {
    LookupColumns columns;
    bool fits = true;
};

// Fixed columns: a record longer than the member length does not fit, nor
// one too short to hold its key column; columns past the end of a shorter
// record read as far as it reaches.
Cut cutFixed(const LookupRecord& layout, std::string_view text) {
    Cut cut;
    const std::size_t count = std::min<std::size_t>(layout.columnCount, kColumnsPerLookup);
    const std::size_t key = std::min<std::size_t>(layout.keyColumn, kColumnsPerLookup - 1);
    const std::size_t keyEnd = std::max<std::size_t>(layout.columnOffset[key], 1) - 1 + layout.columnLength[key];
    cut.fits = text.size() <= layout.recordLength && text.size() >= std::min<std::size_t>(keyEnd, layout.recordLength);
    const std::string_view record = text.substr(0, layout.recordLength);
    for (std::size_t c = 0; c < count; ++c) {
        const std::size_t offset = std::max<std::size_t>(layout.columnOffset[c], 1) - 1;
        if (offset < record.size()) cut.columns[c] = std::string(record.substr(offset, layout.columnLength[c]));
    }
    return cut;
}

// Delimited columns: exactly the lookup's number of columns, none longer
// than its maximum length; reformatting cuts long columns, drops extra ones
// and leaves missing ones empty.
Cut cutDelimited(const LookupRecord& layout, std::string_view text) {
    Cut cut;
    const std::size_t count = std::min<std::size_t>(layout.columnCount, kColumnsPerLookup);
    const char delimiter = static_cast<char>(layout.delimiter);
    std::size_t column = 0;
    std::size_t from = 0;
    while (true) {
        const std::size_t end = std::min(text.find(delimiter, from), text.size());
        const std::string_view value = text.substr(from, end - from);
        if (column < count) {
            if (value.size() > layout.columnLength[column]) cut.fits = false;
            cut.columns[column] = std::string(value.substr(0, layout.columnLength[column]));
        }
        ++column;
        if (end == text.size()) break;
        from = end + 1;
    }
    if (column != count) cut.fits = false;
    return cut;
}

}  // namespace

std::vector<LookupLine> splitLookupLines(std::string_view content) {
    std::vector<LookupLine> lines;
    std::size_t number = 1;
    std::size_t i = 0;
    while (i < content.size()) {
        std::size_t end = i;
        while (end < content.size() && !isLineEnd(content[end])) ++end;
        if (end > i) {
            const std::string_view text = content.substr(i, end - i);
            lines.push_back({std::string(text.substr(0, kLookupLineLimit)), number, text.size() > kLookupLineLimit});
        }
        if (end < content.size()) {
            const bool crLf = content[end] == kCr && end + 1 < content.size() && content[end + 1] == kLf;
            end += crLf ? 2 : 1;
            ++number;
        }
        i = end;
    }
    return lines;
}

LookupLoad loadLookupData(const LookupRecord& layout, std::string_view content) {
    LookupLoad load;
    if (const auto encoding = foreignEncoding(content)) {
        load.error =
            "the file is " + *encoding + "; the terminal reads 8-bit Windows-1251 text: save it in that encoding first";
        return load;
    }
    if (const auto nul = content.find('\0'); nul != std::string_view::npos) {
        load.error = "line " + std::to_string(lineOfByte(content, nul)) +
                     " holds a NUL byte, which the terminal cannot take; is this a text file?";
        return load;
    }
    return loadLookupLines(layout, splitLookupLines(content));
}

LookupLoad loadLookupLines(const LookupRecord& layout, const std::vector<LookupLine>& lines) {
    LookupLoad load;
    LookupData data(layout);
    for (const LookupLine& line : lines) {
        if (line.cut) ++load.cutLines;
        Cut cut = layout.delimiter != 0 ? cutDelimited(layout, line.text) : cutFixed(layout, line.text);
        if (!cut.fits) {
            if (layout.badFormatAction == kSkipRecord) {
                ++load.skipped;
                continue;
            }
            if (layout.badFormatAction != kTruncate) {
                LookupLoad refused;
                refused.error = "line " + std::to_string(line.number) +
                                " does not fit the lookup's record format; nothing was loaded";
                return refused;
            }
            ++load.reformatted;
        } else {
            ++load.loaded;
        }
        data.add(std::move(cut.columns));
    }
    load.data = std::move(data);
    return load;
}

std::string lookupLoadSummary(const LookupLoad& load) {
    std::string text = std::to_string(load.loaded + load.reformatted) + " records loaded";
    if (load.reformatted > 0) text += ", " + std::to_string(load.reformatted) + " of them cut or padded to fit";
    if (load.skipped > 0) text += ", " + std::to_string(load.skipped) + " skipped";
    if (load.cutLines > 0) text += ", " + std::to_string(load.cutLines) + " lines longer than 255 characters cut";
    return text;
}

LookupLoadReport loadLookupInto(TerminalData& data, const LookupTable& lookups, int number, std::string_view content) {
    const std::string name = "Lookup " + std::to_string(number);
    if (number < 1 || number > static_cast<int>(kLookupCount))
        return {false, name + " does not exist: there are lookups 1 to 3"};
    const LookupRecord& layout = lookups[static_cast<std::size_t>(number - 1)];
    if (layout.recordLength == 0 || layout.columnCount == 0)
        return {false, name + " is not in use in this design: give it a record format on the Lookup page first"};
    LookupLoad load = loadLookupData(layout, content);
    if (!load.data) return {false, name + ": " + load.error};
    data.lookups[static_cast<std::size_t>(number - 1)] = std::move(load.data);
    return {true, name + ": " + lookupLoadSummary(load)};
}

}  // namespace tessel::sim
