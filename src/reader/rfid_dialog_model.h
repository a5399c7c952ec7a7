#pragma once
// "RFID Parameters": what the RFID reader reads (the tag's UID, its data, or
// both joined by a delimiter) and which part of the data. Written into the
// RFID block on OK only.
#include <string>
#include <string_view>

#include "core/definition.h"

namespace tessel {

class RfidDialogModel {
public:
    explicit RfidDialogModel(Definition& definition);

    bool readUid() const { return readUid_; }
    bool readData() const { return readData_; }
    bool useDelimiter() const { return useDelimiter_; }
    void setReadUid(bool on) { readUid_ = on; }
    void setReadData(bool on) { readData_ = on; }
    void setUseDelimiter(bool on) { useDelimiter_ = on; }

    // The start position and length apply to the data; the delimiter joins
    // UID and data, so it needs both.
    bool positionsEnabled() const { return readData_; }
    bool useDelimiterEnabled() const { return readUid_ && readData_; }
    bool delimiterEnabled() const { return useDelimiterEnabled() && useDelimiter_; }

    std::string startPositionText() const { return std::to_string(startPosition_); }
    std::string maxLengthText() const { return std::to_string(maxLength_); }
    // Each returns the text the field must show: 0..255, not a number is 0.
    std::string setStartPosition(std::string_view text);
    std::string setMaxLength(std::string_view text);
    std::string delimiterText() const;  // UTF-8, empty for none
    void setDelimiter(std::string_view utf8);

    void accept();

private:
    Definition& definition_;
    bool readUid_;
    bool readData_;
    bool useDelimiter_;
    Byte delimiter_;
    unsigned startPosition_;
    unsigned maxLength_;
};

}  // namespace tessel
