// Designed menus: titles, item digits, arrows, hidden items and targets.
#include "simulator_fixture.h"

namespace tessel::sim::test {
namespace {

constexpr int kMenu1 = 11;
constexpr int kMenu2 = 12;

class Menus : public SimulatorTest {
protected:
    Menus() {
        project.definition.settings.programStart = 1;  // menu 1
        menu(1).captionOn = 1;
        setText(menu(1).caption, "STOCK");
        setMenu(1, {{"1.Receive", 1},
                    {"2.Count", 2},
                    {"3.More", kMenu2},  //
                    {"4.Main", 0},
                    {"5.Five", 0},
                    {"6.Six", 0}});
        setMenu(2, {{"Alpha", 1}, {"Beta", 2}});
        menu(2).menuEscTarget = kMenu1;
        setField(1, 0, kFieldText, "Item:");
        setField(2, 0, kFieldInteger, "Qty:");
    }
};

const std::vector<std::string> kStockRows{
    "|STOCK               |", "|1.Receive           |", "|2.Count             |", "|3.More              |",
    "|4.Main              |", "|5.Five              |", "|6.Six               |",
};
const std::vector<std::string> kSecondMenuRows{"|Alpha               |", "|Beta                |"};

TEST_F(Menus, TitledMenuAndItsSelection) {
    const Golden cases[] = {
        {"1", "state=MenuScreen highlight=2 cursor=0,0 counter=0", kStockRows},
        {"1 7", "state=MenuScreen highlight=2 cursor=0,0 counter=0", kStockRows},
        {"1 0 8 9", "state=MenuScreen highlight=2 cursor=0,0 counter=0", kStockRows},
        {"1 DOWN DOWN", "state=MenuScreen highlight=4 cursor=0,0 counter=0", kStockRows},
        {"1 UP", "state=MenuScreen highlight=2 cursor=0,0 counter=0", kStockRows},
        {"1 DOWN DOWN DOWN DOWN DOWN DOWN", "state=MenuScreen highlight=7 cursor=0,0 counter=0", kStockRows},
        {"1 DOWN DOWN UP", "state=MenuScreen highlight=3 cursor=0,0 counter=0", kStockRows},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(Menus, ItemsLeadToTheirTargets) {
    const Golden cases[] = {
        {"1 1", "state=FormScreen highlight=0 cursor=5,0 counter=0", {"|Item:               |"}},
        {"1 DOWN ENTER", "state=FormScreen highlight=0 cursor=4,0 counter=0", {"|Qty:                |"}},
        {"1 3", "state=MenuScreen highlight=1 cursor=0,0 counter=0", kSecondMenuRows},
        {"1 4",
         "state=MainMenu highlight=1 cursor=0,0 counter=0",
         {row("1. Collect data"), row("2. Upload data"), row("3. Utilities"), kBlankRow, kBlankRow, kBlankRow,
          kBlankRow, kBlankRow, "|МАР 05, 09:05  00000|"}},
    };
    for (const auto& golden : cases) expectGolden(golden);
}

TEST_F(Menus, EscapeKeepsTheSelectionOfTheMenuItLeadsTo) {
    // Item 3 of menu 1 leads to menu 2, whose escape returns to menu 1 as it was left.
    expectGolden({"1 DOWN DOWN ENTER ESC", "state=MenuScreen highlight=4 cursor=0,0 counter=0", kStockRows});
    // Entering a menu through an item starts it at its first item.
    expectGolden({"1 3 DOWN ESC 3", "state=MenuScreen highlight=1 cursor=0,0 counter=0", kSecondMenuRows});
}

TEST_F(Menus, EscapeTargets) {
    menu(2).menuEscTarget = 2;  // form 2
    expectGolden({"1 3 ESC", "state=FormScreen highlight=0 cursor=4,0 counter=0", {row("Qty:")}});
    menu(2).menuEscTarget = 0;
    start();
    run("DOWN DOWN 1 3 ESC");
    EXPECT_EQ(simulator->screen().state, SimState::MainMenu);
    EXPECT_EQ(simulator->screen().highlightRow, 1);
}

// Target bytes above 20 name no screen: the menu stays as it is, its
// selection included, and the next arrow moves on from the row it shows.
TEST_F(Menus, TargetsThatLeadNowhereLeaveTheMenuAsItIs) {
    menu(1).itemTarget[4] = 21;   // 5.Five
    menu(1).itemTarget[5] = 255;  // 6.Six
    menu(1).menuEscTarget = 21;
    const auto at = [&](int highlight) {
        return "state=MenuScreen highlight=" + std::to_string(highlight) + " cursor=0,0 counter=0";
    };
    const Golden cases[] = {
        {"1 5", at(2), kStockRows},
        {"1 5 DOWN", at(3), kStockRows},
        {"1 DOWN 6 DOWN", at(4), kStockRows},
        {"1 DOWN DOWN DOWN DOWN ENTER", at(6), kStockRows},
        {"1 DOWN DOWN DOWN DOWN DOWN ENTER UP", at(6), kStockRows},
        {"1 DOWN ESC", at(3), kStockRows},
    };
    for (const auto& golden : cases) {
        expectGolden(golden);
        const int shownItem = simulator->screen().highlightRow - 2;
        EXPECT_EQ(menu(1).runtime[0], shownItem) << golden.script;
    }
}

TEST_F(Menus, UntitledMenuShowsNineItemsAndReachesTheTenthWithTheArrows) {
    std::vector<std::pair<std::string, int>> items;
    for (int i = 1; i <= 10; ++i) items.push_back({"Item " + std::to_string(i), i == 10 ? 2 : 0});
    menu(1) = MenuRecord{};
    setMenu(1, items);
    std::vector<std::string> rows;
    for (int i = 1; i <= 9; ++i) {
        std::string text = "Item " + std::to_string(i);
        rows.push_back("|" + text + std::string(20 - text.size(), ' ') + "|");
    }
    expectGolden({"1", "state=MenuScreen highlight=1 cursor=0,0 counter=0", rows});
    expectGolden({"1 DOWN DOWN DOWN DOWN DOWN DOWN DOWN DOWN DOWN DOWN",
                  "state=MenuScreen highlight=10 cursor=0,0 counter=0", rows});
    expectGolden({"1 DOWN DOWN DOWN DOWN DOWN DOWN DOWN DOWN DOWN ENTER",
                  "state=FormScreen highlight=0 cursor=4,0 counter=0",
                  {"|Qty:                |"}});
}

TEST_F(Menus, TitledMenuHidesItemsBelowTheLastRow) {
    setMenu(1, {{"1", 0}, {"2", 0}, {"3", 0}, {"4", 0}, {"5", 0}, {"6", 0}, {"7", 0}, {"8", 0}, {"9", 0}});
    start();
    run("1");
    EXPECT_EQ(simulator->screen().rows[8], "8");
    run("DOWN DOWN DOWN DOWN DOWN DOWN DOWN DOWN");
    EXPECT_EQ(simulator->screen().highlightRow, 10);
}

TEST_F(Menus, AStoredSelectionPastTheItemSlotsStartsOver) {
    menu(2).runtime = {200, 7};
    start();
    simulator->enterMenu(kMenu2, false);
    EXPECT_EQ(simulator->screen().highlightRow, 1);
    EXPECT_EQ(menu(2).runtime, (Bytes<2>{0, 0}));
}

TEST_F(Menus, DownStopsAtTheLastItemEvenInAnEmptyMenu) {
    start();
    simulator->enterMenu(kMenu2 + 1, true);
    run("DOWN DOWN");
    EXPECT_EQ(simulator->screen().highlightRow, 1);
    EXPECT_EQ(menu(3).runtime[0], 0);
}

}  // namespace
}  // namespace tessel::sim::test
