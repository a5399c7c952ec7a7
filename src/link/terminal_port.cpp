#include "link/terminal_port.h"

namespace tessel::link {

PortOpening openTerminalPort(SerialPort& port, const PortList& ports, int portIndex, int linkKind, int baudIndex,
                             LinkClock& clock, CradleTiming& timing, const std::function<void(OpeningStep)>& onStep) {
    const auto step = [&onStep](OpeningStep what) {
        if (onStep) onStep(what);
    };
    if (portKindAt(ports, portIndex) == PortKind::None) return {message::kNoPort, {}};
    const PortEntry& entry = ports[static_cast<std::size_t>(portIndex)];
    step(OpeningStep::Port);
    const OpenResult opened = port.open(entry);
    if (!opened.opened()) return {message::kCannotOpenPort, explainOpenFailure(entry, opened)};
    if (linkKind == kLinkKindCradle) {
        step(OpeningStep::Cradle);
        if (!configureIrCradle(port, clock, timing, baudIndex))
            return {message::kCannotConfigureCradle, explainCradleFailure(entry)};
    }
    if (!applyLinkSettings(port, baudIndex)) return {message::kFailedToOpenPort, {}};
    return {};
}

bool applyLinkSettings(SerialPort& port, int baudIndex) {
    const auto rate = rateOfBaudIndex(baudIndex);
    if (!rate) return false;
    const bool applied = port.setRate(*rate);
    const bool dtr = port.setDtr(true);
    const bool rts = port.setRts(true);
    return applied && dtr && rts;
}

std::string explainCradleFailure(const PortEntry& port) {
    if (!port.devicePath.starts_with("/dev/pts/")) return {};
    return port.devicePath +
           " is a pseudo-terminal (a simulated terminal, for example), which has no RTS line to set up a cradle "
           "with: use cable or Bluetooth for it (--via bluetooth for any family, --via cable for the 4130 group; "
           "Bluetooth SPP or a cable in the preferences).";
}

std::string explainOpenFailure(const PortEntry& port, const OpenResult& result) {
    const std::string name = port.portName + " (" + port.devicePath + ")";
    switch (result.status) {
        case OpenResult::Status::PermissionDenied:
            return "No permission to use " + name +
                   ". Add yourself to the group that owns it (usually: sudo usermod -aG dialout $USER) "
                   "and log in again.";
        case OpenResult::Status::NotFound: return name + " does not exist (any more). Is the device plugged in?";
        case OpenResult::Status::Busy: return name + " is in use by another program.";
        default: return result.detail.empty() ? std::string{} : name + ": " + result.detail;
    }
}

}  // namespace tessel::link
