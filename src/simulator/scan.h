#pragma once
// A scan: what the terminal's reader sees. A barcode has a symbology and the
// data it encodes (as printed, with its check digit and, for Codabar, its
// start and stop characters); an RFID tag has its UID and the data it holds.
#include <string>

#include "simulator/symbology.h"

namespace tessel::sim {

struct Scan {
    enum class Source { Barcode, Rfid };
    Source source = Source::Barcode;
    Symbology symbology = Symbology::Code128;  // for a barcode
    std::string data;                          // the barcode's data, or the tag's data
    std::string uid;                           // for an RFID tag

    static Scan barcode(Symbology symbology, std::string data) {
        return {Source::Barcode, symbology, std::move(data), {}};
    }
    static Scan tag(std::string uid, std::string data) {
        return {Source::Rfid, Symbology::Code128, std::move(data), std::move(uid)};
    }
};

}  // namespace tessel::sim
