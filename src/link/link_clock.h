#pragma once
// The time the link runs on. The worker and the cradle set-up take it from
// here, so tests can run them on a clock that only moves when told.
#include <thread>

#include "link/transfer.h"

namespace tessel::link {

class LinkClock {
public:
    virtual ~LinkClock() = default;
    virtual TimePoint now() const = 0;
    virtual void sleepFor(Milliseconds duration) = 0;
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
