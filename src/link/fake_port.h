#pragma once
// A serial port in the same process, wired to a simulated terminal and,
// optionally, a simulated cradle between them. It runs on a manual clock:
// waiting for bytes moves the clock instead of sleeping. It keeps a log of
// everything the link did to it, and can fail the way real ports do.
#include <optional>
#include <vector>

#include "link/link_clock.h"
#include "link/peer_line.h"
#include "link/serial_port.h"
#include "link/simulated_cradle.h"

namespace tessel::link {

class FakePort final : public SerialPort {
public:
    struct Step {
        enum class Kind { Open, Close, Rate, Rts, Dtr, Write, DiscardInput, DiscardOutput };
        Kind kind;
        int value = 0;       // rate, or 1/0 for RTS and DTR
        ByteString bytes{};  // written bytes
        bool rts = true;     // RTS while written
        int rate = 0;        // rate while written

        bool operator==(const Step&) const = default;
    };

    // `terminal` may be null: a port with nothing on the other end.
    FakePort(ManualClock& clock, PeerLine* terminal, SimulatedCradle* cradle = nullptr)
        : clock_(clock), terminal_(terminal), cradle_(cradle) {}

    OpenResult open(const PortEntry& port) override;
    void close() override;
    bool isOpen() const override { return open_; }
    bool setRate(int bitsPerSecond) override;
    bool setRts(bool on) override;
    bool setDtr(bool on) override;
    bool write(std::span<const Byte> bytes, Milliseconds limit) override;
    ReadResult read(std::span<Byte> into, Milliseconds wait) override;
    void discardInput() override;
    void discardOutput() override;

    // The next open() fails so.
    void refuseOpen(OpenResult::Status status) { refusal_ = status; }
    // Each read returns at most one line (up to its CR), as a slow line
    // delivers bytes a few at a time.
    void readLineByLine() { lineByLine_ = true; }
    // The device vanishes after `writes` more successful writes.
    void unplugAfter(int writes) { writesLeft_ = writes; }

    const std::vector<Step>& log() const { return log_; }
    // When each write of the log happened.
    const std::vector<TimePoint>& writeTimes() const { return writeTimes_; }
    const PortEntry& opened() const { return entry_; }
    int rate() const { return rate_; }
    bool rts() const { return rts_; }

private:
    void collectArrivals();

    ManualClock& clock_;
    PeerLine* terminal_;
    SimulatedCradle* cradle_;
    std::optional<OpenResult::Status> refusal_;
    std::optional<int> writesLeft_;
    bool open_ = false;
    bool unplugged_ = false;
    bool lineByLine_ = false;
    PortEntry entry_;
    int rate_ = 9600;
    bool rts_ = false;
    bool dtr_ = false;
    ByteString inbox_;
    std::vector<Step> log_;
    std::vector<TimePoint> writeTimes_;
};

}  // namespace tessel::link
