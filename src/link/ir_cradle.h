#pragma once
// The infrared cradle of the 4760: it takes command bytes while RTS is off and
// passes data while RTS is on. These steps find the rate it was left at, set
// the rate of the transfer, and find the port it hangs on.
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "link/link_clock.h"
#include "link/port_list.h"

namespace tessel::link {

inline constexpr Byte kCradleProbe = 0x0F;
inline constexpr Byte kCradleOpenSetup = 0x07;
inline constexpr Byte kCradleCloseSetup = 'Q';
// The rates the cradle is looked for at, in this order.
inline constexpr std::array<int, 5> kCradleProbeRates{9600, 115200, 38400, 57600, 19200};
inline constexpr int kCradleSetupRate = 38400;

// The rate selector byte of a baud-rate index ('6' for 115200 down to '2'
// for 9600); nothing for an index outside 0..4.
std::optional<Byte> cradleRateSelector(int baudIndex);
std::optional<int> rateOfBaudIndex(int baudIndex);

// The pause after each cradle step, one value for the whole program: 200 ms
// at first, 100 ms once a probe has run, back to 200 ms when the cradle was
// found at 9600.
struct CradleTiming {
    Milliseconds stepDelay{200};
};

// Probes at `rate`: RTS off, the probe byte, and success when it is echoed
// within 100 ms; then RTS on again. Waits `stepDelay` after each step.
bool probeCradle(SerialPort& port, LinkClock& clock, int rate, Milliseconds stepDelay);

// Finds the cradle's rate on the open port and sets it to the rate of
// `baudIndex`; false when the cradle answered at no rate, or at once when the
// clock is interrupted.
bool configureIrCradle(SerialPort& port, LinkClock& clock, CradleTiming& timing, int baudIndex);

using PortMaker = std::function<std::unique_ptr<SerialPort>()>;

// Opens each serial or virtual port in turn (never a Bluetooth port or one
// without a device path) and probes it at every rate with a fixed 100 ms step
// delay; the index of the first port whose cradle echoes.
std::optional<int> detectCradle(const PortList& ports, const PortMaker& makePort, LinkClock& clock);

}  // namespace tessel::link
