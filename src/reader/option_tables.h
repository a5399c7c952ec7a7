#pragma once
// Shared by the files that hold the option dialog tables: the helpers that
// build a table's rows, and the tables of each reader.
#include "reader/option_dialog_table.h"

namespace tessel {

namespace option_table {

constexpr OptionControl check(std::string_view name, std::string_view text, BlockBits bits, bool inverted = false) {
    return {OptionKind::Check, name, text, bits, {}, ChoiceLook::Radios, OptionRole::Plain, inverted};
}
// A check box that a dialog rule ties to other controls.
constexpr OptionControl check(std::string_view name, std::string_view text, BlockBits bits, OptionRole role) {
    return {OptionKind::Check, name, text, bits, {}, ChoiceLook::Radios, role};
}
constexpr OptionControl radios(std::string_view name, std::string_view title, BlockBits bits,
                               std::span<const OptionEntry> entries, OptionRole role = OptionRole::Plain) {
    return {OptionKind::Choice, name, title, bits, entries, ChoiceLook::Radios, role};
}
constexpr OptionControl list(std::string_view name, std::string_view label, BlockBits bits,
                             std::span<const OptionEntry> entries, OptionRole role = OptionRole::Plain,
                             int labelId = 0) {
    return {OptionKind::Choice, name, label, bits, entries, ChoiceLook::List, role, false, labelId};
}
constexpr OptionControl number(std::string_view name, BlockBits bits, OptionRole role) {
    return {OptionKind::Number, name, {}, bits, {}, ChoiceLook::Radios, role};
}

}  // namespace option_table

inline constexpr std::size_t kOptionDialogs1dCount = 17;
inline constexpr std::size_t kOptionDialogs2dCount = 13;
extern const OptionDialogTable kOptionDialogs1d[kOptionDialogs1dCount];
extern const OptionDialogTable kOptionDialogs2d[kOptionDialogs2dCount];

}  // namespace tessel
