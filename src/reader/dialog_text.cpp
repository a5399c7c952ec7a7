#include "reader/dialog_text.h"

#include "core/strings.h"
#include "core/text_encoding.h"

namespace tessel {

std::string dialogText(const Strings& strings, int slot, std::string_view builtin) {
    if (slot == 0 || !strings.language().active()) return std::string(builtin);
    return cp1251ToUtf8(strings.language().text(slot));
}

}  // namespace tessel
