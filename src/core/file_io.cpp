#include "core/file_io.h"

#include <cstdio>
#include <fstream>
#include <random>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tessel {
namespace {

std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    std::random_device random;
    auto name = target.filename().string() + ".tmp" + std::to_string(random() % 1000000);
    return target.parent_path() / name;
}

bool writeAndSync(const std::filesystem::path& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
#ifdef _WIN32
    ok = ok && _commit(_fileno(file)) == 0;
#else
    ok = ok && ::fsync(fileno(file)) == 0;
#endif
    return std::fclose(file) == 0 && ok;
}

}  // namespace

std::optional<std::string> readFileBytes(const std::filesystem::path& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string data;
    char chunk[8192];
    while (data.size() < limit && in) {
        in.read(chunk, static_cast<std::streamsize>(std::min(sizeof chunk, limit - data.size())));
        data.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return std::nullopt;
    return data;
}

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const auto temporary = temporaryBeside(path);
    if (!writeAndSync(temporary, bytes)) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace tessel
