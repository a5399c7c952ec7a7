// The PC keyboard on the pictured terminal: the key map of both families and
// typing whole words through the multi-tap keys.
#include "simulator/keyboard_map.h"

#include "simulator/keypad.h"
#include "simulator_fixture.h"

namespace tessel::sim::test {
namespace {

using Key = PcKeyPress::Key;

PcKeyPress typed(char32_t c) { return {Key::Character, c}; }
PcKeyPress key(Key k) { return {k}; }
PcKeyPress function(int n, bool shift = false) { return {Key::Function, 0, n, shift}; }

TEST(KeyboardMap, PcKeysPressTheirTerminalKeys) {
    struct Case {
        const char* what;
        int family;
        PcKeyPress press;
        int code;  // 0: no terminal key
        int presses;
    };
    const Case cases[] = {
        {"digit 1", kFamily4760, typed(U'1'), 1, 1},
        {"digit 4", kFamily4760, typed(U'4'), 5, 1},
        {"digit 0", kFamilyGroup, typed(U'0'), 14, 1},
        {"digit 9", kFamilyGroup, typed(U'9'), 11, 1},
        {"A", kFamily4760, typed(U'A'), 17, 1},
        {"B", kFamily4760, typed(U'B'), 17, 2},
        {"a", kFamily4760, typed(U'a'), 17, 3},
        {"b", kFamily4760, typed(U'b'), 17, 4},
        {"M", kFamily4760, typed(U'M'), 23, 1},
        {"n", kFamilyGroup, typed(U'n'), 23, 4},
        {"Z", kFamilyGroup, typed(U'Z'), 29, 2},
        {"y", kFamily4760, typed(U'y'), 29, 3},
        {"W on the 4760", kFamily4760, typed(U'W'), 28, 1},
        {"W: no W-X key on the group keypad", kFamilyGroup, typed(U'W'), 0, 0},
        {"u: no U-V key on the group keypad", kFamilyGroup, typed(U'u'), 0, 0},
        {"space", kFamily4760, typed(U' '), 4, 1},
        {"minus", kFamily4760, typed(U'-'), 13, 1},
        {"dot", kFamilyGroup, typed(U'.'), 15, 1},
        {"comma", kFamily4760, typed(U','), 30, 1},
        {"semicolon", kFamily4760, typed(U';'), 30, 2},
        {"dollar", kFamilyGroup, typed(U'$'), 31, 1},
        {"colon", kFamilyGroup, typed(U':'), 31, 2},
        {"a character without a key", kFamily4760, typed(U'+'), 0, 0},
        {"a Cyrillic letter", kFamily4760, typed(U'\u0416'), 0, 0},
        {"Up", kFamily4760, key(Key::Up), 32, 1},
        {"Down", kFamilyGroup, key(Key::Down), 33, 1},
        {"Left", kFamily4760, key(Key::Left), 34, 1},
        {"Right", kFamilyGroup, key(Key::Right), 35, 1},
        {"Enter", kFamily4760, key(Key::Enter), 42, 1},
        {"Enter on the group keypad", kFamilyGroup, key(Key::Enter), 42, 1},
        {"Esc", kFamily4760, key(Key::Escape), 36, 1},
        {"Backspace", kFamilyGroup, key(Key::Backspace), 37, 1},
        {"F1 is the About shortcut", kFamily4760, function(1), 0, 0},
        {"Shift+F1", kFamily4760, function(1, true), 8, 1},
        {"F2", kFamily4760, function(2), 12, 1},
        {"F3", kFamily4760, function(3), 16, 1},
        {"F3: none on the group keypad", kFamilyGroup, function(3), 0, 0},
        {"F4", kFamilyGroup, function(4), 38, 1},
        {"F6", kFamily4760, function(6), 40, 1},
        {"F7", kFamily4760, function(7), 0, 0},
        {"F10", kFamily4760, function(10), 0, 0},
        {"Shift+F10", kFamily4760, function(10, true), 41, 1},
        {"Menu", kFamilyGroup, key(Key::Menu), 41, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto stroke = terminalKeyFor(c.family, c.press);
        ASSERT_EQ(stroke.has_value(), c.code != 0);
        if (!stroke) continue;
        EXPECT_EQ(stroke->code, c.code);
        EXPECT_EQ(stroke->presses, c.presses);
        EXPECT_EQ(stroke->opensMenu, c.code == 41);
        // The stroke shows the pressed key where a click on it would.
        const auto hit = hitTestKey(c.family, stroke->originX + 2, stroke->originY + 2);
        ASSERT_TRUE(hit.has_value());
        EXPECT_EQ(hit->code, c.code);
    }
}

TEST(KeyboardMap, OnlyMovingKeysRepeatWhileHeld) {
    for (const auto k : {Key::Up, Key::Down, Key::Left, Key::Right, Key::Backspace})
        EXPECT_TRUE(terminalKeyFor(kFamily4760, key(k))->repeats);
    for (const auto press : {typed(U'a'), typed(U'7'), key(Key::Enter), key(Key::Escape), key(Key::Menu)})
        EXPECT_FALSE(terminalKeyFor(kFamily4760, press)->repeats);
}

class KeyboardTyping : public SimulatorTest {
protected:
    void type(std::u32string_view text) {
        for (const char32_t c : text) {
            const auto stroke = terminalKeyFor(project.family, typed(c));
            ASSERT_TRUE(stroke.has_value()) << static_cast<unsigned>(c);
            pressStroke(*simulator, *stroke);
        }
    }
    void press(Key k) { pressStroke(*simulator, *terminalKeyFor(project.family, key(k))); }
};

// Letters of one key follow each other without waiting for the time-out, and
// every character of the text field's set arrives as typed.
TEST_F(KeyboardTyping, WordsArriveAsTyped) {
    setField(1, 0, kFieldText, "N:", 16);
    start();
    type(U"1");
    type(U"AbBa Cd-1.5,x;$:");
    run("tick:7");
    EXPECT_EQ(simulator->screen().rows[0], "N:AbBa Cd-1.5,x;$:");
}

TEST_F(KeyboardTyping, EnterEntersAndEscLeaves) {
    setField(1, 0, kFieldText, "Name:", 10);
    setField(1, 1, kFieldInteger, "Qty:", 3);
    form(1).nextTarget = 0;
    start();
    type(U"1ab");
    press(Key::Backspace);
    press(Key::Enter);
    EXPECT_EQ(simulator->screen().rows[0].substr(0, 6), "Name:a");
    type(U"42");
    press(Key::Enter);
    EXPECT_EQ(simulator->screen().state, SimState::MainMenu);
    EXPECT_EQ(simulator->recordCounter(), 1u);
    type(U"1");
    EXPECT_EQ(simulator->screen().state, SimState::FormScreen);
    press(Key::Escape);
    EXPECT_EQ(simulator->screen().state, SimState::MainMenu);
}

TEST_F(KeyboardTyping, ArrowsMoveTheMainMenuBar) {
    start();
    press(Key::Down);
    press(Key::Down);
    EXPECT_EQ(simulator->screen().highlightRow, 3);
    press(Key::Enter);
    EXPECT_EQ(simulator->screen().state, SimState::UtilitiesScreen);
    press(Key::Escape);
    press(Key::Up);
    EXPECT_EQ(simulator->screen().highlightRow, 2);
}

}  // namespace
}  // namespace tessel::sim::test
