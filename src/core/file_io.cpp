#include "core/file_io.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
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

#else
// Writes `bytes` into a file made by createLikeTarget and flushes them to
// disk; the system's error when a step fails (EEXIST when the name is taken).
int writeTemporary(const fs::path& path, std::string_view bytes, const SaveTarget& like) {
    const int fd = createLikeTarget(path, like);
    if (fd < 0) return -fd;
    int error = 0;
    const auto step = [&](bool ok) {
        if (!ok && error == 0) error = errno != 0 ? errno : EIO;
        return error == 0;
    };
    for (std::size_t written = 0; error == 0 && written < bytes.size();) {
        const auto n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (step(n >= 0)) written += static_cast<std::size_t>(n);
    }
    if (error == 0) step(::fsync(fd) == 0);
    step(::close(fd) == 0);
    if (error != 0) ::unlink(path.c_str());
    return error;
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

WriteOutcome resolveSaveTarget(const std::filesystem::path& path, SaveTarget& target) {
    const auto file = linkTarget(path);
    if (!file) return failed(systemReason(ELOOP));
    target = SaveTarget{*file};
    std::error_code error;
    const auto status = fs::status(*file, error);
    target.exists = !error && fs::exists(status);
    if (!target.exists) return {WriteResult::Written, {}};
    if (fs::is_directory(status)) return failed(systemReason(EISDIR));
    if (!fs::is_regular_file(status)) return failed("not a regular file");
    if (isReadOnly(*file, status.permissions())) return {WriteResult::ReadOnly, {}};
    target.mode = static_cast<unsigned>(status.permissions()) & 07777;
#ifndef _WIN32
    struct stat existing {};
    if (::stat(file->c_str(), &existing) != 0) return failed(systemReason(errno));
    target.mode = existing.st_mode & 07777;
    target.owner = existing.st_uid;
    target.group = existing.st_gid;
#endif
    return {WriteResult::Written, {}};
}

#ifdef _WIN32
int createLikeTarget(const std::filesystem::path& file, const SaveTarget&) {
    int fd = -1;
    if (const errno_t error =
            _wsopen_s(&fd, file.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _SH_DENYNO, _S_IREAD | _S_IWRITE);
        error != 0)
        return -error;
    return fd;
}

std::optional<std::string> syncFolder(const std::filesystem::path&) { return std::nullopt; }
#else
int createLikeTarget(const std::filesystem::path& file, const SaveTarget& like) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return -errno;
    if (like.exists) {
        // Only root may give the file to another owner; anyone may keep its group.
        const auto owner = static_cast<uid_t>(like.owner);
        const auto group = static_cast<gid_t>(like.group);
        if (::fchown(fd, owner, group) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), group);
        // After the owner, as a change of owner clears the set-id bits.
        if (::fchmod(fd, static_cast<mode_t>(like.mode)) != 0) {
            const int error = errno;
            ::close(fd);
            ::unlink(file.c_str());
            return -error;
        }
    }
    return fd;
}

// File systems that cannot sync a folder say so with EINVAL; there is nothing
// more to do on them.
std::optional<std::string> syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return systemReason(errno);
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    if (synced) return std::nullopt;
    return systemReason(error);
}
#endif

// A symbolic link is saved through to the file it names, so the link stays.
// The bytes go to a new file beside that one, made with its owner and
// permission bits, and are renamed over it only once they are on disk.
WriteOutcome writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    SaveTarget target;
    if (auto resolved = resolveSaveTarget(path, target); !resolved) return resolved;
    std::error_code error;
    std::random_device random;
    for (int tries = 0; tries < kTemporaryNameTries; ++tries) {
        const auto temporary =
            target.file.parent_path() / (target.file.filename().string() + ".tmp" + std::to_string(random() % 1000000));
#ifdef _WIN32
        if (fs::exists(fs::symlink_status(temporary, error))) continue;
        const fs::file_status existing(fs::file_type::regular, fs::perms(target.mode));
        if (auto reason = writeTemporary(temporary, bytes, target.exists ? &existing : nullptr))
            return failed(std::move(*reason));
#else
        const int written = writeTemporary(temporary, bytes, target);
        if (written == EEXIST) continue;  // the name is taken: another one
        if (written != 0) return failed(systemReason(written));
#endif
        fs::rename(temporary, target.file, error);
        if (error) {
            const std::string reason = error.message();
            fs::remove(temporary, error);
            return failed(reason);
        }
        if (auto reason = syncFolder(target.file.parent_path())) return failed(std::move(*reason));
        return {WriteResult::Written, {}};
    }
    return failed(systemReason(EEXIST));
}

}  // namespace tessel
