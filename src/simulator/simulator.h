#pragma once
// The simulated terminal: runs the application definition on the 9x20
// screen model. It imitates the terminal's own screens (main menu, connecting,
// utilities, program settings), starts the designed application, runs its
// menus and hands its forms to the form runner. Fed key codes and 100 ms
// ticks; reads the local time from the injected clock.
#include <optional>
#include <string>

#include "core/messages.h"
#include "core/project.h"
#include "core/strings.h"
#include "simulator/clock.h"
#include "simulator/form_runner.h"
#include "simulator/observer.h"
#include "simulator/scan.h"
#include "simulator/screen.h"

namespace tessel::sim {

class Simulator {
public:
    Simulator(Project& project, const Strings& strings, MessageService& messages, const Clock& clock,
              SimulatorObserver& observer);

    // Back to the terminal's main menu; an unfinished multi-tap key is dropped.
    void restart();
    // One key code from the keypad (or 51 from the form page).
    void handleKey(int code);
    // The 100 ms timer: the clock line and the multi-tap time-out.
    void tick();
    // Enters a pending multi-tap character now, as its time-out would.
    void enterPendingCharacter();
    // Goes where a target code points: 0 the main menu with row 1
    // highlighted, 1 to 10 a form, 11 to 20 a menu (its selection reset unless
    // `resetMenu` is false). Codes above 20 lead nowhere: the screen stays
    // as it is.
    void goToTarget(int target, bool resetMenu = true);
    // Shows menu `menu` (11 to 20), with its first item selected when `reset`.
    void enterMenu(int menu, bool reset);
    // The terminal's reader reads `scan` now (simulator_scan.cpp). Returns a
    // short note when nothing came of it: why the reader read nothing, or
    // why the field refused it (the message is on the screen); else empty.
    std::string scan(const Scan& scan);
    // Puts `scan` in front of the reader, or takes it away: the SCAN key
    // reads what lies there, as often as it is pressed.
    void queueScan(std::optional<Scan> scan) { queuedScan_ = std::move(scan); }
    const std::optional<Scan>& queuedScan() const { return queuedScan_; }
    // The note of the last scan, also one the SCAN key read.
    const std::string& lastScanNote() const { return lastScanNote_; }

    const Screen& screen() const { return screen_; }
    const std::string& outputRecord() const { return forms_.outputRecord(); }
    unsigned recordCounter() const { return project_.recordCounter; }
    // The lookup data and the collected records; they stay across restarts.
    TerminalData& terminalData() { return data_; }
    const TerminalData& terminalData() const { return data_; }

private:
    // The terminal's own screens (terminal_screens.cpp).
    void showMainMenu();
    void refreshClock();
    void mainMenuKey(int code);
    void connectingKey(int code);
    void showConnecting();
    void showUtilities();
    void utilitiesKey(int code);
    void showSettings();
    void settingsKey(int code);

    // The designed application (application_start.cpp, menu_screen.cpp).
    void startApplication();
    void enterForm(int form);
    MenuRecord& currentMenu();
    void showMenu();
    void menuKey(int code);

    Project& project_;
    const Strings& strings_;
    MessageService& messages_;
    const Clock& clock_;
    SimulatorObserver& observer_;
    Screen screen_;
    TerminalData data_;
    FormRunner forms_;
    int currentTarget_ = 0;   // 1 to 10 a form, 11 to 20 a menu, 0 the terminal's screens
    int utilitiesCount_ = 8;  // items of the utilities list: 9 with a lookup in use
    int previousKey_ = 0;     // for the multi-tap rule
    std::optional<Scan> queuedScan_;
    std::string lastScanNote_;
};

}  // namespace tessel::sim
