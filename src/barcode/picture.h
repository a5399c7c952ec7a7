#pragma once
// Pictures of barcodes as 8-bit grey pixels: read from PNG and JPEG files
// (a photo of a label, a screenshot) and written as PNG. Reading treats the
// file as untrusted: its size and its pixel count are bounded before any
// pixel is decoded.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tessel::barcode {

// The largest picture file read, and the most pixels decoded from one.
inline constexpr std::size_t kMaxPictureFileBytes = 64u << 20;
inline constexpr std::size_t kMaxPicturePixels = 40'000'000;
inline constexpr int kMaxPictureSide = 20'000;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // row by row, 0 black to 255 white

    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct PictureRead {
    std::optional<Picture> picture;
    std::string problem;  // why there is none
};

// A PNG or JPEG file's bytes as grey pixels.
PictureRead readPicture(std::span<const std::uint8_t> bytes);
PictureRead readPictureFile(const std::filesystem::path& path);

// The picture as the bytes of a PNG file; nothing when it cannot be encoded.
std::optional<std::string> pngBytes(const Picture& picture);

}  // namespace tessel::barcode
