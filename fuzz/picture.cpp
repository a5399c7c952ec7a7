// Picture files as a user drops them on the terminal: any bytes are read as
// PNG or JPEG (or refused with a reason), and a picture is decoded for
// barcodes. A picture read must have all its pixels, and every barcode found
// must be data its symbology can hold.
//
// Input: the file's bytes.
#include "barcode/picture.h"
#include "barcode/barcode_codec.h"
#include "fuzz_check.h"

using namespace tessel;

// Decoding a large picture is slow; the reader's own bounds are tested with
// its headers, not by decoding millions of pixels here.
constexpr std::size_t kMaxDecodedPixels = 1u << 20;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const barcode::PictureRead read = barcode::readPicture({data, size});
    if (!read.picture) {
        fuzz::require(!read.problem.empty(), "a refused picture has no reason");
        return 0;
    }
    const barcode::Picture& picture = *read.picture;
    const auto pixels = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    fuzz::require(picture.pixels.size() == pixels, "the picture lacks pixels");
    fuzz::require(pixels <= barcode::kMaxPicturePixels, "the picture is larger than the limit");
    if (pixels > kMaxDecodedPixels) return 0;
    for (const auto& found : barcode::zxingCodec().decode(picture).barcodes) {
        fuzz::require(!found.data.empty(), "a barcode was found without data");
    }
    return 0;
}
