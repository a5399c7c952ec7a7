#include "link/platform/virtual_terminals.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>

#ifndef _WIN32
#include <signal.h>
#include <unistd.h>
#endif

namespace tessel::link {
namespace {

#ifndef _WIN32
bool processRuns(long pid) { return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM); }
long ownPid() { return static_cast<long>(::getpid()); }
std::string userTag() { return std::to_string(::getuid()); }
#else
bool processRuns(long) { return true; }
long ownPid() { return 0; }
std::string userTag() { return "user"; }
#endif

}  // namespace

std::filesystem::path virtualTerminalFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return std::filesystem::path(runtime) / "tessel-studio" / "terminals";
    return std::filesystem::temp_directory_path() / ("tessel-studio-" + userTag()) / "terminals";
}

VirtualTerminalEntry::VirtualTerminalEntry(const std::string& devicePath) {
    std::error_code error;
    std::filesystem::create_directories(virtualTerminalFolder(), error);
    file_ = virtualTerminalFolder() / std::to_string(ownPid());
    std::ofstream(file_) << devicePath << '\n';
}

VirtualTerminalEntry::~VirtualTerminalEntry() {
    std::error_code ignored;
    std::filesystem::remove(file_, ignored);
}

PortList listVirtualTerminals() {
    PortList terminals;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(virtualTerminalFolder(), error)) {
        const std::string name = entry.path().filename().string();
        char* end = nullptr;
        const long pid = std::strtol(name.c_str(), &end, 10);
        std::string device;
        std::getline(std::ifstream(entry.path()) >> std::ws, device);
        std::error_code missing;
        if (*end != '\0' || !processRuns(pid) || device.empty() || !std::filesystem::exists(device, missing)) {
            std::filesystem::remove(entry.path(), missing);
            continue;
        }
        terminals.push_back({device, device});
    }
    std::sort(terminals.begin(), terminals.end(),
              [](const PortEntry& a, const PortEntry& b) { return a.devicePath < b.devicePath; });
    return terminals;
}

}  // namespace tessel::link
