#pragma once
// Key scripts: a whitespace-separated list of key names and timer ticks that
// drives the simulator, for the command-line tool and for tests.
//
// Tokens, in any letter case: 0 to 9 (the digit keys), A-B, C-D, ... W-X, Y-Z
// (the letter keys), ",;" and "$:" (the punctuation keys), SPACE, "-", ".",
// UP, DOWN, ESC, BS, ENTER, #N (the raw key code N, 0 to 255), tick:N (N
// timer ticks of 100 ms, at most a day of them), and the scan tokens of
// scan_token.h (SCAN, SCAN:SYMBOLOGY:DATA, SCAN:FILE:PATH, RFID:UID:DATA).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "simulator/clock.h"
#include "simulator/scan.h"
#include "simulator/simulator.h"

namespace tessel::sim {

// The most ticks one tick:N token lets pass: a day of 100 ms ticks. A script
// runs the ticks one by one, so a larger count would keep it busy for hours.
inline constexpr int kMaxScriptTicks = 24 * 60 * 60 * 10;

struct ScriptStep {
    enum class Kind { Key, Ticks, Scan, Picture };
    ScriptStep(Kind kind_ = Kind::Key, int value_ = 0) : kind(kind_), value(value_) {}

    Kind kind;
    int value;         // the key code, or the number of ticks
    Scan scan;         // the scan of a Scan step
    std::string path;  // the picture of a Picture step, which the front end decodes into a Scan step
};

// One token; nothing when it names no key.
std::optional<ScriptStep> parseKeyToken(std::string_view token);

// The tokens of a script, in order.
std::vector<std::string> splitKeyScript(std::string_view script);

// The first token of `script` that names no key, if any.
std::optional<std::string> badKeyToken(std::string_view script);

// Why `token`, one that names no key, is refused: a tick count beyond the
// limit says so, anything else is an unknown token.
std::string badKeyTokenReason(std::string_view token);

// Presses the key, lets the ticks pass (the clock moves 100 ms before each
// tick) or reads the scan; a Picture step not yet decoded does nothing.
void runStep(Simulator& simulator, SteppingClock& clock, const ScriptStep& step);

// Runs every token of a script known to be valid.
void runKeyScript(Simulator& simulator, SteppingClock& clock, std::string_view script);

}  // namespace tessel::sim
