#include "reader/option_dialog_model.h"

#include <algorithm>

#include "core/strings.h"
#include "core/text_encoding.h"
#include "editors/number_text.h"
#include "reader/dialog_text.h"

namespace tessel {
namespace {

constexpr unsigned kMaxLength = 127;
constexpr unsigned kMaxCharacterCode = 255;
constexpr int kMaxMinMode = 1;
constexpr int kAnyLength = 0;
constexpr int kTwoLengths = 2;
constexpr int kRange = 3;
constexpr int kTwoCheckDigits = 1;
constexpr int kNoVerify = 0;

// 1D length labels: the four slots after the dialog's own, in this order.
constexpr int kMaxLabel = 0;
constexpr int kMinLabel = 1;
constexpr int kFixed1Label = 2;
constexpr int kFixed2Label = 3;

}  // namespace

OptionDialogModel::OptionDialogModel(const OptionDialogTable& table, const Strings& strings, Definition& definition)
    : table_(table), strings_(strings), definition_(definition) {
    for (const ControlSlots& slots : controlSlots(table)) {
        slots_.push_back(slots.own);
        entrySlots_.push_back(slots.firstEntry);
    }
    for (const OptionControl& control : table.controls) {
        const unsigned bits = readBits(definition, control.field);
        loaded_.push_back(bits);
        switch (control.kind) {
            case OptionKind::Check: values_.push_back((bits != 0) != control.inverted ? 1 : 0); break;
            case OptionKind::Choice: values_.push_back(entryOf(control, bits)); break;
            case OptionKind::Number:
            case OptionKind::Separator: values_.push_back(static_cast<int>(bits)); break;
        }
    }
}

std::optional<std::size_t> OptionDialogModel::find(OptionRole role) const {
    for (std::size_t index = 0; index < size(); ++index) {
        if (control(index).role == role) return index;
    }
    return std::nullopt;
}

int OptionDialogModel::valueOf(OptionRole role) const {
    const auto index = find(role);
    return index ? values_[*index] : -1;
}

void OptionDialogModel::setValue(OptionRole role, int value) {
    if (const auto index = find(role)) values_[*index] = value;
}

std::string OptionDialogModel::slotText(int slot, std::string_view builtin) const {
    return dialogText(strings_, slot, builtin);
}

std::string OptionDialogModel::caption() const { return slotText(table_.firstSlot, table_.caption); }

std::string OptionDialogModel::text(std::size_t index) const {
    const OptionControl& item = control(index);
    if (item.textId != 0) return strings_.utf8(item.textId);
    if (item.kind == OptionKind::Number) return lengthLabel(item.role);
    return slotText(slots_[index], item.text);
}

std::string OptionDialogModel::entryText(std::size_t index, std::size_t entry) const {
    const OptionEntry& item = control(index).entries[entry];
    if (item.stringId != 0) return strings_.utf8(item.stringId);
    return slotText(entrySlots_[index] + static_cast<int>(entry), item.text);
}

std::string OptionDialogModel::separatorLabel(std::size_t index, std::string_view builtin) const {
    return slotText(entrySlots_[index], builtin);
}

std::string OptionDialogModel::lengthLabel(OptionRole role) const {
    const bool first = role == OptionRole::Length1;
    if (table_.twoD) {
        if (valueOf(OptionRole::LengthOption) == kRange) return strings_.utf8(first ? 2061 : 2062);
        return strings_.utf8(first ? 2063 : 2064);
    }
    const auto label = [&](int offset, std::string_view builtin) {
        return slotText(table_.lengthLabelSlot + offset, builtin);
    };
    if (valueOf(OptionRole::LengthMode) == kMaxMinMode) {
        return first ? label(kMaxLabel, "Max Length :") : label(kMinLabel, "Min Length :");
    }
    return first ? label(kFixed1Label, "Fixed Length 1:") : label(kFixed2Label, "Fixed Length 2:");
}

bool OptionDialogModel::enabled(std::size_t index) const {
    switch (control(index).role) {
        case OptionRole::Length1: return !table_.twoD || valueOf(OptionRole::LengthOption) > kAnyLength;
        case OptionRole::Length2: return !table_.twoD || valueOf(OptionRole::LengthOption) >= kTwoLengths;
        case OptionRole::CheckAlgorithm: return valueOf(OptionRole::CheckDigits) == kTwoCheckDigits;
        default: return true;
    }
}

void OptionDialogModel::setChecked(std::size_t index, bool on) {
    values_[index] = on ? 1 : 0;
    if (!on) return;
    // Interleaved 25 sends its check digit or converts to EAN13, not both, and
    // a conversion is not verified.
    if (control(index).role == OptionRole::TransmitChecksum) setValue(OptionRole::ConvertToEan13, 0);
    if (control(index).role == OptionRole::ConvertToEan13) {
        setValue(OptionRole::TransmitChecksum, 0);
        setValue(OptionRole::VerifyRule, kNoVerify);
    }
}

void OptionDialogModel::setChoice(std::size_t index, int entry) {
    values_[index] = entry;
    const OptionRole role = control(index).role;
    if (role == OptionRole::VerifyRule && entry != kNoVerify) setValue(OptionRole::ConvertToEan13, 0);
    if (role == OptionRole::LengthOption) {
        for (const OptionRole length : {OptionRole::Length1, OptionRole::Length2}) {
            if (const auto field = find(length); field && enabled(*field)) values_[*field] = 0;
        }
    }
}

std::string OptionDialogModel::setNumber(std::size_t index, std::string_view text) {
    // A 1D length is 1..127; a 2D length may be 0, meaning none.
    const auto corrected = table_.twoD ? correctNumber(text, kMaxLength) : correctPositiveNumber(text, kMaxLength);
    values_[index] = static_cast<int>(corrected.value);
    return corrected.text;
}

int OptionDialogModel::numberDigits(std::size_t index) const {
    // The 2D fields hold two digits, unless the stored value needs three.
    return table_.twoD && loaded_[index] < 100 ? 2 : 3;
}

std::string OptionDialogModel::separatorText(std::size_t index) const {
    if (values_[index] == 0) return {};
    return cp1251ToUtf8(std::string(1, static_cast<char>(values_[index])));
}

std::string OptionDialogModel::separatorCode(std::size_t index) const {
    return values_[index] == 0 ? std::string() : std::to_string(values_[index]);
}

std::string OptionDialogModel::setSeparatorText(std::size_t index, std::string_view utf8) {
    const auto bytes = utf8ToCp1251Lossy(utf8);
    values_[index] = bytes.empty() ? 0 : static_cast<Byte>(bytes.front());
    return separatorCode(index);
}

std::string OptionDialogModel::setSeparatorCode(std::size_t index, std::string_view text) {
    const auto digits = digitsOnly(text);
    if (digits.empty()) {
        values_[index] = 0;
    } else {
        const unsigned code = correctNumber(digits, kMaxCharacterCode + 1).value;
        values_[index] = static_cast<int>(code == 0 || code > kMaxCharacterCode ? kMaxCharacterCode : code);
    }
    return separatorText(index);
}

void OptionDialogModel::storeLengths() {
    const auto first = find(OptionRole::Length1);
    const auto second = find(OptionRole::Length2);
    if (!first || !second) return;
    int length1 = values_[*first];
    int length2 = values_[*second];
    if (table_.twoD) {
        const auto option = find(OptionRole::LengthOption);
        int chosen = values_[*option];
        if (chosen < 0) return;  // the stored option names no entry: the lengths stay as they are
        if (chosen == kAnyLength) length1 = 0;
        if (chosen < kTwoLengths) length2 = 0;
        if (length1 == 0 && length2 == 0) chosen = kAnyLength;
        if (chosen == kTwoLengths && length1 < length2) std::swap(length1, length2);
        writeBits(definition_, control(*option).field, control(*option).entries[chosen].value);
    } else if (valueOf(OptionRole::LengthMode) == kMaxMinMode) {
        length1 = std::max(length1, 1);
        length2 = std::max(length2, 1);
        if (length1 < length2) std::swap(length1, length2);
    }
    writeBits(definition_, control(*first).field, static_cast<unsigned>(length1));
    writeBits(definition_, control(*second).field, static_cast<unsigned>(length2));
}

void OptionDialogModel::accept() {
    for (std::size_t index = 0; index < size(); ++index) {
        const OptionControl& item = control(index);
        const int value = values_[index];
        switch (item.kind) {
            case OptionKind::Check: writeBits(definition_, item.field, (value != 0) != item.inverted ? 1 : 0); break;
            case OptionKind::Choice:
                if (value >= 0) writeBits(definition_, item.field, item.entries[value].value);
                break;
            case OptionKind::Separator: writeBits(definition_, item.field, static_cast<unsigned>(value)); break;
            case OptionKind::Number: break;  // stored by storeLengths, which orders them
        }
    }
    if (const auto algorithm = find(OptionRole::CheckAlgorithm); algorithm && !enabled(*algorithm)) {
        writeBits(definition_, control(*algorithm).field, 0);
    }
    storeLengths();
    for (const BlockBits& cleared : table_.clearedOnOk) writeBits(definition_, cleared, 0);
}

}  // namespace tessel
