// The barcode codec on the ZXing library.
#define ZX_USE_UTF8 1
#include <BarcodeFormat.h>
#include <BitMatrix.h>
#include <MultiFormatWriter.h>
#include <ReadBarcode.h>

#include <algorithm>
#include <exception>

#include "barcode/barcode_codec.h"

namespace tessel::barcode {
namespace {

using sim::Symbology;
using ZXing::BarcodeFormat;

constexpr wchar_t kFnc1 = 0xF1;  // the Code 128 writer's escape for FNC1
constexpr char kFieldSeparator = '\x1D';
constexpr int kBarHeightModules = 40;
constexpr int kQuietModules = 10;

struct FormatOf {
    Symbology symbology;
    BarcodeFormat format;
};

// The symbologies both the terminal and the library know. EAN128 is Code
// 128 that starts with FNC1.
constexpr FormatOf kFormats[] = {
    {Symbology::Ean13, BarcodeFormat::EAN13},       {Symbology::Ean8, BarcodeFormat::EAN8},
    {Symbology::UpcA, BarcodeFormat::UPCA},         {Symbology::UpcE, BarcodeFormat::UPCE},
    {Symbology::Code39, BarcodeFormat::Code39},     {Symbology::Code93, BarcodeFormat::Code93},
    {Symbology::Code128, BarcodeFormat::Code128},   {Symbology::Ean128, BarcodeFormat::Code128},
    {Symbology::Codabar, BarcodeFormat::Codabar},   {Symbology::Interleaved25, BarcodeFormat::ITF},
    {Symbology::Rss14, BarcodeFormat::DataBar},     {Symbology::RssExpanded, BarcodeFormat::DataBarExpanded},
    {Symbology::Pdf417, BarcodeFormat::PDF417},     {Symbology::DataMatrix, BarcodeFormat::DataMatrix},
    {Symbology::Maxicode, BarcodeFormat::MaxiCode}, {Symbology::QrCode, BarcodeFormat::QRCode},
};

std::optional<BarcodeFormat> formatOf(Symbology symbology) {
    for (const auto& f : kFormats) {
        if (f.symbology == symbology) return f.format;
    }
    return std::nullopt;
}

std::optional<Symbology> symbologyOf(const ZXing::Result& result) {
    if (result.format() == BarcodeFormat::Code128 && result.symbologyIdentifier() == "]C1") return Symbology::Ean128;
    for (const auto& f : kFormats) {
        if (f.format == result.format()) return f.symbology;
    }
    return std::nullopt;
}

// The data as the writer takes it: one wide character per byte, FNC1 for
// the EAN128 field separator.
std::wstring writerText(Symbology symbology, const std::string& data) {
    std::wstring text;
    if (symbology == Symbology::Ean128) text.push_back(kFnc1);
    for (const char c : data) {
        text.push_back(symbology == Symbology::Ean128 && c == kFieldSeparator ? kFnc1 : static_cast<unsigned char>(c));
    }
    return text;
}

// Black modules on white, each `module` pixels square, with a quiet zone
// round a matrix code; a linear code's one row is drawn as tall bars.
Picture render(const ZXing::BitMatrix& matrix, bool linear, int module) {
    const int quiet = linear ? 0 : kQuietModules / 2;
    const int rows = linear ? kBarHeightModules : matrix.height() + 2 * quiet;
    Picture picture{(matrix.width() + 2 * quiet) * module, rows * module, {}};
    picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, 255);
    for (int y = 0; y < picture.height; ++y) {
        const int my = linear ? matrix.height() / 2 : y / module - quiet;
        for (int x = 0; x < picture.width; ++x) {
            const int mx = x / module - quiet;
            const bool inside = mx >= 0 && mx < matrix.width() && my >= 0 && my < matrix.height();
            if (inside && matrix.get(mx, my)) picture.pixels[static_cast<std::size_t>(y) * picture.width + x] = 0;
        }
    }
    return picture;
}

bool isLinear(BarcodeFormat format) {
    return format != BarcodeFormat::QRCode && format != BarcodeFormat::DataMatrix && format != BarcodeFormat::PDF417 &&
           format != BarcodeFormat::MaxiCode;
}

Decoded decodeWith(const ZXing::ImageView& image, bool hard) {
    ZXing::DecodeHints hints;
    hints.setTryHarder(hard).setTryRotate(hard).setTryDownscale(false).setReturnCodabarStartEnd(true);
    hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Ignore);
    Decoded decoded;
    for (const auto& result : ZXing::ReadBarcodes(image, hints)) {
        if (!result.isValid()) continue;
        const auto symbology = symbologyOf(result);
        if (!symbology) {
            decoded.unreadable.push_back(ZXing::ToString(result.format()));
            continue;
        }
        const auto& bytes = result.bytes();
        decoded.barcodes.push_back({*symbology, std::string(bytes.begin(), bytes.end())});
    }
    return decoded;
}

class ZxingCodec : public BarcodeCodec {
public:
    // A quick pass finds a label that faces the camera; only a picture
    // where it finds nothing gets the slow pass that also tries harder and
    // turns the picture. Neither downscales: the library stops on an
    // assertion when it finds one code at two scales.
    Decoded decode(const Picture& picture) const override {
        const ZXing::ImageView image(picture.pixels.data(), picture.width, picture.height, ZXing::ImageFormat::Lum);
        Decoded decoded = decodeWith(image, false);
        if (decoded.barcodes.empty()) decoded = decodeWith(image, true);
        return decoded;
    }

    Drawn draw(Symbology symbology, const std::string& data, int moduleSize) const override {
        const auto format = formatOf(symbology);
        if (!format || *format == BarcodeFormat::DataBar || *format == BarcodeFormat::DataBarExpanded ||
            *format == BarcodeFormat::MaxiCode) {
            return {std::nullopt,
                    std::string("cannot draw ") + std::string(sim::symbologyInfo(symbology).display) + " barcodes"};
        }
        if (const auto problem = sim::barcodeDataProblem(symbology, data)) return {std::nullopt, *problem};
        const bool linear = isLinear(*format);
        try {
            ZXing::MultiFormatWriter writer(*format);
            writer.setMargin(linear ? kQuietModules : 0);
            writer.setEncoding(ZXing::CharacterSet::ISO8859_1);
            const ZXing::BitMatrix matrix = writer.encode(writerText(symbology, data), 0, 0);
            return {render(matrix, linear, std::max(1, moduleSize)), {}};
        } catch (const std::exception& error) {
            return {std::nullopt, std::string("cannot draw the barcode: ") + error.what()};
        }
    }
};

}  // namespace

const BarcodeCodec& zxingCodec() {
    static const ZxingCodec codec;
    return codec;
}

}  // namespace tessel::barcode
