#include "link/lookup_csv.h"

#include <algorithm>
#include <charconv>

#include "core/text_encoding.h"

namespace tessel::link {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Whether the text is well-formed UTF-8; Windows-1251 letters hardly ever are.
bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2) return false;
        i += length;
    }
    return true;
}

// A field as the terminal's 8-bit text: UTF-8 input converted, Windows-1251
// taken as it is; nothing for a character the terminal has no byte for.
std::optional<std::string> terminalText(std::string_view field, bool utf8) {
    if (!utf8) return std::string(field);
    return utf8ToCp1251(field);
}

std::optional<std::size_t> columnIndex(const std::string& chosen, const std::vector<std::string>& header) {
    std::size_t number = 0;
    const auto [end, problem] = std::from_chars(chosen.data(), chosen.data() + chosen.size(), number);
    if (problem == std::errc{} && end == chosen.data() + chosen.size() && number >= 1) return number - 1;
    const auto named = std::find(header.begin(), header.end(), chosen);
    if (named == header.end()) return std::nullopt;
    return static_cast<std::size_t>(named - header.begin());
}

// The record of one row's chosen fields; `cut` notes fields cut to fit,
// `refused` why the row cannot fit.
std::string recordOf(const std::vector<std::string>& fields, const LookupRecord& layout, std::vector<std::string>& cut,
                     std::string& refused) {
    const bool fixed = layout.delimiter == 0;
    std::string record = fixed ? std::string(layout.recordLength, ' ') : std::string();
    for (std::size_t c = 0; c < fields.size(); ++c) {
        std::string field = fields[c];
        const std::size_t length = layout.columnLength[c];
        if (!fixed && field.find(static_cast<char>(layout.delimiter)) != std::string::npos) {
            refused = "column " + std::to_string(c + 1) + " holds the delimiter";
            return {};
        }
        if (field.size() > length) {
            cut.push_back("column " + std::to_string(c + 1) + " cut from " + std::to_string(field.size()) + " to " +
                          std::to_string(length) + " characters");
            field.resize(length);
        }
        if (fixed) {
            const std::size_t start = layout.columnOffset[c] == 0 ? 0 : layout.columnOffset[c] - 1u;
            if (start < record.size()) record.replace(start, std::min(field.size(), record.size() - start), field);
        } else {
            record += (c == 0 ? "" : std::string(1, static_cast<char>(layout.delimiter))) + field;
        }
    }
    return record;
}

}  // namespace

char guessSeparator(std::string_view firstLine) {
    std::size_t counts[3] = {};
    bool quoted = false;
    for (const char c : firstLine) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        counts[0] += c == ',';
        counts[1] += c == ';';
        counts[2] += c == '\t';
    }
    const auto most = std::max_element(std::begin(counts), std::end(counts)) - std::begin(counts);
    return ",;\t"[most];
}

std::vector<CsvRow> parseCsv(std::string_view csv, char separator) {
    if (csv.starts_with(kUtf8ByteOrderMark)) csv.remove_prefix(kUtf8ByteOrderMark.size());
    std::vector<CsvRow> rows;
    CsvRow row{1, {}};
    std::string field;
    std::size_t line = 1;
    bool quoted = false, rowHasText = false;
    const auto endRow = [&] {
        if (rowHasText || !field.empty() || !row.fields.empty()) {
            row.fields.push_back(std::move(field));
            rows.push_back(std::move(row));
        }
        field.clear();
        row = CsvRow{line, {}};
        rowHasText = false;
    };
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n') ++line;
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
            rowHasText = true;
        } else if (c == separator) {
            row.fields.push_back(std::move(field));
            field.clear();
            rowHasText = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n') ++i;
            ++line;
            endRow();
        } else {
            field += c;
        }
    }
    endRow();
    return rows;
}

std::optional<LookupConversion> csvToLookup(std::string_view csv, const LookupRecord& layout, const CsvOptions& options,
                                            std::string& error) {
    if (!lookupInUse(layout)) {
        error = "the lookup is not in use (no record length or columns)";
        return std::nullopt;
    }
    const bool utf8 = isUtf8(csv);
    const char separator =
        options.separator != 0 ? options.separator : guessSeparator(csv.substr(0, csv.find_first_of("\r\n")));
    auto rows = parseCsv(csv, separator);
    std::vector<std::string> header;
    if (options.header && !rows.empty()) {
        header = rows.front().fields;
        rows.erase(rows.begin());
    }
    const std::size_t count = std::min<std::size_t>(layout.columnCount, kColumnsPerLookup);
    std::vector<std::size_t> picked;
    for (const auto& chosen : options.columns) {
        const auto index = columnIndex(chosen, header);
        if (!index) {
            error = "no column " + chosen + (header.empty() ? " (names need --header)" : " in the header row");
            return std::nullopt;
        }
        picked.push_back(*index);
    }
    if (picked.empty())
        for (std::size_t c = 0; c < count; ++c) picked.push_back(c);
    if (picked.size() != count) {
        error = std::to_string(picked.size()) + " columns chosen; the lookup has " + std::to_string(count);
        return std::nullopt;
    }

    LookupConversion result;
    for (const auto& row : rows) {
        std::vector<std::string> fields;
        std::string refused;
        for (const std::size_t index : picked) {
            const auto text = index < row.fields.size() ? terminalText(row.fields[index], utf8) : std::nullopt;
            if (index >= row.fields.size())
                refused = "has " + std::to_string(row.fields.size()) + " columns";
            else if (!text)
                refused = "column " + std::to_string(index + 1) + " has a character the terminal lacks";
            if (!refused.empty()) break;
            fields.push_back(*text);
        }
        std::vector<std::string> cut;
        std::string record = refused.empty() ? recordOf(fields, layout, cut, refused) : std::string();
        if (refused.empty() && options.strict && !cut.empty()) refused = cut.front() + " (--strict)";
        if (refused.empty()) {
            auto faults = lineFaults(record, layout);
            if (!faults.empty()) refused = faults.front();
        }
        if (!refused.empty()) {
            result.refused.push_back({row.line, refused});
            continue;
        }
        for (auto& what : cut) result.cut.push_back({row.line, std::move(what)});
        result.file += record + "\r\n";
        ++result.records;
    }
    return result;
}

}  // namespace tessel::link
