#pragma once
// Simulated terminals started by `tessel terminal` serve on pseudo-terminals,
// which the system's port list never shows. Each one registers its device in
// a small file under the user's runtime folder while it runs, so that port
// lists can offer it.
#include <filesystem>
#include <string>

#include "link/port_list.h"

namespace tessel::link {

// $XDG_RUNTIME_DIR/tessel-studio/terminals, else a folder of the user's own
// under the temporary folder.
std::filesystem::path virtualTerminalFolder();

// Registers the device of this process's terminal until the returned entry
// is destroyed.
class VirtualTerminalEntry {
public:
    explicit VirtualTerminalEntry(const std::string& devicePath);
    ~VirtualTerminalEntry();
    VirtualTerminalEntry(const VirtualTerminalEntry&) = delete;
    VirtualTerminalEntry& operator=(const VirtualTerminalEntry&) = delete;

private:
    std::filesystem::path file_;
};

// The registered terminals whose process still runs and whose device still
// exists; the device path is also their port name. Stale entries are removed.
PortList listVirtualTerminals();

}  // namespace tessel::link
