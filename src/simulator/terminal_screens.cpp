// The terminal's own screens: the main menu with its clock line, the
// connecting screen, the utilities list and the program-settings list.
#include <span>

#include "simulator/clock_line.h"
#include "simulator/keys.h"
#include "simulator/simulator.h"

namespace tessel::sim {
namespace {

constexpr int kUtilitiesBlock = 3;
constexpr int kSettingsBlock = 8;
constexpr int kConnectingBlock = 23;
constexpr int kMainMenuItems = 3;
constexpr int kSettingsItems = 8;
constexpr std::size_t kCalculatorLine = 0;  // of the default settings text lines
constexpr std::size_t kBuzzerLine = 1;

// Rows 0 to 3 from a four-line text block, the rest blank.
void showFourLineScreen(Screen& screen, std::span<const TextCell> lines) {
    for (int row = 0; row < kScreenRows; ++row) {
        if (row < 4) {
            screen.rows.set(row, cellText(lines[static_cast<std::size_t>(row)]));
        } else {
            screen.rows.blank(row);
        }
    }
}

// Wraps a 1-based highlight row over `count` items.
int rowAbove(int row, int count) { return row <= 1 ? count : row - 1; }
int rowBelow(int row, int count) { return row >= count ? 1 : row + 1; }

// The calculator line numbers its entry behind the lookup entry when there is one.
std::string calculatorLine(const TextCell& line, bool lookupInUse) {
    std::string text(cellText(line));
    if (!text.empty() && text[0] >= '0' && text[0] <= '9') text[0] = lookupInUse ? '9' : '8';
    return text;
}

bool isSettingsDigit(int code) {
    const auto digit = digitOfKey(code);
    return digit && *digit >= '1' && *digit <= '8';
}

}  // namespace

void Simulator::showMainMenu() {
    showFourLineScreen(screen_, project_.definition.texts.block(kMainMenuBlock));
    screen_.state = SimState::MainMenu;
    currentTarget_ = 0;
    refreshClock();
    observer_.repaintScreen();
}

// The clock line is kept current whenever the main menu shows, so a front end
// can draw it with the rest of the screen.
void Simulator::refreshClock() {
    screen_.clockText = clockLineText(clock_.now(), screen_.clockPhase, project_.recordCounter,
                                      project_.definition.settings.separateDataFiles != 0);
}

void Simulator::mainMenuKey(int code) {
    switch (code) {
        case 1: startApplication(); break;
        case 2:
            screen_.highlightRow = 0;
            showConnecting();
            break;
        case 3:
            screen_.highlightRow = 1;
            showUtilities();
            break;
        case kKeyUp:
            screen_.highlightRow = rowAbove(screen_.highlightRow, kMainMenuItems);
            showMainMenu();
            break;
        case kKeyDown:
            screen_.highlightRow = rowBelow(screen_.highlightRow, kMainMenuItems);
            showMainMenu();
            break;
        case kKeyEnter:
        case kKeyEnterSecond:
            // Items 1 to 3 have the key codes 1 to 3.
            if (screen_.highlightRow >= 1 && screen_.highlightRow <= kMainMenuItems) {
                mainMenuKey(screen_.highlightRow);
            }
            break;
        default: break;
    }
}

void Simulator::showConnecting() {
    showFourLineScreen(screen_, project_.definition.texts.block(kConnectingBlock));
    screen_.state = SimState::ConnectingScreen;
    observer_.repaintScreen();
}

void Simulator::connectingKey(int code) {
    if (code != kKeyEsc) return;
    screen_.highlightRow = 2;
    showMainMenu();
}

// Without a lookup in use the list has no lookup-loading item, and its last
// row shows the calculator line in the place of that item.
void Simulator::showUtilities() {
    const bool lookupInUse = anyLookupInUse(project_.definition);
    utilitiesCount_ = lookupInUse ? 9 : 8;
    const auto items = project_.definition.texts.block(kUtilitiesBlock);
    for (int row = 0; row < kScreenRows; ++row) {
        if (row == utilitiesCount_ - 1) {
            const TextCell& calculator = project_.defaults.settingsLines[kCalculatorLine];
            screen_.rows.set(row, calculatorLine(calculator, lookupInUse));
        } else if (row < utilitiesCount_) {
            screen_.rows.set(row, cellText(items[static_cast<std::size_t>(row)]));
        } else {
            screen_.rows.blank(row);
        }
    }
    screen_.state = SimState::UtilitiesScreen;
    observer_.repaintScreen();
}

void Simulator::utilitiesKey(int code) {
    const bool enterOnFirst = isEnterKey(code) && screen_.highlightRow == 1;
    if (code == 1 || enterOnFirst) {
        screen_.highlightRow = 1;
        showSettings();
    } else if (code == kKeyUp) {
        screen_.highlightRow = rowAbove(screen_.highlightRow, utilitiesCount_);
        showUtilities();
    } else if (code == kKeyDown) {
        screen_.highlightRow = rowBelow(screen_.highlightRow, utilitiesCount_);
        showUtilities();
    } else if (code == kKeyEsc) {
        screen_.highlightRow = 3;
        showMainMenu();
    }
}

// Block 8 lines 2 to 7, the buzzer line, then block 8 line 8.
void Simulator::showSettings() {
    const auto lines = project_.definition.texts.block(kSettingsBlock);
    for (int row = 0; row < 6; ++row) {
        screen_.rows.set(row, cellText(lines[static_cast<std::size_t>(row + 1)]));
    }
    screen_.rows.set(6, cellText(project_.defaults.settingsLines[kBuzzerLine]));
    screen_.rows.set(7, cellText(lines[7]));
    screen_.rows.blank(8);
    screen_.state = SimState::SettingsScreen;
    observer_.repaintScreen();
}

void Simulator::settingsKey(int code) {
    if (code == kKeyUp) {
        screen_.highlightRow = rowAbove(screen_.highlightRow, kSettingsItems);
        showSettings();
    } else if (code == kKeyDown) {
        screen_.highlightRow = rowBelow(screen_.highlightRow, kSettingsItems);
        showSettings();
    } else if (isSettingsDigit(code) || code == kKeyEsc || isEnterKey(code)) {
        screen_.highlightRow = 1;
        showUtilities();
    }
}

}  // namespace tessel::sim
