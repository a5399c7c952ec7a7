// The terminal's own screens: main menu, connecting, utilities and settings.
#include "simulator_fixture.h"

namespace tessel::sim::test {
namespace {

const std::vector<std::string> kMainMenuRows{
    "|1. Collect data     |", "|2. Upload data      |", "|3. Utilities        |",
    "|                    |", "|                    |", "|                    |",
    "|                    |", "|                    |", "|МАР 05, 09:05  00000|",
};

const std::vector<std::string> kUtilitiesRows{
    "|1. Program Settings |", "|2. Browse Data      |", "|3. Delete Data      |", "|4. Reader Test      |",
    "|5. Set Date / Time  |", "|6. Load Application |", "|7. Memory & Power   |", "|8. Calculator       |",
};

const std::vector<std::string> kSettingsRows{
    "|1.Upload Interface  |", "|2.Download Interface|", "|3.Transmission Speed|", "|4.Backlight         |",
    "|5.Set Data Delete   |", "|6.Entry Options     |", "|7.Buzzer            |", "|8.View Settings     |",
};

const std::vector<std::string> kConnectingRows{"|Try to connect...   |", "|                    |",
                                               "|                    |", "|Press ESC to cancel.|"};

using TerminalScreens = SimulatorTest;

TEST_F(TerminalScreens, MainMenuMovesItsHighlightWithWrapAround) {
    const Golden cases[] = {
        {"", "state=MainMenu highlight=1 cursor=0,0 counter=0", kMainMenuRows},
        {"UP", "state=MainMenu highlight=3 cursor=0,0 counter=0", kMainMenuRows},
        {"UP UP", "state=MainMenu highlight=2 cursor=0,0 counter=0", kMainMenuRows},
        {"DOWN DOWN", "state=MainMenu highlight=3 cursor=0,0 counter=0", kMainMenuRows},
        {"DOWN DOWN DOWN", "state=MainMenu highlight=1 cursor=0,0 counter=0", kMainMenuRows},
        {"4 5 ESC BS A-B", "state=MainMenu highlight=1 cursor=0,0 counter=0", kMainMenuRows},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(TerminalScreens, MainMenuItemsByDigitOrEnter) {
    const Golden cases[] = {
        {"2", "state=ConnectingScreen highlight=0 cursor=0,0 counter=0", kConnectingRows},
        {"DOWN ENTER", "state=ConnectingScreen highlight=0 cursor=0,0 counter=0", kConnectingRows},
        {"2 1 ENTER UP", "state=ConnectingScreen highlight=0 cursor=0,0 counter=0", kConnectingRows},
        {"2 ESC", "state=MainMenu highlight=2 cursor=0,0 counter=0", kMainMenuRows},
        {"3", "state=UtilitiesScreen highlight=1 cursor=0,0 counter=0", kUtilitiesRows},
        {"UP ENTER", "state=UtilitiesScreen highlight=1 cursor=0,0 counter=0", kUtilitiesRows},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(TerminalScreens, UtilitiesWithoutLookupHaveEightRowsEndingInTheCalculator) {
    const Golden cases[] = {
        {"3 UP", "state=UtilitiesScreen highlight=8 cursor=0,0 counter=0", kUtilitiesRows},
        {"3 UP DOWN", "state=UtilitiesScreen highlight=1 cursor=0,0 counter=0", kUtilitiesRows},
        {"3 DOWN ENTER", "state=UtilitiesScreen highlight=2 cursor=0,0 counter=0", kUtilitiesRows},
        {"3 2 7 8", "state=UtilitiesScreen highlight=1 cursor=0,0 counter=0", kUtilitiesRows},
        {"3 ESC", "state=MainMenu highlight=3 cursor=0,0 counter=0", kMainMenuRows},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(TerminalScreens, UtilitiesWithALookupHaveNineRows) {
    project.definition.lookups[1].recordLength = 12;
    project.definition.lookups[1].columnCount = 2;
    auto rows = kUtilitiesRows;
    rows[7] = "|8. Load Lookup File |";
    rows.push_back("|9. Calculator       |");
    expectGolden({"3", "state=UtilitiesScreen highlight=1 cursor=0,0 counter=0", rows});
    expectGolden({"3 UP", "state=UtilitiesScreen highlight=9 cursor=0,0 counter=0", rows});
    expectGolden({"3 UP DOWN", "state=UtilitiesScreen highlight=1 cursor=0,0 counter=0", rows});
}

TEST_F(TerminalScreens, SettingsListAndItsWayBack) {
    const Golden cases[] = {
        {"3 1", "state=SettingsScreen highlight=1 cursor=0,0 counter=0", kSettingsRows},
        {"3 ENTER", "state=SettingsScreen highlight=1 cursor=0,0 counter=0", kSettingsRows},
        {"3 1 UP", "state=SettingsScreen highlight=8 cursor=0,0 counter=0", kSettingsRows},
        {"3 1 UP DOWN", "state=SettingsScreen highlight=1 cursor=0,0 counter=0", kSettingsRows},
        {"3 1 9 0 SPACE", "state=SettingsScreen highlight=1 cursor=0,0 counter=0", kSettingsRows},
        {"3 1 DOWN DOWN 8", "state=UtilitiesScreen highlight=1 cursor=0,0 counter=0", kUtilitiesRows},
        {"3 1 DOWN ESC", "state=UtilitiesScreen highlight=1 cursor=0,0 counter=0", kUtilitiesRows},
        {"3 1 DOWN ENTER", "state=UtilitiesScreen highlight=1 cursor=0,0 counter=0", kUtilitiesRows},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(TerminalScreens, ClockLineBlinksAndShowsTheRecordCounter) {
    auto rowsWithClock = [](const std::string& clockLine) {
        auto rows = kMainMenuRows;
        rows[8] = "|" + clockLine + "|";
        return rows;
    };
    const std::string status = "state=MainMenu highlight=1 cursor=0,0 counter=";
    expectGolden({"tick:4", status + "0", rowsWithClock("МАР 05, 09:05  00000")});
    expectGolden({"tick:5", status + "0", rowsWithClock("МАР 05, 09 05  00000")});
    expectGolden({"tick:10", status + "0", rowsWithClock("МАР 05, 09:05  00000")});
    expectGolden({"tick:600", status + "0", rowsWithClock("МАР 05, 09:06  00000")});
    expectGolden({"", status + "123", rowsWithClock("МАР 05, 09:05  00123")}, 123);
    expectGolden({"", status + "100123", rowsWithClock("МАР 05, 09:05  00123")}, 100123);

    project.definition.settings.separateDataFiles = 1;
    expectGolden({"tick:1", status + "123", rowsWithClock("МАР 05, 09:05       ")}, 123);
}

TEST_F(TerminalScreens, TicksDrawTheClockOnlyOnTheMainMenu) {
    start();
    run("tick:2");
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"screen", "clock", "clock"}));
    run("3");
    observer.calls.clear();
    run("tick:3");
    EXPECT_TRUE(observer.calls.empty());
    EXPECT_EQ(simulator->screen().clockPhase, 5);
}

TEST_F(TerminalScreens, RestartReturnsToTheMainMenuKeepingTheHighlight) {
    start();
    run("3 1 DOWN");
    simulator->restart();
    EXPECT_EQ(simulator->screen().state, SimState::MainMenu);
    EXPECT_EQ(simulator->screen().highlightRow, 2);
    EXPECT_EQ(simulator->screen().rows[0], "1. Collect data     ");
}

}  // namespace
}  // namespace tessel::sim::test
