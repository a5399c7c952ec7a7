#pragma once
// Who stands between the user and a serial device: the group that owns it
// (for a missing permission) and the processes that hold it open (for a port
// in use), read from the file system and /proc.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tessel::link {

// The name of the group that owns `device`, when it can be found.
std::optional<std::string> deviceGroup(const std::filesystem::path& device);

struct PortHolder {
    int pid = 0;
    std::string program;  // the process's command name
};

// The processes of this user that have `device` open, found through
// `procFolder`'s per-process descriptor links; none when nothing can be read.
std::vector<PortHolder> processesHolding(const std::filesystem::path& device,
                                         const std::filesystem::path& procFolder = "/proc");

}  // namespace tessel::link
