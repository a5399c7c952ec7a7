#include "link/fake_port.h"

#include <algorithm>

namespace tessel::link {

using Kind = FakePort::Step::Kind;

OpenResult FakePort::open(const PortEntry& port) {
    if (refusal_) {
        const OpenResult refused{*std::exchange(refusal_, std::nullopt), "refused"};
        return refused;
    }
    open_ = true;
    unplugged_ = false;
    entry_ = port;
    log_.push_back({Kind::Open});
    return {OpenResult::Status::Opened, {}};
}

void FakePort::close() {
    if (!open_) return;
    open_ = false;
    log_.push_back({Kind::Close});
}

bool FakePort::setRate(int bitsPerSecond) {
    if (!open_ || unplugged_) return false;
    rate_ = bitsPerSecond;
    log_.push_back({Kind::Rate, bitsPerSecond});
    return true;
}

bool FakePort::setRts(bool on) {
    if (!open_ || unplugged_) return false;
    rts_ = on;
    log_.push_back({Kind::Rts, on ? 1 : 0});
    return true;
}

bool FakePort::setDtr(bool on) {
    if (!open_ || unplugged_) return false;
    dtr_ = on;
    log_.push_back({Kind::Dtr, on ? 1 : 0});
    return true;
}

bool FakePort::write(std::span<const Byte> bytes, Milliseconds) {
    if (!open_ || unplugged_) return false;
    if (writesLeft_ && (*writesLeft_)-- == 0) {
        unplugged_ = true;
        return false;
    }
    log_.push_back({Kind::Write, 0, ByteString(bytes.begin(), bytes.end()), rts_, rate_});
    writeTimes_.push_back(clock_.now());
    const ByteString forTerminal =
        cradle_ ? cradle_->fromPc(bytes, rate_, rts_) : ByteString(bytes.begin(), bytes.end());
    if (terminal_ && !forTerminal.empty()) terminal_->fromPc(forTerminal, clock_.now());
    return true;
}

ReadResult FakePort::read(std::span<Byte> into, Milliseconds wait) {
    if (!open_ || unplugged_) return {0, true};
    const TimePoint end = clock_.now() + wait;
    for (;;) {
        collectArrivals();
        if (!inbox_.empty() || clock_.now() >= end) break;
        TimePoint next = end;
        if (terminal_) {
            if (const auto due = terminal_->deadline(); due && *due > clock_.now()) next = std::min(next, *due);
        }
        clock_.advanceTo(next);
    }
    std::size_t count = std::min(into.size(), inbox_.size());
    if (lineByLine_) {
        const auto cr = std::find(inbox_.begin(), inbox_.end(), kCr);
        if (cr != inbox_.end()) count = std::min(count, static_cast<std::size_t>(cr - inbox_.begin()) + 1);
    }
    std::copy_n(inbox_.begin(), count, into.begin());
    inbox_.erase(inbox_.begin(), inbox_.begin() + static_cast<std::ptrdiff_t>(count));
    return {count, false};
}

void FakePort::discardInput() {
    collectArrivals();
    inbox_.clear();
    log_.push_back({Kind::DiscardInput});
}

void FakePort::discardOutput() { log_.push_back({Kind::DiscardOutput}); }

void FakePort::collectArrivals() {
    if (cradle_) {
        const ByteString echoes = cradle_->takeEchoes();
        // An echo at another rate than the port's arrives garbled: lost here.
        if (cradle_->rate() == rate_) inbox_.insert(inbox_.end(), echoes.begin(), echoes.end());
    }
    if (!terminal_) return;
    const ByteString arrived = terminal_->toPc(clock_.now());
    const ByteString passed = cradle_ ? cradle_->toPc(arrived, rate_, rts_) : arrived;
    inbox_.insert(inbox_.end(), passed.begin(), passed.end());
}

}  // namespace tessel::link
