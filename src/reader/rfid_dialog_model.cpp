#include "reader/rfid_dialog_model.h"

#include "core/text_encoding.h"
#include "editors/number_text.h"

namespace tessel {
namespace {

constexpr unsigned kMaxByte = 255;

}  // namespace

RfidDialogModel::RfidDialogModel(Definition& definition)
    : definition_(definition),
      readUid_(kRfidReadUid.get(definition.rfid.options) != 0),
      readData_(kRfidReadData.get(definition.rfid.options) != 0),
      useDelimiter_(kRfidUseDelimiter.get(definition.rfid.options) != 0),
      delimiter_(definition.rfid.delimiter),
      startPosition_(definition.rfid.startPosition),
      maxLength_(definition.rfid.maxLength) {}

std::string RfidDialogModel::setStartPosition(std::string_view text) {
    const auto corrected = correctNumber(text, kMaxByte);
    startPosition_ = corrected.value;
    return corrected.text;
}

std::string RfidDialogModel::setMaxLength(std::string_view text) {
    const auto corrected = correctNumber(text, kMaxByte);
    maxLength_ = corrected.value;
    return corrected.text;
}

std::string RfidDialogModel::delimiterText() const {
    return delimiter_ == 0 ? std::string() : cp1251ToUtf8(std::string(1, static_cast<char>(delimiter_)));
}

void RfidDialogModel::setDelimiter(std::string_view utf8) {
    const auto bytes = utf8ToCp1251Lossy(utf8);
    delimiter_ = bytes.empty() ? 0 : static_cast<Byte>(bytes.front());
}

void RfidDialogModel::accept() {
    RfidBlock& rfid = definition_.rfid;
    unsigned options = rfid.options;
    options = kRfidReadUid.with(options, readUid_ ? 1 : 0);
    options = kRfidReadData.with(options, readData_ ? 1 : 0);
    options = kRfidUseDelimiter.with(options, useDelimiter_ ? 1 : 0);
    rfid.options = static_cast<Byte>(options);
    rfid.delimiter = delimiter_;
    rfid.startPosition = static_cast<Byte>(startPosition_);
    rfid.maxLength = static_cast<Byte>(maxLength_);
}

}  // namespace tessel
