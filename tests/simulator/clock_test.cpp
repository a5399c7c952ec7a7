// The clock line's text and the clocks the simulator reads.
#include "simulator/clock_line.h"

#include <gtest/gtest.h>

#include "core/text_encoding.h"
#include "simulator/clock.h"

namespace tessel::sim {
namespace {

TEST(ClockLine, MonthDayTimeAndCounter) {
    struct Case {
        LocalTime time;
        int phase;
        unsigned counter;
        bool separateFiles;
        std::string expected;  // as UTF-8
    };
    const Case cases[] = {
        {{2026, 3, 5, 9, 5, 0}, 0, 123, false, "МАР 05, 09:05  00123"},
        {{2026, 3, 5, 9, 5, 0}, 4, 123, false, "МАР 05, 09:05  00123"},
        {{2026, 3, 5, 9, 5, 0}, 5, 123, false, "МАР 05, 09 05  00123"},
        {{2026, 3, 5, 9, 5, 0}, 9, 123, false, "МАР 05, 09 05  00123"},
        {{2026, 3, 5, 9, 5, 0}, 0, 123, true, "МАР 05, 09:05  "},
        {{2026, 1, 31, 23, 59, 59}, 0, 0, false, "ЯНВ 31, 23:59  00000"},
        {{2026, 2, 1, 0, 0, 0}, 0, 100000, false, "ФЕВ 01, 00:00  00000"},
        {{2026, 4, 1, 0, 0, 0}, 0, 199999, false, "АПР 01, 00:00  99999"},
        {{2026, 5, 1, 0, 0, 0}, 0, 1, false, "МАЙ 01, 00:00  00001"},
        {{2026, 6, 1, 0, 0, 0}, 0, 1, false, "ИЮН 01, 00:00  00001"},
        {{2026, 7, 1, 0, 0, 0}, 0, 1, false, "ИЮЛ 01, 00:00  00001"},
        {{2026, 8, 1, 0, 0, 0}, 0, 1, false, "АВГ 01, 00:00  00001"},
        {{2026, 9, 1, 0, 0, 0}, 0, 1, false, "СЕН 01, 00:00  00001"},
        {{2026, 10, 1, 0, 0, 0}, 0, 1, false, "ОКТ 01, 00:00  00001"},
        {{2026, 11, 1, 0, 0, 0}, 0, 1, false, "НОЯ 01, 00:00  00001"},
        {{2026, 12, 24, 18, 30, 0}, 0, 1, false, "ДЕК 24, 18:30  00001"},
    };
    for (const auto& c : cases) {
        const auto text = clockLineText(c.time, c.phase, c.counter, c.separateFiles);
        EXPECT_EQ(cp1251ToUtf8(text), c.expected) << "month " << c.time.month << " phase " << c.phase;
    }
}

TEST(SteppingClock, StepsAcrossTheYearEnd) {
    SteppingClock clock({2026, 12, 31, 23, 59, 59});
    clock.advance(std::chrono::milliseconds(900));
    EXPECT_EQ(clock.now(), (LocalTime{2026, 12, 31, 23, 59, 59}));
    clock.advance(std::chrono::milliseconds(100));
    EXPECT_EQ(clock.now(), (LocalTime{2027, 1, 1, 0, 0, 0}));
}

TEST(LocalTimeText, OnlyValidDatesAndTimesInTheExactForm) {
    EXPECT_EQ(parseLocalTime("2026-03-05 09:05:00"), (LocalTime{2026, 3, 5, 9, 5, 0}));
    EXPECT_EQ(parseLocalTime("2024-02-29 23:59:59"), (LocalTime{2024, 2, 29, 23, 59, 59}));
    const char* const bad[] = {
        "2026-02-29 00:00:00",  "2026-13-01 00:00:00", "2026-03-05 24:00:00",
        "2026-03-05 09:60:00",  "2026-3-5 9:05:00",    "2026-03-05T09:05:00",
        "2026-03-05 09:05:00x", "2026-03-05",          "",
        "2026-03-05 09:05:+1",  "abcd-ef-gh ij:kl:mn",
    };
    for (const char* text : bad) {
        EXPECT_EQ(parseLocalTime(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace tessel::sim
