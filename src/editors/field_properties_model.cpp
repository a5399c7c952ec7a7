#include "editors/field_properties_model.h"

#include <algorithm>

#include "core/strings.h"
#include "editors/initial_value_filter.h"
#include "editors/number_text.h"
#include "editors/typed_text.h"

namespace tessel {
namespace {

// The start position has seven bits of its byte; the eighth is the
// "save full barcode" flag, so a larger start must not spill into it.
constexpr unsigned kMaxPartialStart = kPartialStartPosition.mask() >> kPartialStartPosition.shift;
constexpr std::size_t kLeadingCodeChars = 6;
constexpr int kDecimalPlaceChoices = 6;

}  // namespace

FieldPropertiesModel::FieldPropertiesModel(FormRecord& form, std::size_t field)
    : FieldOptionsEdit(form, field),
      showInputMark_(form.inputMark[field] != 0),
      saveFullBarcode_(kPartialSaveFullBarcode.get(form.partialStart[field]) != 0) {
    if (form_.partialStart[field_] == 0) form_.partialStart[field_] = 1;
    Byte& length = form_.partialLength[field_];
    if (length == 0 || length > unsigned{kMaxDataLength}) length = unsigned{kMaxDataLength};
}

ListEntries FieldPropertiesModel::decimalPlaceEntries(const Strings& strings) {
    ListEntries entries{strings.utf8(1220)};
    for (int places = 1; places <= kDecimalPlaceChoices; ++places) entries.push_back(std::to_string(places));
    return entries;
}

ListEntries FieldPropertiesModel::checkDigitEntries(const Strings& strings) {
    return stringRangeEntries(strings, 1381, 1388);
}

ListEntries FieldPropertiesModel::autoEnterEntries(const Strings& strings) {
    return stringRangeEntries(strings, 1401, 1404);
}

bool FieldPropertiesModel::decimalPlacesEnabled() const { return type() == kFieldReal; }

std::string FieldPropertiesModel::setInitialValue(std::string_view text) {
    const auto kept = filterInitialValue(type(), utf8ToCp1251Lossy(text));
    setCellText(form_.initialValue[field_], kept);
    return cp1251ToUtf8(kept);
}

std::string FieldPropertiesModel::setInputMark(std::string_view text) {
    const auto mark = typedBytes(text, 1);
    form_.inputMark[field_] = mark.empty() ? 0 : static_cast<Byte>(mark[0]);
    return cp1251ToUtf8(mark);
}

std::string FieldPropertiesModel::setPartialStart(std::string_view text) {
    auto corrected = correctNumber(text.substr(0, kPartialDigits), kMaxPartialStart);
    Byte& start = form_.partialStart[field_];
    start = static_cast<Byte>(kPartialStartPosition.with(start, corrected.value));
    return corrected.text;
}

std::string FieldPropertiesModel::setPartialLength(std::string_view text) {
    auto corrected = correctNumber(text.substr(0, kPartialDigits), unsigned{kMaxDataLength});
    form_.partialLength[field_] = static_cast<Byte>(corrected.value);
    return corrected.text;
}

std::string FieldPropertiesModel::setLeadingCode(std::string_view text) {
    const auto code = typedBytes(text, kLeadingCodeChars);
    auto& slot = form_.leadingCode[field_];
    slot.fill(0);
    std::copy(code.begin(), code.end(), slot.begin());
    return cp1251ToUtf8(code);
}

std::string FieldPropertiesModel::initialValue() const { return cp1251ToUtf8(cellText(form_.initialValue[field_])); }

std::string FieldPropertiesModel::inputMark() const {
    const Byte mark = form_.inputMark[field_];
    return mark == 0 ? std::string() : cp1251ToUtf8(std::string(1, static_cast<char>(mark)));
}

std::string FieldPropertiesModel::partialStart() const {
    return std::to_string(kPartialStartPosition.get(form_.partialStart[field_]));
}

std::string FieldPropertiesModel::leadingCode() const { return cp1251ToUtf8(cellText(form_.leadingCode[field_])); }

void FieldPropertiesModel::accept() {
    storeAffixes();
    if (!showInputMark_) form_.inputMark[field_] = 0;
    Byte& start = form_.partialStart[field_];
    start = static_cast<Byte>(kPartialSaveFullBarcode.with(start, saveFullBarcode_ ? 1 : 0));
    if (start == 0) start = 1;
}

}  // namespace tessel
