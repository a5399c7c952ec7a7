#include "core/file_io.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tessel {
namespace {

namespace fs = std::filesystem;

// Links are followed this many steps at most; a longer chain is taken for a loop.
constexpr int kMaxLinkSteps = 40;
constexpr int kTemporaryNameTries = 10;

// The file a chain of symbolic links ends at, which need not exist yet;
// nothing for a loop or a link that cannot be read.
std::optional<fs::path> linkTarget(fs::path path) {
    for (int step = 0; step < kMaxLinkSteps; ++step) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
        const auto target = fs::read_symlink(path, error);
        if (error) return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

// Read-only is decided by the mode bits, not by trying to open the file, so
// that it holds for root too: a file whose owner may not write it, or that
// this user may not write.
bool isReadOnly(const fs::path& path, fs::perms permissions) {
    if ((permissions & fs::perms::owner_write) == fs::perms::none) return true;
#ifdef _WIN32
    return false;
#else
    return ::access(path.c_str(), W_OK) != 0;
#endif
}

WriteOutcome failed(std::string reason) { return {WriteResult::Failed, std::move(reason)}; }

std::string systemReason(int error) { return std::generic_category().message(error); }

#ifdef _WIN32
// Creates `path` (never an existing file), writes `bytes` and commits them
// to disk; the system's reason when a step fails.
std::optional<std::string> writeTemporary(const fs::path& path, std::string_view bytes,
                                          const fs::file_status* existing) {
    std::FILE* file = nullptr;
    if (const errno_t error = _wfopen_s(&file, path.c_str(), L"wbx"); error != 0 || !file)
        return systemReason(error != 0 ? error : EIO);
    errno = 0;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0 &&
              _commit(_fileno(file)) == 0;
    const int writeError = errno;
    ok = std::fclose(file) == 0 && ok;
    std::error_code error;
    if (ok && existing) fs::permissions(path, existing->permissions(), error);
    if (ok) return std::nullopt;
    const int reason = writeError != 0 ? writeError : errno != 0 ? errno : EIO;
    fs::remove(path, error);
    return systemReason(reason);
}

std::optional<std::string> syncFolder(const fs::path&) { return std::nullopt; }
#else
// Creates `path` (never an existing file, never through a link) with the
// owner and permission bits of the file it replaces, writes `bytes` and
// flushes them to disk; the system's error when a step fails (EEXIST when
// the name is taken).
int writeTemporary(const fs::path& path, std::string_view bytes, const struct stat* existing) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    int error = 0;
    const auto step = [&](bool ok) {
        if (!ok && error == 0) error = errno != 0 ? errno : EIO;
        return error == 0;
    };
    if (existing) {
        // Only root may give the file to another owner; anyone may keep its group.
        if (::fchown(fd, existing->st_uid, existing->st_gid) != 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), existing->st_gid);
        // After the owner, as a change of owner clears the set-id bits.
        step(::fchmod(fd, existing->st_mode & 07777) == 0);
    }
    for (std::size_t written = 0; error == 0 && written < bytes.size();) {
        const auto n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (step(n >= 0)) written += static_cast<std::size_t>(n);
    }
    if (error == 0) step(::fsync(fd) == 0);
    step(::close(fd) == 0);
    if (error != 0) ::unlink(path.c_str());
    return error;
}

// Flushes the folder's entries, so that the renamed file is found after a
// crash. File systems that cannot sync a folder say so with EINVAL; there is
// nothing more to do on them.
std::optional<std::string> syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return systemReason(errno);
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    if (synced) return std::nullopt;
    return systemReason(error);
}
#endif

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

// A symbolic link is saved through to the file it names, so the link stays.
// The bytes go to a new file beside that one, made with its owner and
// permission bits, and are renamed over it only once they are on disk.
WriteOutcome writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const auto target = linkTarget(path);
    if (!target) return failed(systemReason(ELOOP));
    std::error_code error;
    const auto status = fs::status(*target, error);
    const bool exists = !error && fs::exists(status);
    if (exists && fs::is_directory(status)) return failed(systemReason(EISDIR));
    if (exists && !fs::is_regular_file(status)) return failed("not a regular file");
    if (exists && isReadOnly(*target, status.permissions())) return {WriteResult::ReadOnly, {}};
#ifdef _WIN32
    const auto* existing = exists ? &status : nullptr;
#else
    struct stat existingStat {};
    if (exists && ::stat(target->c_str(), &existingStat) != 0) return failed(systemReason(errno));
    const auto* existing = exists ? &existingStat : nullptr;
#endif

    std::random_device random;
    for (int tries = 0; tries < kTemporaryNameTries; ++tries) {
        const auto temporary =
            target->parent_path() / (target->filename().string() + ".tmp" + std::to_string(random() % 1000000));
#ifdef _WIN32
        if (fs::exists(fs::symlink_status(temporary, error))) continue;
        if (auto reason = writeTemporary(temporary, bytes, existing)) return failed(std::move(*reason));
#else
        const int written = writeTemporary(temporary, bytes, existing);
        if (written == EEXIST) continue;  // the name is taken: another one
        if (written != 0) return failed(systemReason(written));
#endif
        fs::rename(temporary, *target, error);
        if (error) {
            const std::string reason = error.message();
            fs::remove(temporary, error);
            return failed(reason);
        }
        if (auto reason = syncFolder(target->parent_path())) return failed(std::move(*reason));
        return {WriteResult::Written, {}};
    }
    return failed(systemReason(EEXIST));
}

}  // namespace tessel
