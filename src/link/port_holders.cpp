#include "link/port_holders.h"

#include <grp.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <fstream>

namespace tessel::link {
namespace {

bool isNumber(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool holds(const std::filesystem::path& process, const std::filesystem::path& device) {
    std::error_code error;
    for (const auto& descriptor : std::filesystem::directory_iterator(process / "fd", error)) {
        std::error_code linkError;
        if (std::filesystem::read_symlink(descriptor.path(), linkError) == device) return true;
    }
    return false;
}

std::string commandOf(const std::filesystem::path& process) {
    std::ifstream comm(process / "comm");
    std::string program;
    std::getline(comm, program);
    return program;
}

}  // namespace

std::optional<std::string> deviceGroup(const std::filesystem::path& device) {
    struct stat status {};
    if (::stat(device.c_str(), &status) != 0) return std::nullopt;
    const group* owner = ::getgrgid(status.st_gid);
    if (!owner || !owner->gr_name) return std::nullopt;
    return std::string(owner->gr_name);
}

std::vector<PortHolder> processesHolding(const std::filesystem::path& device, const std::filesystem::path& procFolder) {
    std::error_code error;
    const auto target = std::filesystem::canonical(device, error);
    const auto& wanted = error ? device : target;
    std::vector<PortHolder> holders;
    for (const auto& entry : std::filesystem::directory_iterator(procFolder, error)) {
        const std::string name = entry.path().filename().string();
        if (!isNumber(name) || !holds(entry.path(), wanted)) continue;
        holders.push_back({std::stoi(name), commandOf(entry.path())});
    }
    return holders;
}

}  // namespace tessel::link
