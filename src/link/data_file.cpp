#include "link/data_file.h"

#include <cerrno>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
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

bool cutTo(std::FILE* file, std::uint64_t size) {
#ifdef _WIN32
    return _chsize_s(_fileno(file), static_cast<long long>(size)) == 0;
#else
    return ::ftruncate(fileno(file), static_cast<off_t>(size)) == 0;
#endif
}

// A rename is on disk once the folder that holds it is.
void syncFolder(const std::filesystem::path& folder) {
#ifndef _WIN32
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#else
    (void)folder;
#endif
}

// A name beside `path` that no file has yet, created empty for writing.
std::FILE* createBeside(const std::filesystem::path& path, std::filesystem::path& created) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string suffix = attempt == 0 ? ".receiving" : ".receiving" + std::to_string(attempt);
        created = path.parent_path() / ("." + path.filename().string() + suffix);
        // "x": fails when the name is taken, so nothing of anyone's is overwritten.
        if (std::FILE* file = std::fopen(created.string().c_str(), "wbx")) return file;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

std::string systemError() { return std::strerror(errno); }

}  // namespace

DataFile::DataFile(std::FILE* file, std::filesystem::path staging, std::filesystem::path path)
    : file_(file), staging_(std::move(staging)), path_(std::move(path)) {
    // Unbuffered: every write goes to the file at once, so a failed one can be
    // cut off before anything else follows it.
    std::setvbuf(file_, nullptr, _IONBF, 0);
}

std::unique_ptr<DataFile> DataFile::create(const std::filesystem::path& path) {
    std::filesystem::path staging;
    std::FILE* file = createBeside(path, staging);
    if (!file) return nullptr;
    return std::unique_ptr<DataFile>(new DataFile(file, std::move(staging), path));
}

DataFile::~DataFile() {
    close();
    if (!placed_) {
        std::error_code ignored;
        std::filesystem::remove(staging_, ignored);
    }
}

bool DataFile::append(std::span<const Byte> record) {
    if (!file_) return fail("the data file is closed");
    std::vector<Byte> line(record.begin(), record.end());
    line.push_back('\r');
    line.push_back('\n');
    if (!writeWhole(line)) return false;
    return placed_ || takePlace();
}

bool DataFile::writeWhole(std::span<const Byte> line) {
    const bool written = std::fwrite(line.data(), 1, line.size(), file_) == line.size() && syncToDisk(file_);
    if (written) {
        size_ += line.size();
        return true;
    }
    const std::string reason = systemError();
    std::clearerr(file_);
    // Part of the line may have reached the file: cut it off again.
    cutTo(file_, size_);
    std::fseek(file_, static_cast<long>(size_), SEEK_SET);
    return fail("cannot write to " + path_.string() + ": " + reason);
}

bool DataFile::takePlace() {
#ifdef _WIN32
    // An open file cannot be renamed here: close it and open it again.
    std::fclose(file_);
    file_ = nullptr;
#endif
    std::error_code error;
    std::filesystem::rename(staging_, path_, error);
    if (error) {
#ifdef _WIN32
        file_ = std::fopen(staging_.string().c_str(), "ab");
#endif
        return fail("cannot replace " + path_.string() + ": " + error.message());
    }
    placed_ = true;
    syncFolder(path_.parent_path());
#ifdef _WIN32
    file_ = std::fopen(path_.string().c_str(), "ab");
    if (!file_) return fail("cannot open " + path_.string() + " again: " + systemError());
    std::setvbuf(file_, nullptr, _IONBF, 0);
#endif
    return true;
}

bool DataFile::fail(const std::string& what) {
    failure_ = what;
    return false;
}

void DataFile::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

}  // namespace tessel::link
