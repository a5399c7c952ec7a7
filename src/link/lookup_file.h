#pragma once
// Opening the lookup file a download sends.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>

namespace tessel::link {

struct LookupFile {
    std::ifstream stream;
    std::uint64_t size = 0;
};

// The open file with its size; nothing when it cannot be opened or is no
// regular file (1161 "Cannot open the file!").
std::unique_ptr<LookupFile> openLookupFile(const std::filesystem::path& path);

}  // namespace tessel::link
