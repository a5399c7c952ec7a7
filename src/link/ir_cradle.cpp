#include "link/ir_cradle.h"

namespace tessel::link {
namespace {

using namespace std::chrono_literals;

constexpr Milliseconds kEchoWait{100};
constexpr Milliseconds kDetectionStepDelay{100};

void writeByte(SerialPort& port, Byte b) {
    const Byte bytes[] = {b};
    port.write(bytes, kResponseTimeout);
}

}  // namespace

std::optional<int> rateOfBaudIndex(int baudIndex) {
    if (baudIndex < 0 || baudIndex > 4) return std::nullopt;
    constexpr int kRates[] = {115200, 57600, 38400, 19200, 9600};
    return kRates[baudIndex];
}

std::optional<Byte> cradleRateSelector(int baudIndex) {
    if (!rateOfBaudIndex(baudIndex)) return std::nullopt;
    return static_cast<Byte>('6' - baudIndex);
}

// The outcome of the individual settings calls is not examined: a cradle that
// was not reached simply does not echo.
bool probeCradle(SerialPort& port, LinkClock& clock, int rate, Milliseconds stepDelay) {
    port.setRate(rate);
    port.setRts(false);
    clock.sleepFor(stepDelay);
    writeByte(port, kCradleProbe);
    clock.sleepFor(stepDelay);
    Byte echo = 0;
    const ReadResult read = port.read(std::span<Byte>(&echo, 1), kEchoWait);
    const bool echoed = read.count == 1 && echo == kCradleProbe;
    port.setRts(true);
    clock.sleepFor(stepDelay);
    return echoed;
}

bool configureIrCradle(SerialPort& port, LinkClock& clock, CradleTiming& timing, int baudIndex) {
    port.setRate(kCradleSetupRate);
    port.setRts(true);
    port.setDtr(true);
    timing.stepDelay = 200ms;
    clock.sleepFor(timing.stepDelay);

    std::optional<int> found;
    for (const int rate : kCradleProbeRates) {
        if (clock.interrupted()) return false;
        const bool echoed = probeCradle(port, clock, rate, timing.stepDelay);
        timing.stepDelay = 100ms;
        if (echoed) {
            found = rate;
            break;
        }
    }
    if (!found || clock.interrupted()) return false;
    if (*found == 9600) timing.stepDelay = 200ms;

    port.setRts(false);
    clock.sleepFor(timing.stepDelay);
    writeByte(port, kCradleOpenSetup);
    clock.sleepFor(timing.stepDelay);
    int rate = *found;
    if (const auto selector = cradleRateSelector(baudIndex)) {
        writeByte(port, *selector);
        rate = *rateOfBaudIndex(baudIndex);
    } else {
        writeByte(port, kCradleOpenSetup);
    }
    clock.sleepFor(timing.stepDelay);
    writeByte(port, kCradleCloseSetup);
    clock.sleepFor(timing.stepDelay);

    port.setRate(rate);
    port.setRts(true);
    clock.sleepFor(timing.stepDelay);
    return true;
}

std::optional<int> detectCradle(const PortList& ports, const PortMaker& makePort, LinkClock& clock) {
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const PortKind kind = portKindOf(ports[i].devicePath);
        if (kind == PortKind::Bluetooth || kind == PortKind::NoPath) continue;
        auto port = makePort();
        if (!port->open(ports[i]).opened()) continue;
        port->setRate(kCradleSetupRate);
        port->setDtr(true);
        port->setRts(true);
        bool echoed = false;
        for (const int rate : kCradleProbeRates) {
            if ((echoed = probeCradle(*port, clock, rate, kDetectionStepDelay))) break;
        }
        port->close();
        if (echoed) return static_cast<int>(i);
    }
    return std::nullopt;
}

}  // namespace tessel::link
