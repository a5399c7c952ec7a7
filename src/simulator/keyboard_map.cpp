#include "simulator/keyboard_map.h"

#include "simulator/keypad.h"
#include "simulator/keys.h"
#include "simulator/multi_tap.h"
#include "simulator/simulator.h"

namespace tessel::sim {
namespace {

constexpr int kKeyLeft = 34;
constexpr int kKeyRight = 35;
constexpr int kKeyMenu = 41;

// The terminal's function keys F1 to F6.
constexpr int kFunctionKeys[] = {8, 12, 16, 38, 39, 40};

struct Press {
    int code = 0;
    int presses = 1;
};

// A letter's key and its place in the key's cycle: upper-case first and
// second letter, then lower-case first and second letter.
Press letterPress(char32_t c) {
    const bool lower = c >= U'a' && c <= U'z';
    const int letter = static_cast<int>(c - (lower ? U'a' : U'A'));
    return {kKeyLetterAB + letter / 2, 1 + letter % 2 + (lower ? 2 : 0)};
}

Press characterPress(char32_t c) {
    if (c >= U'0' && c <= U'9') return {keyOfDigit(static_cast<char>(c))};
    if ((c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z')) return letterPress(c);
    switch (c) {
        case U' ': return {kKeySpace};
        case U'-': return {kKeyMinus};
        case U'.': return {kKeyDot};
        case U',': return {kKeyCommaSemicolon, 1};
        case U';': return {kKeyCommaSemicolon, 2};
        case U'$': return {kKeyDollarColon, 1};
        case U':': return {kKeyDollarColon, 2};
        default: return {};
    }
}

Press functionPress(const PcKeyPress& press) {
    if (press.function == 10 && press.shift) return {kKeyMenu};
    if (press.function == 1 && !press.shift) return {};  // the About shortcut
    if (press.function >= 1 && press.function <= 6) return {kFunctionKeys[press.function - 1]};
    return {};
}

Press pressOf(const PcKeyPress& press) {
    using Key = PcKeyPress::Key;
    switch (press.key) {
        case Key::Character: return characterPress(press.character);
        case Key::Up: return {kKeyUp};
        case Key::Down: return {kKeyDown};
        case Key::Left: return {kKeyLeft};
        case Key::Right: return {kKeyRight};
        case Key::Enter: return {kKeyEnter};
        case Key::Escape: return {kKeyEsc};
        case Key::Backspace: return {kKeyBackspace};
        case Key::Function: return functionPress(press);
        case Key::Menu: return {kKeyMenu};
    }
    return {};
}

}  // namespace

std::optional<TerminalKeyStroke> terminalKeyFor(int family, const PcKeyPress& press) {
    const Press wanted = pressOf(press);
    if (wanted.code == 0) return std::nullopt;
    for (const auto& key : keyAreas(family)) {
        if (key.code != wanted.code) continue;
        TerminalKeyStroke stroke{wanted.code, wanted.presses, key.originX, key.originY};
        stroke.opensMenu = wanted.code == kKeyMenu;
        stroke.repeats = wanted.code == kKeyUp || wanted.code == kKeyDown || wanted.code == kKeyLeft ||
                         wanted.code == kKeyRight || wanted.code == kKeyBackspace;
        return stroke;
    }
    return std::nullopt;
}

void pressStroke(Simulator& simulator, const TerminalKeyStroke& stroke) {
    if (MultiTap::handles(stroke.code)) simulator.enterPendingCharacter();
    for (int i = 0; i < stroke.presses; ++i) simulator.handleKey(stroke.code);
}

}  // namespace tessel::sim
