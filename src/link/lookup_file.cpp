#include "link/lookup_file.h"

namespace tessel::link {

std::unique_ptr<LookupFile> openLookupFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return nullptr;
    const auto size = std::filesystem::file_size(path, error);
    if (error) return nullptr;
    auto file = std::make_unique<LookupFile>();
    file->stream.open(path, std::ios::binary);
    if (!file->stream) return nullptr;
    file->size = size;
    return file;
}

}  // namespace tessel::link
