#pragma once
// Opening the chosen port for one transfer: the port itself, the cradle's
// rate when the transfer goes through the cradle, then the link settings.
#include <functional>
#include <string>

#include "link/failure_advice.h"
#include "link/ir_cradle.h"

namespace tessel::link {

inline constexpr int kLinkKindCradle = 0;

struct PortOpening {
    int result = kCompleted;  // 1, or the id of the message that explains the failure
    Advice advice;            // what the system said, and how to fix it, when known
};

// What the opening is busy with, for the user to see: the cradle set-up
// takes about two seconds.
enum class OpeningStep { Port, Cradle };

// Leaves whatever it opened in place when it fails: the caller's closing step
// releases it. `onStep` hears of each step as it begins.
PortOpening openTerminalPort(SerialPort& port, const PortList& ports, int portIndex, int linkKind, int baudIndex,
                             LinkClock& clock, CradleTiming& timing,
                             const std::function<void(OpeningStep)>& onStep = {});

// The transfer's settings: the rate of the baud-rate index, 8N1, DTR and RTS
// on. False when the port refuses them.
bool applyLinkSettings(SerialPort& port, int baudIndex);

}  // namespace tessel::link
