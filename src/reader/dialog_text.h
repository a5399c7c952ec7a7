#pragma once
// The option dialogs take their texts from their own language slots while a
// language is active, and use their built-in English texts otherwise.
#include <string>
#include <string_view>

namespace tessel {

class Strings;

// The OK and Cancel buttons of every option dialog.
inline constexpr int kOkSlot = 1218;
inline constexpr int kCancelSlot = 1219;

// UTF-8 text of `slot` while a language is active (as it stands, even when
// empty), else `builtin`. Slot 0 always gives `builtin`.
std::string dialogText(const Strings& strings, int slot, std::string_view builtin);

}  // namespace tessel
