#include "link/data_file.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tessel::link {
namespace {

bool syncToDisk(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return ::fdatasync(fileno(file)) == 0;
#endif
}

}  // namespace

std::unique_ptr<DataFile> DataFile::create(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) return nullptr;
    return std::unique_ptr<DataFile>(new DataFile(file, path));
}

bool DataFile::append(std::span<const Byte> record) {
    if (!file_) return false;
    static constexpr char kLineEnd[] = {'\r', '\n'};
    return std::fwrite(record.data(), 1, record.size(), file_) == record.size() &&
           std::fwrite(kLineEnd, 1, sizeof kLineEnd, file_) == sizeof kLineEnd && std::fflush(file_) == 0 &&
           syncToDisk(file_);
}

void DataFile::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

}  // namespace tessel::link
