#include "core/string_table.h"

#include <charconv>

#include "core/text_encoding.h"

namespace tessel {

extern const char* const kBuiltinStringData;

namespace {

std::string unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            default: out += text[i]; break;
        }
    }
    return out;
}

}  // namespace

const StringTable& StringTable::builtin() {
    static const StringTable table = parse(kBuiltinStringData);
    return table;
}

StringTable StringTable::parse(std::string_view source) {
    StringTable table;
    while (!source.empty()) {
        const auto end = source.find('\n');
        std::string_view line = source.substr(0, end);
        source = end == std::string_view::npos ? std::string_view{} : source.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;

        const auto eq = line.find('=');
        int id = 0;
        const auto idText = line.substr(0, eq);
        const auto [ptr, ec] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
        if (eq == std::string_view::npos || ec != std::errc{} || ptr != idText.data() + idText.size()) continue;
        table.entries_[id] = utf8ToCp1251Lossy(unescape(line.substr(eq + 1)));
    }
    return table;
}

std::string_view StringTable::text(int id) const {
    const auto it = entries_.find(id);
    return it == entries_.end() ? std::string_view{} : std::string_view{it->second};
}

}  // namespace tessel
