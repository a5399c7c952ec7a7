#pragma once
// Simulated terminals started by `tessel terminal` serve on pseudo-terminals,
// which the system's port list never shows. Each one registers its device in
// a small file under the user's runtime folder while it runs, so that port
// lists can offer it.
//
// The folder may lie in the shared temporary folder, where other users can
// plant files and links before us. So every folder of the registry must be a
// real folder of this user's own, kept private (0700); entries are created
// new, never through a link; and an entry is listed only when it names a
// pseudo-terminal of this user that its process holds open.
#include <filesystem>
#include <string>

#include "link/port_list.h"

namespace tessel::link {

// $XDG_RUNTIME_DIR/tessel-studio/terminals, else a folder of the user's own
// under the temporary folder.
std::filesystem::path virtualTerminalFolder();

// Registers the device of this process's terminal until the returned entry
// is destroyed. When the registry cannot be trusted or written, nothing is
// registered and `error` says why.
class VirtualTerminalEntry {
public:
    explicit VirtualTerminalEntry(const std::string& devicePath);
    ~VirtualTerminalEntry();
    VirtualTerminalEntry(const VirtualTerminalEntry&) = delete;
    VirtualTerminalEntry& operator=(const VirtualTerminalEntry&) = delete;

    bool registered() const { return folder_ >= 0; }
    const std::string& error() const { return error_; }

private:
    int folder_ = -1;  // the registry folder, held open so the entry is removed from the folder it was made in
    std::string name_;
    std::string error_;
};

// The registered terminals whose process still runs and holds its device;
// the device path is also their port name. Entries that fail the checks are
// removed. Nothing is listed from a registry folder that is not the user's
// own.
PortList listVirtualTerminals();

}  // namespace tessel::link
