#include "reader/weight_code_dialog_model.h"

#include "core/strings.h"
#include "core/text_encoding.h"

namespace tessel {
namespace {

constexpr std::size_t kPrefixChars = 2;
constexpr int kFields = 8;
constexpr int kFieldText = 1361;
constexpr int kMasks = 5;

// The list position of a stored value when the list has it, else -1.
int positionOf(unsigned value, int first, int count) {
    const int position = static_cast<int>(value) - first;
    return position >= 0 && position < count ? position : -1;
}

}  // namespace

WeightCodeDialogModel::WeightCodeDialogModel(Definition& definition)
    : definition_(definition),
      enabled_(kWeightCodeEnable.get(definition.weightCode.flags.value()) != 0),
      format1c_(kWeightCode1cFormat.get(definition.weightCode.flags.value()) != 0),
      prefix_(cellText(definition.weightCode.prefixCode)),
      mask_(definition.weightCode.maskCode.value()),
      key_(definition.weightCode.keyField.value()),
      quantity_(definition.weightCode.quantityField.value()) {}

ListEntries WeightCodeDialogModel::maskEntries() {
    ListEntries entries;
    for (int mask = kFirstMask; mask < kFirstMask + kMasks; ++mask) entries.push_back("0" + std::to_string(mask));
    return entries;
}

ListEntries WeightCodeDialogModel::fieldEntries(const Strings& strings) {
    ListEntries entries;
    for (int field = 1; field <= kFields; ++field) entries.push_back(strings.utf8(kFieldText) + std::to_string(field));
    return entries;
}

int WeightCodeDialogModel::maskChoice() const { return positionOf(mask_, kFirstMask, kMasks); }
int WeightCodeDialogModel::keyChoice() const { return positionOf(key_, 1, kFields); }
int WeightCodeDialogModel::quantityChoice() const { return positionOf(quantity_, 1, kFields); }

std::string WeightCodeDialogModel::prefixText() const { return cp1251ToUtf8(prefix_); }

void WeightCodeDialogModel::setPrefix(std::string_view utf8) {
    prefix_ = utf8ToCp1251Lossy(utf8).substr(0, kPrefixChars);
}

std::string WeightCodeDialogModel::padPrefix() {
    prefix_.insert(0, kPrefixChars - prefix_.size(), ' ');
    return prefixText();
}

void WeightCodeDialogModel::accept() {
    padPrefix();
    WeightCodeBlock& block = definition_.weightCode;
    unsigned flags = block.flags.value();
    flags = kWeightCodeEnable.with(flags, enabled_ ? 1 : 0);
    flags = kWeightCode1cFormat.with(flags, format1c_ ? 1 : 0);
    block.flags.set(static_cast<std::uint16_t>(flags));
    block.prefixCode = {static_cast<Byte>(prefix_[0]), static_cast<Byte>(prefix_[1])};
    block.maskCode.set(static_cast<std::uint16_t>(mask_));
    block.keyField.set(static_cast<std::uint16_t>(key_));
    block.quantityField.set(static_cast<std::uint16_t>(quantity_));
}

}  // namespace tessel
