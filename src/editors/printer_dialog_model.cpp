#include "editors/printer_dialog_model.h"

#include <algorithm>

#include "core/strings.h"
#include "editors/number_text.h"

namespace tessel {
namespace {

constexpr int kFunctionKeysForPrinting = 9;
constexpr int kFields = 8;
constexpr std::size_t kQuantityDigits = 3;
constexpr unsigned kMaxQuantity = 255;

std::string lineLabel(const PrintDataTexts& texts, int field) { return texts.line + " " + std::to_string(field); }

}  // namespace

PrinterDialogModel::PrinterDialogModel(FormRecord& form, SystemSettings& settings)
    : FormRecordEdit(form),
      settings_(settings),
      quantityFixed_(form.printQuantity != 0),
      quantity_(std::to_string(quantityFixed_ ? form.printQuantity : 1)) {}

ListEntries PrinterDialogModel::methodEntries(const Strings& strings) {
    ListEntries entries{strings.utf8(2120), strings.utf8(2121)};
    const auto onPressed = strings.utf8(2122);
    for (int key = 1; key <= kFunctionKeysForPrinting; ++key) {
        entries.push_back(onPressed + " Fn+" + std::to_string(key));
    }
    return entries;
}

ListEntries PrinterDialogModel::bluetoothModeEntries(const Strings& strings) {
    return {strings.utf8(2130), strings.utf8(2131), strings.utf8(2132)};
}

ListEntries PrinterDialogModel::printDataEntries(const PrintDataTexts& texts) {
    ListEntries entries{texts.none};
    for (int field = 1; field <= kFields; ++field) entries.push_back(lineLabel(texts, field));
    for (int field = 1; field <= kFields; ++field) {
        entries.push_back(lineLabel(texts, field) + " + " + texts.secondForm);
    }
    return entries;
}

ListEntries PrinterDialogModel::quantityFieldEntries(const PrintDataTexts& texts) {
    ListEntries entries;
    for (int field = 1; field <= kFields; ++field) entries.push_back(lineLabel(texts, field));
    return entries;
}

std::string PrinterDialogModel::setQuantity(std::string_view text) {
    quantity_ = digitsOnly(text).substr(0, kQuantityDigits);
    if (quantity_.size() > 2 && std::stoul(quantity_) > kMaxQuantity) quantity_ = std::to_string(kMaxQuantity);
    return quantity_;
}

std::string PrinterDialogModel::stepQuantity(int delta) {
    const int current = static_cast<int>(correctNumber(quantity_, kMaxQuantity).value);
    quantity_ = std::to_string(std::clamp(current + delta, 1, static_cast<int>(kMaxQuantity)));
    return quantity_;
}

void PrinterDialogModel::accept() {
    form_.printQuantity = quantityFixed_ ? static_cast<Byte>(correctNumber(quantity_, kMaxQuantity).value) : 0;
    auto& data = form_.printData;
    std::fill(std::find(data.begin(), data.end(), Byte{0}), data.end(), Byte{0});
}

}  // namespace tessel
