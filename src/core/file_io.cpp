#include "core/file_io.h"

#include <cstdio>
#include <fstream>
#include <random>

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

#ifdef _WIN32
bool writeTemporary(const fs::path& path, std::string_view bytes, const fs::file_status* existing) {
    std::FILE* file = nullptr;
    if (_wfopen_s(&file, path.c_str(), L"wbx") != 0 || !file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0 &&
              _commit(_fileno(file)) == 0;
    ok = std::fclose(file) == 0 && ok;
    std::error_code error;
    if (ok && existing) fs::permissions(path, existing->permissions(), error);
    if (!ok) fs::remove(path, error);
    return ok;
}
#else
// Creates `path` (never an existing file) with the owner and permission bits
// of the file it replaces, writes `bytes` and flushes them to disk.
bool writeTemporary(const fs::path& path, std::string_view bytes, const struct stat* existing) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = true;
    if (existing) {
        // Only root may give the file to another owner; anyone may keep its group.
        if (::fchown(fd, existing->st_uid, existing->st_gid) != 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), existing->st_gid);
        // After the owner, as a change of owner clears the set-id bits.
        ok = ::fchmod(fd, existing->st_mode & 07777) == 0;
    }
    for (std::size_t written = 0; ok && written < bytes.size();) {
        const auto n = ::write(fd, bytes.data() + written, bytes.size() - written);
        ok = n >= 0;
        if (ok) written += static_cast<std::size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) ::unlink(path.c_str());
    return ok;
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
WriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const auto target = linkTarget(path);
    if (!target) return WriteResult::Failed;
    std::error_code error;
    const auto status = fs::status(*target, error);
    const bool exists = !error && fs::exists(status);
    if (exists && !fs::is_regular_file(status)) return WriteResult::Failed;
    if (exists && isReadOnly(*target, status.permissions())) return WriteResult::ReadOnly;
#ifdef _WIN32
    const auto* existing = exists ? &status : nullptr;
#else
    struct stat existingStat {};
    if (exists && ::stat(target->c_str(), &existingStat) != 0) return WriteResult::Failed;
    const auto* existing = exists ? &existingStat : nullptr;
#endif

    std::random_device random;
    for (int tries = 0; tries < kTemporaryNameTries; ++tries) {
        const auto temporary =
            target->parent_path() / (target->filename().string() + ".tmp" + std::to_string(random() % 1000000));
        if (fs::exists(fs::symlink_status(temporary, error))) continue;
        if (!writeTemporary(temporary, bytes, existing)) return WriteResult::Failed;
        fs::rename(temporary, *target, error);
        if (!error) return WriteResult::Written;
        fs::remove(temporary, error);
        return WriteResult::Failed;
    }
    return WriteResult::Failed;
}

}  // namespace tessel
