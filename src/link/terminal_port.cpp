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
    if (!opened.opened()) return {message::kCannotOpenPort, openFailureAdvice(entry, opened)};
    if (linkKind == kLinkKindCradle) {
        step(OpeningStep::Cradle);
        if (!configureIrCradle(port, clock, timing, baudIndex))
            return {message::kCannotConfigureCradle, cradleFailureAdvice(entry)};
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

}  // namespace tessel::link
