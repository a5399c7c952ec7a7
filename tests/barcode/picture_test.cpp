// Reading picture files: PNG and JPEG as grey pixels, and every kind of
// file that is no picture a reader could take, each with its reason.
#include "barcode/picture.h"

#include <gtest/gtest.h>

#include <jpeglib.h>
#include <array>
#include <cstdio>

#include "core/file_io.h"
#include "support/temp_dir.h"

namespace tessel::barcode {
namespace {

Picture gradient(int width, int height) {
    Picture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) picture.pixels.push_back(static_cast<std::uint8_t>((x * 255) / (width - 1)));
    }
    return picture;
}

std::span<const std::uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string jpegOf(const Picture& picture) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.width);
    info.image_height = static_cast<JDIMENSION>(picture.height);
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(picture.pixels.data() + info.next_scanline * picture.width);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

std::uint32_t crc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string bigEndian(std::uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
}

// The signature and header of a PNG file of the given size, then an empty
// pixel chunk: a reader learns the size before it finds no pixels.
std::string pngHeader(std::uint32_t width, std::uint32_t height) {
    const std::string header = "IHDR" + bigEndian(width) + bigEndian(height) + std::string("\x08\x00\x00\x00\x00", 5);
    return std::string("\x89PNG\r\n\x1A\n", 8) + bigEndian(13) + header + bigEndian(crc32(header)) + bigEndian(0) +
           "IDAT" + bigEndian(crc32("IDAT"));
}

TEST(Picture, PngAndJpegReadAsGreyPixels) {
    const Picture original = gradient(64, 16);
    const auto png = pngBytes(original);
    ASSERT_TRUE(png);
    const PictureRead fromPng = readPicture(bytesOf(*png));
    ASSERT_TRUE(fromPng.picture) << fromPng.problem;
    EXPECT_EQ(fromPng.picture->width, 64);
    EXPECT_EQ(fromPng.picture->height, 16);
    EXPECT_EQ(fromPng.picture->pixels, original.pixels);

    const PictureRead fromJpeg = readPicture(bytesOf(jpegOf(original)));
    ASSERT_TRUE(fromJpeg.picture) << fromJpeg.problem;
    EXPECT_EQ(fromJpeg.picture->width, 64);
    EXPECT_NEAR(fromJpeg.picture->at(63, 8), 255, 8);
    EXPECT_NEAR(fromJpeg.picture->at(0, 8), 0, 8);
}

TEST(Picture, FilesThatAreNoPictureSayWhy) {
    const auto png = *pngBytes(gradient(64, 16));
    const std::string jpeg = jpegOf(gradient(64, 16));
    struct Case {
        std::string what;
        std::string bytes;
        std::string problemStart;
    };
    const Case cases[] = {
        {"text", "EAN13 4006381333931", "the file is not a PNG or JPEG picture"},
        {"empty", "", "the file is not a PNG or JPEG picture"},
        {"a PNG cut short", png.substr(0, png.size() / 2), "the PNG file is damaged"},
        {"a PNG header alone", pngHeader(64, 16), "the PNG file is damaged"},
        {"a PNG of too many pixels", pngHeader(19000, 19000),
         "the picture is 19000 x 19000 pixels, more than the 40 million pixels a picture may have"},
        {"a PNG too wide", pngHeader(30000, 1), "the picture is 30000 x 1 pixels"},
        {"a JPEG cut short", jpeg.substr(0, 40), "the JPEG file is damaged"},
        {"a JPEG signature alone", std::string("\xFF\xD8\xFF", 3), "the JPEG file is damaged"},
    };
    for (const auto& c : cases) {
        const PictureRead read = readPicture(bytesOf(c.bytes));
        EXPECT_FALSE(read.picture) << c.what;
        EXPECT_TRUE(read.problem.starts_with(c.problemStart)) << c.what << ": " << read.problem;
    }
}

TEST(Picture, FileThatCannotBeReadNamesItsPath) {
    test::TempDir folder;
    const auto missing = folder.path() / "missing.png";
    EXPECT_TRUE(readPictureFile(missing).problem.starts_with("cannot read " + missing.string()));
    const auto text = folder.path() / "label.png";
    ASSERT_EQ(writeFileAtomically(text, "not a picture").result, WriteResult::Written);
    EXPECT_EQ(readPictureFile(text).problem, text.string() + ": the file is not a PNG or JPEG picture");
}

}  // namespace
}  // namespace tessel::barcode
