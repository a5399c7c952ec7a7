#include "link/data_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>
#include <vector>

namespace tessel::link {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kStagingSuffix = ".receiving";
constexpr int kStagingNameTries = 100;
constexpr int kPlacementTries = 1000;

std::string systemError(int error) { return std::generic_category().message(error); }

bool isStagingName(const std::string& name) {
    if (name.size() < 2 || name.front() != '.') return false;
    const auto at = name.rfind(kStagingSuffix);
    if (at == std::string::npos || at == 0) return false;
    for (std::size_t i = at + kStagingSuffix.size(); i < name.size(); ++i)
        if (name[i] < '0' || name[i] > '9') return false;
    return true;
}

bool sameFile(int fd, const fs::path& name) {
    struct stat open {
    }, named{};
    return ::fstat(fd, &open) == 0 && ::lstat(name.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

// A receiving process holds a lock on its hidden file for as long as it
// runs, and the system lets go of it however the process ends. So a hidden
// file of the user's that takes the lock belongs to no running receive.
void removeStaleStaging(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
         it.increment(error)) {
        const fs::path name = it->path();
        if (!isStagingName(name.filename().string())) continue;
        struct stat found {};
        if (::lstat(name.c_str(), &found) != 0 || !S_ISREG(found.st_mode) || found.st_uid != ::geteuid()) continue;
        const int fd = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && sameFile(fd, name)) ::unlink(name.c_str());
        ::close(fd);
    }
}

// A new hidden file beside `target`, locked for the life of the receive; the
// descriptor, or minus the system's error number.
int createStaging(const SaveTarget& target, fs::path& created) {
    for (int attempt = 0; attempt < kStagingNameTries; ++attempt) {
        const std::string suffix = std::string(kStagingSuffix) + (attempt == 0 ? "" : std::to_string(attempt));
        created = target.file.parent_path() / ("." + target.file.filename().string() + suffix);
        const int fd = createLikeTarget(created, target);
        if (fd == -EEXIST) continue;
        if (fd < 0) return fd;
        // Another receive clearing stale files may have taken this one for
        // stale between its creation and the lock: then it is gone, try again.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && sameFile(fd, created)) return fd;
        ::close(fd);
    }
    return -EEXIST;
}

std::optional<int> openForAppend(const SaveTarget& target, std::uint64_t& size, std::string& problem) {
    const int fd = ::open(target.file.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    struct stat opened {};
    if (fd >= 0 && ::fstat(fd, &opened) == 0) {
        size = static_cast<std::uint64_t>(opened.st_size);
        return fd;
    }
    problem = systemError(errno);
    if (fd >= 0) ::close(fd);
    return std::nullopt;
}

}  // namespace

DataFile::DataFile(int fd, fs::path staging, fs::path path, DataPlacement placement, NextName nextName)
    : fd_(fd),
      staging_(std::move(staging)),
      path_(std::move(path)),
      placement_(placement),
      nextName_(std::move(nextName)) {}

std::unique_ptr<DataFile> DataFile::create(const fs::path& path, DataPlacement placement, WriteOutcome& problem,
                                           NextName nextName) {
    SaveTarget target;
    problem = resolveSaveTarget(path, target);
    if (!problem) return nullptr;
    if (placement == DataPlacement::Append && target.exists) {
        std::uint64_t size = 0;
        const auto fd = openForAppend(target, size, problem.reason);
        if (!fd) {
            problem.result = WriteResult::Failed;
            return nullptr;
        }
        std::unique_ptr<DataFile> file(new DataFile(*fd, {}, target.file, placement, {}));
        file->size_ = size;
        file->placed_ = true;
        return file;
    }
    removeStaleStaging(target.file.parent_path());
    fs::path staging;
    const int fd = createStaging(target, staging);
    if (fd < 0) {
        problem = {WriteResult::Failed, systemError(-fd)};
        return nullptr;
    }
    return std::unique_ptr<DataFile>(new DataFile(fd, std::move(staging), target.file, placement, std::move(nextName)));
}

DataFile::~DataFile() {
    if (!placed_ && !staging_.empty()) ::unlink(staging_.c_str());
    close();
}

bool DataFile::append(std::span<const Byte> record) {
    if (fd_ < 0) return fail("the data file is closed");
    std::vector<Byte> line(record.begin(), record.end());
    line.push_back('\r');
    line.push_back('\n');
    if (!writeWhole(line)) return false;
    ++records_;
    return placed_ || takePlace();
}

bool DataFile::writeWhole(std::span<const Byte> line) {
    int error = 0;
    for (std::size_t done = 0; error == 0 && done < line.size();) {
        const auto n = ::write(fd_, line.data() + done, line.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            error = errno;
        else
            done += static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fdatasync(fd_) != 0) error = errno;
    if (error == 0) {
        size_ += line.size();
        return true;
    }
    // Part of the line may have reached the file: cut it off again, so that
    // what was there before and the whole records stay as they were.
    (void)::ftruncate(fd_, static_cast<off_t>(size_));
    (void)::lseek(fd_, static_cast<off_t>(size_), SEEK_SET);
    return fail("cannot write to " + path_.string() + ": " + systemError(error));
}

// The hidden file takes the chosen name. Keeping an existing file renames it
// only to a name that is free, so nothing that appeared meanwhile is replaced.
bool DataFile::takePlace() {
    for (int tries = 0; tries < kPlacementTries; ++tries) {
        const unsigned flags = placement_ == DataPlacement::Keep ? RENAME_NOREPLACE : 0;
        std::error_code error;
        if (::renameat2(AT_FDCWD, staging_.c_str(), AT_FDCWD, path_.c_str(), flags) != 0)
            error.assign(errno, std::generic_category());
        if (!error) {
            placed_ = true;
            syncFolder(path_.parent_path());
            return true;
        }
        if (error != std::errc::file_exists || !nextName_)
            return fail("cannot write " + path_.string() + ": " + error.message());
        const fs::path next = nextName_();
        if (next.empty()) return fail(path_.string() + " was made by another program meanwhile; it was left alone");
        path_ = next;
    }
    return fail("no free name for the data file beside " + path_.string());
}

bool DataFile::fail(const std::string& what) {
    failure_ = what;
    return false;
}

void DataFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

std::string dataFileProblem(const fs::path& path, const WriteOutcome& problem) {
    if (problem.result == WriteResult::ReadOnly) return path.string() + " is read-only; it was left unchanged.";
    return "Cannot write " + path.string() + ": " + problem.reason;
}

}  // namespace tessel::link
