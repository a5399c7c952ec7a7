#include "simulator/simulator.h"

#include "simulator/keys.h"

namespace tessel::sim {

Simulator::Simulator(Project& project, const Strings& strings, MessageService& messages, const Clock& clock,
                     SimulatorObserver& observer)
    : project_(project),
      strings_(strings),
      messages_(messages),
      clock_(clock),
      observer_(observer),
      forms_(screen_, project, clock, observer, data_) {}

void Simulator::restart() {
    forms_.cancelPending();
    showMainMenu();
}

void Simulator::handleKey(int code) {
    if (code == kKeyScan && queuedScan_) {
        const Scan waiting = *queuedScan_;  // the scan may replace what lies in front of the reader
        scan(waiting);
        return;
    }
    if (forms_.hasPending() && code != previousKey_) {
        forms_.commitPending();
        // A refused pending character puts up its message; this key is not
        // the one that answers it, so the message stays on the screen.
        if (screen_.state == SimState::MessageScreen) {
            previousKey_ = code;
            return;
        }
    }
    previousKey_ = code;
    switch (screen_.state) {
        case SimState::MainMenu: mainMenuKey(code); break;
        case SimState::ConnectingScreen: connectingKey(code); break;
        case SimState::UtilitiesScreen: utilitiesKey(code); break;
        case SimState::SettingsScreen: settingsKey(code); break;
        case SimState::MenuScreen: menuKey(code); break;
        case SimState::FormScreen:
            if (code == kKeyDown) break;  // Down never reaches a form
            if (const auto departure = forms_.handleKey(code)) {
                goToTarget(departure->target, departure->resetMenu);
            }
            break;
        case SimState::MessageScreen:
            if (const auto departure = forms_.leaveMessage()) goToTarget(departure->target, departure->resetMenu);
            break;
    }
}

void Simulator::tick() {
    screen_.clockPhase = (screen_.clockPhase + 1) % 10;
    if (screen_.state == SimState::MainMenu) {
        refreshClock();
        observer_.drawClock();
    }
    forms_.tick();
}

void Simulator::enterPendingCharacter() { forms_.commitPending(); }

void Simulator::goToTarget(int target, bool resetMenu) {
    constexpr int kLastForm = 10;
    if (target == 0) {
        screen_.highlightRow = 1;
        showMainMenu();
    } else if (target <= kLastForm) {
        enterForm(target);
    } else if (!leadsNowhere(target)) {
        enterMenu(target, resetMenu);
    }
}

void Simulator::enterForm(int form) {
    currentTarget_ = form;
    forms_.enter(form);
}

}  // namespace tessel::sim
