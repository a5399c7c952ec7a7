#pragma once
// The string lookup: every text shown, or stored into a definition, by string
// id comes through here. The active language's text for an id wins over the
// built-in one.
#include <string>
#include <string_view>
#include <vector>

#include "core/language.h"
#include "core/string_table.h"

namespace tessel {

class Strings {
public:
    explicit Strings(const StringTable& table = StringTable::builtin()) : table_(&table) {}

    // Windows-1251 text of `id`, at most `limit` characters; empty when
    // neither the language nor the table has one.
    std::string text(int id, std::size_t limit = kLanguageTextMax) const;
    // The same, as UTF-8 for display.
    std::string utf8(int id) const;

    const StringTable& table() const { return *table_; }
    LanguageTable& language() { return language_; }
    const LanguageTable& language() const { return language_; }

private:
    const StringTable* table_;
    LanguageTable language_;
};

// Every id the program reads a text for, in order: the string table's, the
// slots only a language file fills, and `moreSlots` (the reader dialogs'
// slots, which this library does not know). A language file template lists them.
std::vector<int> languageFileIds(const StringTable& table, const std::vector<int>& moreSlots = {});

}  // namespace tessel
