#pragma once
// Which screen the simulated terminal shows. Each state has its own key
// handler; the numeric codes are the ones the terminal's firmware uses.
#include <string_view>

namespace tessel::sim {

enum class SimState : int {
    MainMenu = 10,
    MenuScreen = 100,
    FormScreen = 110,
    UtilitiesScreen = 200,
    SettingsScreen = 300,
    ConnectingScreen = 500,
    MessageScreen = 999,
};

std::string_view stateName(SimState state);

}  // namespace tessel::sim
