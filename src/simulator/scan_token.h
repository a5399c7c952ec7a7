#pragma once
// Scan tokens of key scripts:
//   SCAN:SYMBOLOGY:DATA   a barcode read now, e.g. SCAN:EAN13:4006381333931
//   SCAN:FILE:PATH        the barcode a picture shows (decoded by the front end)
//   RFID:UID[:DATA]       an RFID tag read now
//   SCAN                  the SCAN key, which reads the scan waiting in front of the reader
// A token has no blanks: in DATA and UID, %HH stands for the byte of the two
// hexadecimal digits HH (%20 a blank, %1D the EAN128 field separator); a %
// not followed by two of them stands for itself.
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "simulator/scan.h"

namespace tessel::sim {

struct PictureScan {
    std::string path;
};

using ScanToken = std::variant<Scan, PictureScan>;

// Whether `token` is written as a scan token (SCAN:..., RFID:...), good or bad.
bool looksLikeScanToken(std::string_view token);

// The scan a token stands for, or why it stands for none.
struct ParsedScanToken {
    std::optional<ScanToken> scan;
    std::string problem;
};
ParsedScanToken parseScanToken(std::string_view token);

// The data with each %HH replaced by its byte.
std::string unescapeScanData(std::string_view text);

}  // namespace tessel::sim
