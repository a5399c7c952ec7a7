#include "simulator/clock.h"

#include <charconv>
#include <ctime>

namespace tessel::sim {
namespace {

using namespace std::chrono;

// A stepping clock counts in a time line without time zone: its "UTC" is the
// local time it shows, so stepping never meets a daylight-saving jump.
sys_time<milliseconds> toTimeLine(const LocalTime& time) {
    const sys_days date =
        year_month_day{year{time.year}, month{static_cast<unsigned>(time.month)}, day{static_cast<unsigned>(time.day)}};
    return date + hours{time.hour} + minutes{time.minute} + seconds{time.second};
}

LocalTime fromTimeLine(sys_time<milliseconds> time) {
    const auto date = floor<days>(time);
    const year_month_day ymd{date};
    const hh_mm_ss clock{floor<seconds>(time - date)};
    return {int(ymd.year()),
            static_cast<int>(unsigned(ymd.month())),
            static_cast<int>(unsigned(ymd.day())),
            static_cast<int>(clock.hours().count()),
            static_cast<int>(clock.minutes().count()),
            static_cast<int>(clock.seconds().count())};
}

// Reads exactly `width` digits at `at` and checks the separator after them.
std::optional<int> number(std::string_view text, std::size_t at, std::size_t width, char separator) {
    if (at + width > text.size()) return std::nullopt;
    int value = 0;
    const char* first = text.data() + at;
    const auto [end, error] = std::from_chars(first, first + width, value);
    if (error != std::errc{} || end != first + width) return std::nullopt;
    const std::size_t after = at + width;
    if (separator != '\0' && (after >= text.size() || text[after] != separator)) return std::nullopt;
    return value;
}

}  // namespace

SteppingClock::SteppingClock(const LocalTime& start) : time_(toTimeLine(start)) {}

LocalTime SteppingClock::now() const { return fromTimeLine(time_); }

LocalTime SystemClock::now() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::optional<LocalTime> parseLocalTime(std::string_view text) {
    if (text.size() != 19) return std::nullopt;
    const auto y = number(text, 0, 4, '-');
    const auto mo = number(text, 5, 2, '-');
    const auto d = number(text, 8, 2, ' ');
    const auto h = number(text, 11, 2, ':');
    const auto mi = number(text, 14, 2, ':');
    const auto s = number(text, 17, 2, '\0');
    if (!y || !mo || !d || !h || !mi || !s) return std::nullopt;
    const year_month_day date{year{*y}, month{static_cast<unsigned>(*mo)}, day{static_cast<unsigned>(*d)}};
    if (!date.ok() || *h > 23 || *mi > 59 || *s > 59) return std::nullopt;
    return LocalTime{*y, *mo, *d, *h, *mi, *s};
}

}  // namespace tessel::sim
