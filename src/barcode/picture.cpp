#include "barcode/picture.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>

// jpeglib.h needs the standard C declarations above it.
#include <jpeglib.h>

#include "core/file_io.h"

namespace tessel::barcode {
namespace {

bool isPng(std::span<const std::uint8_t> bytes) { return bytes.size() >= 8 && png_sig_cmp(bytes.data(), 0, 8) == 0; }

bool isJpeg(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

std::optional<std::string> sizeProblem(std::size_t width, std::size_t height) {
    if (width == 0 || height == 0) return "the picture has no pixels";
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels) {
        return "the picture is " + std::to_string(width) + " x " + std::to_string(height) + " pixels, more than the " +
               std::to_string(kMaxPicturePixels / 1'000'000) + " million pixels a picture may have";
    }
    return std::nullopt;
}

PictureRead readPng(std::span<const std::uint8_t> bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0) {
        return {std::nullopt, std::string("the PNG file is damaged: ") + image.message};
    }
    if (const auto problem = sizeProblem(image.width, image.height)) {
        png_image_free(&image);
        return {std::nullopt, *problem};
    }
    image.format = PNG_FORMAT_GRAY;
    Picture picture{static_cast<int>(image.width), static_cast<int>(image.height), {}};
    picture.pixels.resize(PNG_IMAGE_SIZE(image));
    // Transparent pixels are laid on white, as a label is printed on paper.
    const png_color white{255, 255, 255};
    if (png_image_finish_read(&image, &white, picture.pixels.data(), 0, nullptr) == 0) {
        std::string problem = std::string("the PNG file is damaged: ") + image.message;
        png_image_free(&image);
        return {std::nullopt, problem};
    }
    return {std::move(picture), {}};
}

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jpegFailed(j_common_ptr info) {
    auto* error = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

void jpegQuiet(j_common_ptr, int) {}

// The decoder reports a damaged file by jumping back here, so nothing on
// this function's stack needs a destructor between setjmp and the jump.
PictureRead readJpeg(std::span<const std::uint8_t> bytes, Picture& picture) {
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jpegFailed;
    error.manager.emit_message = jpegQuiet;
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return {std::nullopt, std::string("the JPEG file is damaged: ") + error.message};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (const auto problem = sizeProblem(info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        return {std::nullopt, *problem};
    }
    info.out_color_space = JCS_GRAYSCALE;
    jpeg_start_decompress(&info);
    picture.width = static_cast<int>(info.output_width);
    picture.height = static_cast<int>(info.output_height);
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.pixels.data() + static_cast<std::size_t>(info.output_scanline) * picture.width;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return {};
}

}  // namespace

PictureRead readPicture(std::span<const std::uint8_t> bytes) {
    if (isPng(bytes)) return readPng(bytes);
    if (isJpeg(bytes)) {
        Picture picture;
        PictureRead read = readJpeg(bytes, picture);
        if (read.problem.empty()) read.picture = std::move(picture);
        return read;
    }
    return {std::nullopt, "the file is not a PNG or JPEG picture"};
}

PictureRead readPictureFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) return {std::nullopt, "cannot read " + path.string() + ": " + error.message()};
    if (size > kMaxPictureFileBytes) {
        return {std::nullopt, path.string() + " is larger than the " + std::to_string(kMaxPictureFileBytes >> 20) +
                                  " MB a picture may have"};
    }
    const auto bytes = readFileBytes(path, kMaxPictureFileBytes);
    if (!bytes) return {std::nullopt, "cannot read " + path.string()};
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->data());
    PictureRead read = readPicture({data, bytes->size()});
    if (!read.picture) read.problem = path.string() + ": " + read.problem;
    return read;
}

std::optional<std::string> pngBytes(const Picture& picture) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_GRAY;
    png_alloc_size_t size = 0;
    if (png_image_write_to_memory(&image, nullptr, &size, 0, picture.pixels.data(), 0, nullptr) == 0) {
        return std::nullopt;
    }
    std::string bytes(size, '\0');
    if (png_image_write_to_memory(&image, bytes.data(), &size, 0, picture.pixels.data(), 0, nullptr) == 0) {
        return std::nullopt;
    }
    bytes.resize(size);
    return bytes;
}

}  // namespace tessel::barcode
