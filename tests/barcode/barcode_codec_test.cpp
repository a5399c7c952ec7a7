// Barcodes drawn by the codec and read back: the symbologies labels use, a
// photo-like picture, several codes in one picture, pictures with none.
#include "barcode/barcode_codec.h"

#include <gtest/gtest.h>

#include "barcode/picture_scan.h"
#include "support/photo_like.h"

namespace tessel::barcode {
namespace {

using sim::Symbology;

const BarcodeCodec& codec() { return zxingCodec(); }

Picture drawn(Symbology symbology, const std::string& data, int module = 3) {
    const Drawn result = codec().draw(symbology, data, module);
    EXPECT_TRUE(result.picture) << result.problem;
    return result.picture.value_or(Picture{});
}

TEST(BarcodeCodec, DrawnBarcodesReadBack) {
    struct Case {
        Symbology symbology;
        std::string data;
    };
    const Case cases[] = {
        {Symbology::Ean13, "4006381333931"},
        {Symbology::Ean8, "96385074"},
        {Symbology::UpcA, "036000291452"},
        {Symbology::Code128, "Box 17/a-B"},
        {Symbology::Ean128,
         "0104006381333931\x1D"
         "10LOT7"},
        {Symbology::Code39, "ITEM-42 $"},
        {Symbology::Codabar, "A40156B"},
        {Symbology::Interleaved25, "04006381333931"},
        {Symbology::QrCode, "https://example.org/item?id=42"},
        {Symbology::QrCode, "\xCF\xF0\xE8\xE2\xE5\xF2"},  // Windows-1251 bytes come back as bytes
        {Symbology::DataMatrix, "LOT 7; 2026-03-05"},
        {Symbology::Pdf417, "PALLET 0042"},
    };
    for (const auto& c : cases) {
        const Decoded decoded = codec().decode(drawn(c.symbology, c.data));
        ASSERT_EQ(decoded.barcodes.size(), 1u) << c.data;
        EXPECT_EQ(decoded.barcodes[0].symbology, c.symbology) << c.data;
        EXPECT_EQ(decoded.barcodes[0].data, c.data);
    }
}

TEST(BarcodeCodec, PhotoLikePictureReads) {
    const Picture label = drawn(Symbology::Ean13, "4006381333931", 2);
    const Picture photo = test::photoLike(label, {.scale = 1.7, .degrees = 8, .noise = 30});
    const Decoded decoded = codec().decode(photo);
    ASSERT_EQ(decoded.barcodes.size(), 1u);
    EXPECT_EQ(decoded.barcodes[0].data, "4006381333931");

    // A picture the library, asked to downscale it, stops the program on.
    const Picture slight =
        test::photoLike(drawn(Symbology::Ean13, "4006381333931"), {.scale = 1.5, .degrees = 4, .noise = 20});
    ASSERT_EQ(codec().decode(slight).barcodes.size(), 1u);

    const Picture qr = test::photoLike(drawn(Symbology::QrCode, "LOT7", 4), {.scale = 2.3, .degrees = 25, .noise = 40});
    const Decoded turned = codec().decode(qr);
    ASSERT_EQ(turned.barcodes.size(), 1u);
    EXPECT_EQ(turned.barcodes[0].data, "LOT7");
}

// Two labels one above the other on a white page.
Picture stacked(const Picture& top, const Picture& bottom) {
    Picture page{std::max(top.width, bottom.width) + 40, top.height + bottom.height + 80, {}};
    page.pixels.assign(static_cast<std::size_t>(page.width) * page.height, 255);
    const auto paste = [&](const Picture& label, int y0) {
        for (int y = 0; y < label.height; ++y) {
            for (int x = 0; x < label.width; ++x) {
                page.pixels[static_cast<std::size_t>(y0 + y) * page.width + 20 + x] = label.at(x, y);
            }
        }
    };
    paste(top, 20);
    paste(bottom, top.height + 60);
    return page;
}

TEST(BarcodeCodec, PictureWithSeveralCodesGivesEachAsAScan) {
    const Picture page = stacked(drawn(Symbology::Ean13, "4006381333931"), drawn(Symbology::Code128, "LOT7"));
    const PictureScans found = scansInPicture(codec(), page);
    ASSERT_EQ(found.scans.size(), 2u);
    std::vector<std::string> data{found.scans[0].data, found.scans[1].data};
    std::sort(data.begin(), data.end());
    EXPECT_EQ(data, (std::vector<std::string>{"4006381333931", "LOT7"}));
}

TEST(BarcodeCodec, PictureWithoutACodeSaysSo) {
    Picture blank{640, 480, std::vector<std::uint8_t>(640 * 480, 255)};
    EXPECT_EQ(scansInPicture(codec(), blank).problem, "no barcode found in the picture");
    EXPECT_TRUE(scansInPicture(codec(), blank).scans.empty());
}

TEST(BarcodeCodec, DataASymbologyCannotHoldIsRefused) {
    EXPECT_EQ(codec().draw(Symbology::Ean13, "40063813339AB", 3).problem, "EAN13 holds 13 digits");
    EXPECT_EQ(codec().draw(Symbology::Ean13, "123", 3).problem, "EAN13 holds 13 digits");
    EXPECT_EQ(codec().draw(Symbology::Rss14, "04006381333931", 3).problem, "cannot draw RSS-14 barcodes");
    EXPECT_FALSE(codec().draw(Symbology::Code39, "lower", 3).picture);
}

}  // namespace
}  // namespace tessel::barcode
