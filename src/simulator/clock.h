#pragma once
// Local date and time for the simulator, always from an injected clock: the
// clock line and the date/time stamp read it, tests and scripts fix it.
#include <chrono>
#include <optional>
#include <string_view>

namespace tessel::sim {

struct LocalTime {
    int year = 2000;
    int month = 1;  // 1 to 12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
};

// Starts at a given time and moves only when told to, by whole milliseconds.
class SteppingClock final : public Clock {
public:
    explicit SteppingClock(const LocalTime& start);
    void advance(std::chrono::milliseconds step) { time_ += step; }
    LocalTime now() const override;

private:
    std::chrono::sys_time<std::chrono::milliseconds> time_;
};

// The computer's local time.
class SystemClock final : public Clock {
public:
    LocalTime now() const override;
};

// "YYYY-MM-DD HH:MM:SS" as a valid calendar date and time of day.
std::optional<LocalTime> parseLocalTime(std::string_view text);

}  // namespace tessel::sim
