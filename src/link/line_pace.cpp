#include "link/line_pace.h"

#include <algorithm>

namespace tessel::link {
namespace {

constexpr int kBitsPerByte = 10;

}  // namespace

void LinePace::enter(std::span<const Byte> bytes, TimePoint now) {
    if (bytes.empty()) return;
    const auto byteTime = bitsPerSecond_ > 0 ? std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(
                                                   1'000'000'000LL * kBitsPerByte / bitsPerSecond_))
                                             : Clock::duration::zero();
    TimePoint at = std::max(now, free_);
    for (const Byte b : bytes) {
        at += byteTime;
        line_.push_back({at, b});
    }
    free_ = at;
}

ByteString LinePace::leave(TimePoint now) {
    ByteString crossed;
    while (!line_.empty() && line_.front().arrives <= now) {
        crossed.push_back(line_.front().byte);
        line_.pop_front();
    }
    return crossed;
}

std::optional<TimePoint> LinePace::deadline() const {
    if (line_.empty()) return std::nullopt;
    return line_.front().arrives;
}

}  // namespace tessel::link
