#include "link/platform/virtual_terminals.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace tessel::link {
namespace {

namespace fs = std::filesystem;

// An entry holds a device path and a line feed; anything longer is not ours.
constexpr std::size_t kMaxEntrySize = 256;
constexpr std::string_view kPseudoTerminalFolder = "/dev/pts/";

// Where the registry lives: a folder the system gives this user, and the
// folders the registry makes inside it.
struct RegistryPlace {
    fs::path base;
    std::array<std::string, 2> folders;
};

RegistryPlace registryPlace() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return {runtime, {"tessel-studio", "terminals"}};
    return {fs::temp_directory_path(), {"tessel-studio-" + std::to_string(::getuid()), "terminals"}};
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string systemReason() { return std::strerror(errno); }

// Opens the folder `name` inside the open folder `parent`, making it first
// when `create` is set. It must be a real folder, not a link, of this user's
// own; one that others may enter is made private. -1 with the reason in
// `error`, which stays empty when the folder is missing and not to be made;
// `shown` is the folder's whole path, for the reason.
int openPrivateFolder(int parent, const std::string& name, const std::string& shown, bool create, std::string& error) {
    if (create && ::mkdirat(parent, name.c_str(), 0700) != 0 && errno != EEXIST) {
        error = "cannot make " + shown + ": " + systemReason();
        return -1;
    }
    const int folder = ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0) {
        if (errno == ELOOP || errno == ENOTDIR) {
            error = shown + " is not a folder (a symbolic link?)";
        } else if (create || errno != ENOENT) {
            error = shown + ": " + systemReason();
        }
        return -1;
    }
    struct stat status {};
    if (::fstat(folder, &status) != 0 || status.st_uid != ::getuid()) {
        error = shown + " belongs to another user";
    } else if ((status.st_mode & 077) != 0 && ::fchmod(folder, 0700) != 0) {
        error = "cannot make " + shown + " private: " + systemReason();
    } else {
        return folder;
    }
    ::close(folder);
    return -1;
}

// The registry folder, opened step by step from the base so that no link on
// the way is followed; -1 with the reason in `error`.
int openRegistry(bool create, std::string& error) {
    const RegistryPlace place = registryPlace();
    int folder = ::open(place.base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        error = place.base.string() + ": " + systemReason();
        return -1;
    }
    fs::path shown = place.base;
    for (const auto& name : place.folders) {
        shown /= name;
        const int inner = openPrivateFolder(folder, name, shown.string(), create, error);
        ::close(folder);
        if (inner < 0) return -1;
        folder = inner;
    }
    return folder;
}

bool processRuns(long pid) { return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM); }

// Whether process `pid` holds `device` open, as a served terminal does. Where
// the system shows no open files, only whether the process runs is known.
bool processHoldsDevice(long pid, const std::string& device) {
    std::error_code error;
    fs::directory_iterator files(fs::path("/proc") / std::to_string(pid) / "fd", error);
    if (error) return !fs::exists("/proc/self/fd", error) && processRuns(pid);
    for (const auto end = fs::directory_iterator(); files != end; files.increment(error)) {
        if (error) return false;
        std::error_code unreadable;
        if (fs::read_symlink(files->path(), unreadable) == device) return true;
    }
    return false;
}

// A pseudo-terminal device of this user's own.
bool isOwnPseudoTerminal(const std::string& device) {
    if (!device.starts_with(kPseudoTerminalFolder) || !allDigits(device.substr(kPseudoTerminalFolder.size())))
        return false;
    struct stat status {};
    return ::stat(device.c_str(), &status) == 0 && S_ISCHR(status.st_mode) && status.st_uid == ::getuid();
}

// The process id an entry is named by, if it is one.
std::optional<long> processOfEntry(const std::string& name) {
    if (!allDigits(name) || name.size() > 9) return std::nullopt;
    return std::atol(name.c_str());
}

// The device an entry registers, when the entry is a plain file of this
// user's and its process holds that pseudo-terminal open.
std::optional<std::string> registeredDevice(int folder, const std::string& name, long pid) {
    const int file = ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) return std::nullopt;
    struct stat status {};
    std::string content(kMaxEntrySize, '\0');
    const bool plainFile = ::fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::getuid();
    const auto size = plainFile ? ::read(file, content.data(), content.size()) : -1;
    ::close(file);
    if (size <= 0) return std::nullopt;
    content.resize(static_cast<std::size_t>(size));
    const std::string device = content.substr(0, content.find('\n'));
    if (!isOwnPseudoTerminal(device) || !processHoldsDevice(pid, device)) return std::nullopt;
    return device;
}

std::vector<std::string> entryNames(int folder) {
    std::vector<std::string> names;
    const int listing = ::dup(folder);
    DIR* directory = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (!directory) {
        if (listing >= 0) ::close(listing);
        return names;
    }
    while (const dirent* entry = ::readdir(directory)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") names.emplace_back(name);
    }
    ::closedir(directory);
    return names;
}

bool writeAll(int file, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto written = ::write(file, bytes.data(), bytes.size());
        if (written < 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

fs::path virtualTerminalFolder() {
    const RegistryPlace place = registryPlace();
    return place.base / place.folders[0] / place.folders[1];
}

VirtualTerminalEntry::VirtualTerminalEntry(const std::string& devicePath) : name_(std::to_string(::getpid())) {
    folder_ = openRegistry(true, error_);
    if (folder_ < 0) return;
    // Made new and never through a link; an entry left by an earlier process
    // with the same id, or anything planted in its place, is removed first.
    int file = -1;
    for (int attempt = 0; attempt < 2 && file < 0; ++attempt) {
        file = ::openat(folder_, name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (file < 0 && errno == EEXIST) ::unlinkat(folder_, name_.c_str(), 0);
    }
    if (file < 0) {
        error_ = "cannot make " + (virtualTerminalFolder() / name_).string() + ": " + systemReason();
    } else {
        const bool written = writeAll(file, devicePath + '\n');
        const bool closed = ::close(file) == 0;
        if (written && closed) return;
        error_ = "cannot write " + (virtualTerminalFolder() / name_).string() + ": " + systemReason();
        ::unlinkat(folder_, name_.c_str(), 0);
    }
    ::close(folder_);
    folder_ = -1;
}

VirtualTerminalEntry::~VirtualTerminalEntry() {
    if (folder_ < 0) return;
    ::unlinkat(folder_, name_.c_str(), 0);
    ::close(folder_);
}

PortList listVirtualTerminals() {
    PortList terminals;
    std::string error;
    const int folder = openRegistry(false, error);
    if (folder < 0) return terminals;
    for (const auto& name : entryNames(folder)) {
        const auto pid = processOfEntry(name);
        // Entries of processes that have ended are dropped; one that fails the
        // checks while its process runs is only passed over, as it may be
        // one being written.
        if (!pid || !processRuns(*pid)) {
            ::unlinkat(folder, name.c_str(), 0);
        } else if (const auto device = registeredDevice(folder, name, *pid)) {
            terminals.push_back({*device, *device});
        }
    }
    ::close(folder);
    std::sort(terminals.begin(), terminals.end(),
              [](const PortEntry& a, const PortEntry& b) { return a.devicePath < b.devicePath; });
    return terminals;
}

}  // namespace tessel::link
