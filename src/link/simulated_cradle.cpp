#include "link/simulated_cradle.h"

#include <utility>

#include "link/ir_cradle.h"

namespace tessel::link {
namespace {

std::optional<int> rateOfSelector(Byte selector) {
    if (selector < '2' || selector > '6') return std::nullopt;
    return rateOfBaudIndex('6' - selector);
}

}  // namespace

ByteString SimulatedCradle::fromPc(std::span<const Byte> bytes, int pcRate, bool rts) {
    if (pcRate != rate_) return {};
    if (rts) return ByteString(bytes.begin(), bytes.end());
    for (const Byte b : bytes) command(b);
    return {};
}

ByteString SimulatedCradle::toPc(std::span<const Byte> bytes, int pcRate, bool rts) const {
    if (!rts || pcRate != rate_) return {};
    return ByteString(bytes.begin(), bytes.end());
}

void SimulatedCradle::command(Byte b) {
    commands_.push_back(b);
    if (b == kCradleProbe) {
        echoes_.push_back(kCradleProbe);
        return;
    }
    if (b == kCradleOpenSetup) {
        setup_ = Setup::AwaitingRate;
        return;
    }
    if (b == kCradleCloseSetup) {
        if (setup_ == Setup::AwaitingClose) rate_ = pendingRate_;
        setup_ = Setup::Closed;
        return;
    }
    if (setup_ == Setup::AwaitingRate) {
        if (const auto rate = rateOfSelector(b)) {
            pendingRate_ = *rate;
            setup_ = Setup::AwaitingClose;
        }
    }
}

}  // namespace tessel::link
