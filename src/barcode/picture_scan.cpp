#include "barcode/picture_scan.h"

namespace tessel::barcode {

PictureScans scansInPicture(const BarcodeCodec& codec, const Picture& picture) {
    const Decoded decoded = codec.decode(picture);
    PictureScans result;
    for (const auto& found : decoded.barcodes) result.scans.push_back(sim::Scan::barcode(found.symbology, found.data));
    if (!result.scans.empty()) return result;
    if (decoded.unreadable.empty()) {
        result.problem = "no barcode found in the picture";
    } else {
        result.problem = "the picture holds only " + decoded.unreadable.front() + ", which the terminal cannot read";
    }
    return result;
}

PictureScans scansInPictureFile(const BarcodeCodec& codec, const std::filesystem::path& path) {
    const PictureRead read = readPictureFile(path);
    if (!read.picture) return {{}, read.problem};
    PictureScans result = scansInPicture(codec, *read.picture);
    if (!result.problem.empty()) result.problem = path.string() + ": " + result.problem;
    return result;
}

}  // namespace tessel::barcode
