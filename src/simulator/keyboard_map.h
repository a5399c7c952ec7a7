#pragma once
// The PC keyboard on the pictured terminal: which terminal key a PC key
// presses, and how often. Digits, arrows, Enter, Esc, Backspace and the
// function keys press their terminal key once; a typed letter or punctuation
// character presses its multi-tap key as many times as the terminal needs to
// show that character (A-B once for "A", twice for "B", three times for "a",
// four for "b"). The Menu key and Shift+F10 press the menu key, which opens
// the popup menu. A key the family's keypad lacks presses nothing.
#include <optional>

namespace tessel::sim {

class Simulator;

// A PC key as the terminal window receives it.
struct PcKeyPress {
    enum class Key { Character, Up, Down, Left, Right, Enter, Escape, Backspace, Function, Menu };
    Key key = Key::Character;
    char32_t character = 0;  // Character: the text the key typed
    int function = 0;        // Function: 1 for F1 to 12 for F12
    bool shift = false;
};

// The terminal key a PC key presses.
struct TerminalKeyStroke {
    int code = 0;
    int presses = 1;
    int originX = 0;  // top-left corner of the key's image in the family's picture
    int originY = 0;
    bool opensMenu = false;  // the menu key: the popup menu opens
    bool repeats = false;    // held down, the key presses again (arrows, Backspace)
};

// The stroke of `press` on the keypad of `family`; nothing when the PC key
// has no terminal key there. F1 alone is the program's About shortcut, so the
// terminal's F1 is Shift+F1.
std::optional<TerminalKeyStroke> terminalKeyFor(int family, const PcKeyPress& press);

// Presses the stroke's key on the simulator. A character of a multi-tap key
// is typed afresh: one still pending on that key is entered first, so typing
// "AB" gives "AB" rather than stepping on to "B".
void pressStroke(Simulator& simulator, const TerminalKeyStroke& stroke);

}  // namespace tessel::sim
