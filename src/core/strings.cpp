#include "core/strings.h"

#include <algorithm>

#include "core/text_encoding.h"

namespace tessel {

std::string Strings::text(int id, std::size_t limit) const {
    std::string_view found;
    if (language_.active()) found = language_.text(id);
    if (found.empty()) found = table_->text(id);
    return std::string(found.substr(0, limit));
}

std::string Strings::utf8(int id) const { return cp1251ToUtf8(text(id)); }

std::vector<int> languageFileIds(const StringTable& table, const std::vector<int>& moreSlots) {
    std::vector<int> ids(kLanguageOnlySlots.begin(), kLanguageOnlySlots.end());
    ids.insert(ids.end(), moreSlots.begin(), moreSlots.end());
    for (const auto& entry : table.entries()) ids.push_back(entry.first);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

}  // namespace tessel
