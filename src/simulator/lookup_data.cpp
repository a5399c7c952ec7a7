#include "simulator/lookup_data.h"

#include <algorithm>

namespace tessel::sim {

std::string_view comparedKey(std::string_view key) {
    const auto end = key.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : key.substr(0, end + 1);
}

LookupData::LookupData(const LookupRecord& layout)
    : layout_(layout), keyColumn_(std::min<std::size_t>(layout.keyColumn, kColumnsPerLookup - 1)) {}

std::string LookupData::keyOf(const LookupColumns& columns) const {
    return std::string(comparedKey(columns[keyColumn_]));
}

std::size_t LookupData::add(LookupColumns columns) {
    const std::size_t number = entries_.size();
    index_.emplace(keyOf(columns), number);
    entries_.push_back({std::move(columns)});
    ++live_;
    return number;
}

// Records with the same key come in the order they were added; the first
// that is still held wins.
std::optional<std::size_t> LookupData::find(std::string_view key, bool unreadOnly) const {
    std::optional<std::size_t> first;
    const auto [begin, end] = index_.equal_range(std::string(comparedKey(key)));
    for (auto it = begin; it != end; ++it) {
        const Entry& entry = entries_[it->second];
        if (entry.removed || (unreadOnly && entry.read)) continue;
        if (!first || it->second < *first) first = it->second;
    }
    return first;
}

void LookupData::unindex(std::size_t number) {
    const auto [begin, end] = index_.equal_range(keyOf(entries_[number].columns));
    for (auto it = begin; it != end; ++it) {
        if (it->second == number) {
            index_.erase(it);
            return;
        }
    }
}

void LookupData::setColumn(std::size_t number, std::size_t column, std::string text) {
    Entry& entry = entries_[number];
    const bool key = column == keyColumn_;
    if (key) unindex(number);
    entry.columns[column] = std::move(text);
    if (key) index_.emplace(keyOf(entry.columns), number);
    changed_ = true;
}

void LookupData::remove(std::size_t number) {
    Entry& entry = entries_[number];
    if (entry.removed) return;
    unindex(number);
    entry.removed = true;
    --live_;
    changed_ = true;
}

// Fixed columns go back to their offsets, padded with spaces to their
// lengths; delimited columns are joined by the delimiter.
std::vector<std::string> LookupData::lines() const {
    const std::size_t count = std::min<std::size_t>(layout_.columnCount, kColumnsPerLookup);
    std::vector<std::string> lines;
    lines.reserve(live_);
    for (const Entry& entry : entries_) {
        if (entry.removed) continue;
        std::string line;
        if (layout_.delimiter != 0) {
            for (std::size_t c = 0; c < count; ++c) {
                if (c > 0) line += static_cast<char>(layout_.delimiter);
                line += entry.columns[c];
            }
        } else {
            line.assign(layout_.recordLength, ' ');
            for (std::size_t c = 0; c < count; ++c) {
                const std::size_t offset = std::max<std::size_t>(layout_.columnOffset[c], 1) - 1;
                const std::string_view text = std::string_view(entry.columns[c]).substr(0, layout_.columnLength[c]);
                if (offset >= line.size()) continue;
                line.replace(offset, std::min(text.size(), line.size() - offset), text.substr(0, line.size() - offset));
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace tessel::sim
