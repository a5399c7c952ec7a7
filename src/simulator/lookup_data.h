#pragma once
// The records of one lookup as the terminal holds them after a lookup file
// was loaded: up to eight column texts a record, found by the key column.
// Searching goes through a hash index on the key, so a lookup of 100 000
// records answers in a few microseconds; records removed or read once stay in
// place, marked, so record numbers never move while a form holds one.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/records/lookup_record.h"

namespace tessel::sim {

using LookupColumns = std::array<std::string, kColumnsPerLookup>;

class LookupData {
public:
    // `layout` gives the key column and how the records are written back as
    // lines (fixed columns or delimited).
    explicit LookupData(const LookupRecord& layout);

    // Appends a record as loaded; its number is returned.
    std::size_t add(LookupColumns columns);
    // Appends a record that a form wrote, which changes the data.
    std::size_t insert(LookupColumns columns) {
        changed_ = true;
        return add(std::move(columns));
    }

    // The first live record whose key equals `key`; trailing spaces count on
    // neither side, as fixed columns are padded with them. With `unreadOnly`,
    // records already read once are passed over.
    std::optional<std::size_t> find(std::string_view key, bool unreadOnly = false) const;

    // Whether `number` names a record still held.
    bool holds(std::size_t number) const { return number < entries_.size() && !entries_[number].removed; }
    const LookupColumns& record(std::size_t number) const { return entries_[number].columns; }
    // Replaces column `column` (0 to 7) of a record, the key included.
    void setColumn(std::size_t number, std::size_t column, std::string text);
    void markRead(std::size_t number) { entries_[number].read = true; }
    void remove(std::size_t number);

    // Records still held (not removed).
    std::size_t size() const { return live_; }
    std::size_t keyColumn() const { return keyColumn_; }
    bool changed() const { return changed_; }

    // The live records as lines of the lookup file, in the layout's format.
    std::vector<std::string> lines() const;

private:
    struct Entry {
        LookupColumns columns;
        bool removed = false;
        bool read = false;
    };

    std::string keyOf(const LookupColumns& columns) const;
    void unindex(std::size_t number);

    LookupRecord layout_;
    std::size_t keyColumn_;
    std::vector<Entry> entries_;
    std::unordered_multimap<std::string, std::size_t> index_;
    std::size_t live_ = 0;
    bool changed_ = false;
};

// The key text as it is compared: without trailing spaces.
std::string_view comparedKey(std::string_view key);

}  // namespace tessel::sim
