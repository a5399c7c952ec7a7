#pragma once
// The scans a picture holds: its barcodes decoded, each with its symbology,
// for the simulated terminal's reader.
#include <filesystem>
#include <string>
#include <vector>

#include "barcode/barcode_codec.h"
#include "simulator/scan.h"

namespace tessel::barcode {

struct PictureScans {
    std::vector<sim::Scan> scans;  // top to bottom
    std::string problem;           // why there is none: an unreadable file, no barcode in it
};

PictureScans scansInPicture(const BarcodeCodec& codec, const Picture& picture);
PictureScans scansInPictureFile(const BarcodeCodec& codec, const std::filesystem::path& path);

}  // namespace tessel::barcode
