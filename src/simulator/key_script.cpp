#include "simulator/key_script.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <sstream>

#include "simulator/keys.h"
#include "simulator/scan_token.h"

namespace tessel::sim {
namespace {

constexpr int kMaxKeyCode = 255;
constexpr std::chrono::milliseconds kTickLength{100};

struct NamedKey {
    std::string_view name;
    int code;
};

constexpr std::array<NamedKey, 24> kNamedKeys{{
    {"A-B", 17},
    {"C-D", 18},
    {"E-F", 19},
    {"G-H", 20},
    {"I-J", 21},
    {"K-L", 22},
    {"M-N", 23},
    {"O-P", 24},
    {"Q-R", 25},
    {"S-T", 26},
    {"U-V", 27},
    {"W-X", 28},
    {"Y-Z", 29},
    {",;", kKeyCommaSemicolon},
    {"$:", kKeyDollarColon},
    {"SPACE", kKeySpace},
    {"-", kKeyMinus},
    {".", kKeyDot},
    {"UP", kKeyUp},
    {"DOWN", kKeyDown},
    {"ESC", kKeyEsc},
    {"BS", kKeyBackspace},
    {"ENTER", kKeyEnter},
    {"SCAN", kKeyScan},
}};

std::string upper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

constexpr std::string_view kTickPrefix = "TICK:";

// A whole token of decimal digits.
std::optional<long long> wholeNumber(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool whole = !text.empty() && error == std::errc{} && end == text.data() + text.size();
    if (!whole || value < 0) return std::nullopt;
    return value;
}

}  // namespace

std::optional<ScriptStep> parseKeyToken(std::string_view token) {
    if (looksLikeScanToken(token)) {
        const auto parsed = parseScanToken(token);
        if (!parsed.scan) return std::nullopt;
        if (const auto* picture = std::get_if<PictureScan>(&*parsed.scan)) {
            ScriptStep step(ScriptStep::Kind::Picture);
            step.path = picture->path;
            return step;
        }
        ScriptStep step(ScriptStep::Kind::Scan);
        step.scan = std::get<Scan>(*parsed.scan);
        return step;
    }
    const std::string name = upper(token);
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') {
        return ScriptStep{ScriptStep::Kind::Key, keyOfDigit(name[0])};
    }
    for (const auto& key : kNamedKeys) {
        if (key.name == name) return ScriptStep{ScriptStep::Kind::Key, key.code};
    }
    if (name.starts_with('#')) {
        const auto code = wholeNumber(std::string_view(name).substr(1));
        if (code && *code <= kMaxKeyCode) return ScriptStep{ScriptStep::Kind::Key, static_cast<int>(*code)};
    }
    if (name.starts_with(kTickPrefix)) {
        const auto ticks = wholeNumber(std::string_view(name).substr(kTickPrefix.size()));
        if (ticks && *ticks <= kMaxScriptTicks) return ScriptStep{ScriptStep::Kind::Ticks, static_cast<int>(*ticks)};
    }
    return std::nullopt;
}

std::vector<std::string> splitKeyScript(std::string_view script) {
    std::istringstream words{std::string(script)};
    std::vector<std::string> tokens;
    for (std::string token; words >> token;) tokens.push_back(token);
    return tokens;
}

std::optional<std::string> badKeyToken(std::string_view script) {
    for (const auto& token : splitKeyScript(script)) {
        if (!parseKeyToken(token)) return token;
    }
    return std::nullopt;
}

std::string badKeyTokenReason(std::string_view token) {
    if (looksLikeScanToken(token)) return parseScanToken(token).problem;
    const std::string name = upper(token);
    // Digits too many for a number are still a tick count beyond the limit.
    const auto count = std::string_view(name).substr(std::min(name.size(), kTickPrefix.size()));
    const bool tooManyTicks = name.starts_with(kTickPrefix) && !count.empty() &&
                              std::all_of(count.begin(), count.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (tooManyTicks) {
        return "'" + std::string(token) +
               "' lets more than a day pass (at most tick:" + std::to_string(kMaxScriptTicks) + ")";
    }
    return "unknown key token '" + std::string(token) + "'";
}

void runStep(Simulator& simulator, SteppingClock& clock, const ScriptStep& step) {
    if (step.kind == ScriptStep::Kind::Key) {
        simulator.handleKey(step.value);
        return;
    }
    if (step.kind == ScriptStep::Kind::Scan) {
        simulator.scan(step.scan);
        return;
    }
    if (step.kind == ScriptStep::Kind::Picture) return;
    for (int i = 0; i < step.value; ++i) {
        clock.advance(kTickLength);
        simulator.tick();
    }
}

void runKeyScript(Simulator& simulator, SteppingClock& clock, std::string_view script) {
    for (const auto& token : splitKeyScript(script)) {
        if (const auto step = parseKeyToken(token)) runStep(simulator, clock, *step);
    }
}

}  // namespace tessel::sim
