#pragma once
// A simulated infrared cradle between the PC's port and the terminal. While
// RTS is off it takes command bytes, echoing the probe byte; 0x07, a rate
// selector and 'Q' set its rate. While RTS is on it relays data. Either works
// only when the PC's port runs at the cradle's rate; otherwise the bytes are
// garbled and lost.
#include <utility>

#include "link/wire.h"

namespace tessel::link {

class SimulatedCradle {
public:
    explicit SimulatedCradle(int rate = 9600) : rate_(rate) {}

    // Bytes the PC wrote at `pcRate` with RTS as given; returns what the
    // cradle relays to the terminal.
    ByteString fromPc(std::span<const Byte> bytes, int pcRate, bool rts);
    // Bytes from the terminal; returns what reaches the PC.
    ByteString toPc(std::span<const Byte> bytes, int pcRate, bool rts) const;
    // Echoes of the probe byte waiting for the PC.
    ByteString takeEchoes() { return std::exchange(echoes_, {}); }

    int rate() const { return rate_; }
    // Every command byte the cradle understood, in order.
    const ByteString& commands() const { return commands_; }

private:
    void command(Byte b);

    enum class Setup { Closed, AwaitingRate, AwaitingClose };

    int rate_;
    Setup setup_ = Setup::Closed;
    int pendingRate_ = 0;
    ByteString echoes_;
    ByteString commands_;
};

}  // namespace tessel::link
