#pragma once
// The screen as plain text, the way `tessel sim` prints it:
//
//   state=MainMenu highlight=1 cursor=0,0 counter=0
//   output=
//   |1. Collect data     |
//   ... 9 rows, each exactly 20 characters between the bars
//
// Texts are Windows-1251 bytes shown as UTF-8; control bytes appear as their
// Unicode control pictures so every row keeps its width. On the main menu
// the last row shows the clock line drawn over it, and a pending multi-tap
// character shows in the cursor cell, as on the terminal.
#include <string>

#include "simulator/simulator.h"

namespace tessel::sim {

std::string screenText(const Simulator& simulator);

// Row `row` of the screen as `tessel sim` prints it between the bars.
std::string shownRowText(const Screen& screen, int row);

// Bytes as UTF-8 with control pictures for the control bytes.
std::string displayText(std::string_view bytes);

}  // namespace tessel::sim
