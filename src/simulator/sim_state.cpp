#include "simulator/sim_state.h"

namespace tessel::sim {

std::string_view stateName(SimState state) {
    switch (state) {
        case SimState::MainMenu: return "MainMenu";
        case SimState::MenuScreen: return "MenuScreen";
        case SimState::FormScreen: return "FormScreen";
        case SimState::UtilitiesScreen: return "UtilitiesScreen";
        case SimState::SettingsScreen: return "SettingsScreen";
        case SimState::ConnectingScreen: return "ConnectingScreen";
        case SimState::MessageScreen: return "MessageScreen";
    }
    return "Unknown";
}

}  // namespace tessel::sim
