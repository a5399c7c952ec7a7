#pragma once
// The terminal's end of the wire: the simulated terminal behind a line that
// may drop, corrupt, hold back or swallow bytes in both directions.
#include <deque>

#include "link/line_faults.h"
#include "link/terminal_peer.h"

namespace tessel::link {

class PeerLine {
public:
    PeerLine(TerminalPeer& peer, FaultSpec faults = {}, std::uint32_t seed = 1);

    void fromPc(std::span<const Byte> bytes, TimePoint now);
    // The bytes that have reached the PC by `now`.
    ByteString toPc(TimePoint now);
    // When toPc() or the terminal next has something to do.
    std::optional<TimePoint> deadline() const;

    TerminalPeer& peer() { return peer_; }

private:
    void collectAnswers(TimePoint now);

    struct Pending {
        TimePoint at;
        ByteString bytes;
    };

    TerminalPeer& peer_;
    LineFaults faults_;
    std::deque<Pending> pending_;
};

}  // namespace tessel::link
