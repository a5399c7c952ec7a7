#pragma once
// One direction of a serial line at a given rate: bytes take their time to
// cross it (ten bit times each, with start and stop bit), one after the
// other, so that a simulated terminal sends and takes bytes no faster than a
// real line would carry them.
#include <deque>
#include <optional>

#include "link/transfer.h"

namespace tessel::link {

class LinePace {
public:
    // 0 bit/s: bytes cross at once.
    explicit LinePace(int bitsPerSecond) : bitsPerSecond_(bitsPerSecond) {}

    // Bytes that begin to cross at `now`, after those still on the line.
    void enter(std::span<const Byte> bytes, TimePoint now);
    // The bytes that have crossed by `now`, in order.
    ByteString leave(TimePoint now);
    // When the next byte has crossed; nothing while the line is empty.
    std::optional<TimePoint> deadline() const;

private:
    struct OnLine {
        TimePoint arrives;
        Byte byte;
    };

    int bitsPerSecond_;
    TimePoint free_{};  // when the last byte on the line has crossed
    std::deque<OnLine> line_;
};

}  // namespace tessel::link
