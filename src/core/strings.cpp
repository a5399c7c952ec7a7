#include "core/strings.h"

#include "core/text_encoding.h"

namespace tessel {

std::string Strings::text(int id, std::size_t limit) const {
    std::string_view found;
    if (language_.active()) found = language_.text(id);
    if (found.empty()) found = table_->text(id);
    return std::string(found.substr(0, limit));
}

std::string Strings::utf8(int id) const { return cp1251ToUtf8(text(id)); }

}  // namespace tessel
