#pragma once
// The time the link runs on. The worker and the cradle set-up take it from
// here, so tests can run them on a clock that only moves when told.
#include <algorithm>
#include <atomic>
#include <thread>

#include "link/transfer.h"

namespace tessel::link {

class LinkClock {
public:
    virtual ~LinkClock() = default;
    virtual TimePoint now() const = 0;
    virtual void sleepFor(Milliseconds duration) = 0;
    // Whether the steps that wait on this clock are to stop: the exchange
    // they prepare was cancelled.
    virtual bool interrupted() const { return false; }
};

// A clock whose sleeps end as soon as `cancelled` is set, and which then
// reports itself interrupted.
class CancellableClock final : public LinkClock {
public:
    CancellableClock(LinkClock& clock, const std::atomic<bool>& cancelled) : clock_(clock), cancelled_(cancelled) {}
    TimePoint now() const override { return clock_.now(); }
    void sleepFor(Milliseconds duration) override {
        constexpr Milliseconds kSlice{20};
        while (duration.count() > 0 && !cancelled_) {
            const Milliseconds step = std::min(duration, kSlice);
            clock_.sleepFor(step);
            duration -= step;
        }
    }
    bool interrupted() const override { return cancelled_; }

private:
    LinkClock& clock_;
    const std::atomic<bool>& cancelled_;
};

class SteadyLinkClock final : public LinkClock {
public:
    TimePoint now() const override { return Clock::now(); }
    void sleepFor(Milliseconds duration) override { std::this_thread::sleep_for(duration); }
};

// Moves only when slept on or advanced; for simulated links.
class ManualClock final : public LinkClock {
public:
    TimePoint now() const override { return now_; }
    void sleepFor(Milliseconds duration) override { now_ += duration; }
    void advanceTo(TimePoint time) {
        if (time > now_) now_ = time;
    }

private:
    TimePoint now_{};
};

}  // namespace tessel::link
