#pragma once
// Reading barcodes off a picture and drawing a barcode as a picture, behind
// one small interface; zxingCodec() is the one built on the ZXing library.
#include <string>
#include <vector>

#include "barcode/picture.h"
#include "simulator/symbology.h"

namespace tessel::barcode {

struct FoundBarcode {
    sim::Symbology symbology;
    std::string data;  // the bytes the barcode holds
};

struct Decoded {
    std::vector<FoundBarcode> barcodes;   // in the order they lie in the picture, top to bottom
    std::vector<std::string> unreadable;  // names of codes found that the terminal has no reader for
};

struct Drawn {
    std::optional<Picture> picture;
    std::string problem;  // why there is none
};

class BarcodeCodec {
public:
    virtual ~BarcodeCodec() = default;
    virtual Decoded decode(const Picture& picture) const = 0;
    // A picture of `data` in `symbology`, `moduleSize` pixels to the narrowest bar.
    virtual Drawn draw(sim::Symbology symbology, const std::string& data, int moduleSize) const = 0;
};

const BarcodeCodec& zxingCodec();

}  // namespace tessel::barcode
