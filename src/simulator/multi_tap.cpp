#include "simulator/multi_tap.h"

#include "simulator/keys.h"

namespace tessel::sim {
namespace {

constexpr int kLetterCycle = 4;       // A, B, a, b
constexpr int kPunctuationCycle = 2;  // "," ";" and "$" ":"
constexpr int kTimeoutTicks = 5;      // pending past this many ticks times out

int cycleLength(int code) {
    return code == kKeyCommaSemicolon || code == kKeyDollarColon ? kPunctuationCycle : kLetterCycle;
}

char characterOf(int code, int step) {
    switch (code) {
        case kKeySpace: return ' ';
        case kKeyCommaSemicolon: return step == 0 ? ',' : ';';
        case kKeyDollarColon: return step == 0 ? '$' : ':';
        default: break;
    }
    const char base = static_cast<char>('A' + 2 * (code - kKeyLetterAB));
    const char upper = static_cast<char>(base + step % 2);
    return step < 2 ? upper : static_cast<char>(upper - 'A' + 'a');
}

}  // namespace

bool MultiTap::handles(int code) { return code == kKeySpace || (code >= kKeyLetterAB && code <= kKeyDollarColon); }

char MultiTap::press(int code) {
    ticks_ = 0;
    step_ = pending_ ? (step_ + 1) % cycleLength(code) : 0;
    character_ = characterOf(code, step_);
    pending_ = true;
    return character_;
}

bool MultiTap::tick() {
    if (!pending_) return false;
    if (ticks_ > kTimeoutTicks) return true;
    ++ticks_;
    return false;
}

std::optional<char> MultiTap::take() {
    if (!pending_) return std::nullopt;
    pending_ = false;
    return character_;
}

}  // namespace tessel::sim
