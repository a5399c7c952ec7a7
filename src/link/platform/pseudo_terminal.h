#pragma once
// Serves a simulated terminal on a pseudo-terminal: programs open the device
// path as they would a serial port and talk to the terminal behind it.
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "link/peer_line.h"

namespace tessel::link {

class PseudoTerminalServer {
public:
    // A new pseudo-terminal in raw mode; nothing, with the reason in
    // `error`, when none can be made.
    static std::unique_ptr<PseudoTerminalServer> open(std::string& error);
    ~PseudoTerminalServer();
    PseudoTerminalServer(const PseudoTerminalServer&) = delete;
    PseudoTerminalServer& operator=(const PseudoTerminalServer&) = delete;

    // The path to open, such as /dev/pts/3.
    const std::string& devicePath() const { return devicePath_; }

    // Passes bytes between the pseudo-terminal and `line` until `stop` is
    // set, each way no faster than `bitsPerSecond` carries them (0: at
    // once); `afterEvents` runs after each step on the serving thread.
    void serve(PeerLine& line, const std::atomic<bool>& stop, const std::function<void()>& afterEvents,
               int bitsPerSecond = 0);

private:
    PseudoTerminalServer(int controller, int device, std::string path)
        : controller_(controller), device_(device), devicePath_(std::move(path)) {}

    int controller_;
    int device_;  // kept open so the line stays up between the programs that use it
    std::string devicePath_;
};

}  // namespace tessel::link
