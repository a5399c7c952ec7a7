#include "simulator/clock_line.h"

#include <array>
#include <cstdio>

namespace tessel::sim {
namespace {

// Windows-1251 bytes of the Russian month abbreviations, January first.
constexpr std::array<std::array<unsigned char, 3>, 12> kMonths{{
    {0xDF, 0xCD, 0xC2},
    {0xD4, 0xC5, 0xC2},
    {0xCC, 0xC0, 0xD0},
    {0xC0, 0xCF, 0xD0},
    {0xCC, 0xC0, 0xC9},
    {0xC8, 0xDE, 0xCD},
    {0xC8, 0xDE, 0xCB},
    {0xC0, 0xC2, 0xC3},
    {0xD1, 0xC5, 0xCD},
    {0xCE, 0xCA, 0xD2},
    {0xCD, 0xCE, 0xDF},
    {0xC4, 0xC5, 0xCA},
}};

constexpr int kColonPhases = 5;
constexpr unsigned kCounterModulus = 100000;

}  // namespace

std::string clockLineText(const LocalTime& time, int phase, unsigned recordCounter, bool separateDataFiles) {
    const auto& month = kMonths[static_cast<std::size_t>(time.month - 1) % kMonths.size()];
    std::string text(month.begin(), month.end());
    text += ' ';

    char buffer[64];
    const char* format = phase < kColonPhases ? "%02d, %02d:%02d  " : "%02d, %02d %02d  ";
    std::snprintf(buffer, sizeof buffer, format, time.day, time.hour, time.minute);
    text += buffer;
    if (!separateDataFiles) {
        std::snprintf(buffer, sizeof buffer, "%05u", recordCounter % kCounterModulus);
        text += buffer;
    }
    return text;
}

}  // namespace tessel::sim
