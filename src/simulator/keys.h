#pragma once
// The key codes the keypad delivers to the simulator. The 4760 keypad sends
// 1 to 43; the group-family keypad lacks 8, 16, 27, 28 and 43 and adds 44.
#include <optional>

namespace tessel::sim {

enum KeyCode : int {
    kKeySpace = 4,
    kKeyMinus = 13,
    kKeyDot = 15,
    kKeyLetterAB = 17,  // the letter keys run from A-B (17) to Y-Z (29)
    kKeyLetterYZ = 29,
    kKeyCommaSemicolon = 30,
    kKeyDollarColon = 31,
    kKeyUp = 32,
    kKeyDown = 33,
    kKeyEsc = 36,
    kKeyBackspace = 37,
    kKeyEnter = 42,
    kKeyEnterSecond = 43,  // a second Enter key with the same effect
    kKeyScan = 44,         // reads the scan waiting in front of the reader, if any
    kKeyRefresh = 51,      // sent by the form page after its changes are applied
};

// The digit ('0' to '9') a key code stands for; digit keys are scattered
// between the other codes (1 2 3 5 6 7 9 10 11 for 1 to 9, 14 for 0).
std::optional<char> digitOfKey(int code);

// The key code of a digit '0' to '9'.
int keyOfDigit(char digit);

inline bool isEnterKey(int code) { return code == kKeyEnter || code == kKeyEnterSecond; }

}  // namespace tessel::sim
